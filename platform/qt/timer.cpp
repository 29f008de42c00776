// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/timer.h"

#include "platform/qt/error_report.h"

#include <algorithm>

namespace besedka {

Timer::Timer(int intervalMs, bool enabled) : intervalMs_(intervalMs), enabled_(enabled) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
    timer_.setInterval(std::max(intervalMs_, kFastRateMs));
}

void Timer::setHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
    updateTicking();
}

void Timer::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    updateTicking();
}

void Timer::setInterval(int intervalMs) {
    intervalMs_ = intervalMs;
    timer_.setInterval(std::max(intervalMs_, kFastRateMs));
}

void Timer::updateTicking() {
    const bool shouldTick = enabled_ && handler_;
    if (shouldTick && !timer_.isActive())
        timer_.start();
    else if (!shouldTick)
        timer_.stop();
}

void Timer::tick() {
    runGuarded(handler_, ErrorSource::TimerTick);
}

} // namespace besedka
