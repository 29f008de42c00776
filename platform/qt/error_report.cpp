// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/error_report.h"

#include "platform/core/file_error.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/message_box.h"

#include <QtGlobal>
#include <exception>

namespace besedka {

ErrorReport* ErrorReport::current_ = nullptr;

ErrorReport::ErrorReport(Clock clock) : state_(std::make_shared<State>()) {
    state_->clock = std::move(clock);
    current_ = this;
}

ErrorReport::~ErrorReport() {
    if (current_ == this)
        current_ = nullptr;
}

bool ErrorReport::shouldShow(const QString& message, ErrorSource source) const {
    if (state_->open.contains(message))
        return false;
    if (source != ErrorSource::TimerTick)
        return true;
    const auto closed = state_->closedAt.constFind(message);
    return closed == state_->closedAt.constEnd() || state_->clock() - *closed >= kTimerRepeatPause;
}

void ErrorReport::report(const QString& message, ErrorSource source) {
    if (!shouldShow(message, source))
        return;
    state_->open.insert(message);
    MessageBox::showError(message, [weakState = std::weak_ptr<State>(state_), message] {
        if (const auto state = weakState.lock()) {
            state->open.remove(message);
            state->closedAt.insert(message, state->clock());
        }
    });
}

namespace {

void reportEscaped(const QString& message, ErrorSource source) {
    if (ErrorReport* report = ErrorReport::current())
        report->report(message, source);
    else
        qWarning("%s", qUtf8Printable(message));
}

} // namespace

void runGuarded(const std::function<void()>& handler, ErrorSource source) {
    try {
        handler();
    } catch (const FileError& error) {
        reportEscaped(toQString(error.what()), source);
    } catch (const std::exception& error) {
        reportEscaped(QString::fromUtf8(error.what()), source);
    } catch (...) {
        reportEscaped(QStringLiteral("Unexpected error"), source);
    }
}

} // namespace besedka
