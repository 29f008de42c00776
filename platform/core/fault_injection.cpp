// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/fault_injection.h"

#include <array>

namespace besedka {

namespace {

std::array<int, 5> injected{};

int& errorAt(FaultPlace place) {
    return injected[static_cast<std::size_t>(place)];
}

} // namespace

int injectedError(FaultPlace place) {
    return errorAt(place);
}

InjectedFault::InjectedFault(FaultPlace place, int error)
    : place_(place), previous_(errorAt(place)) {
    errorAt(place) = error;
}

InjectedFault::~InjectedFault() {
    errorAt(place_) = previous_;
}

} // namespace besedka
