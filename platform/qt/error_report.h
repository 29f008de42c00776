// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

namespace besedka {

// Where a failure happened: a timer that fails once usually fails at every tick.
enum class ErrorSource { Action, TimerTick };

// The application-wide error report: shows what escaped a handler in a message box, without
// flooding the user. While a box is open the same message opens no second one; a timer tick
// shows its message again only some seconds after its box was closed.
class ErrorReport {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::seconds kTimerRepeatPause{10};

    // The report installs itself as the application's for its lifetime.
    explicit ErrorReport(Clock clock = &std::chrono::steady_clock::now);
    ~ErrorReport();
    ErrorReport(const ErrorReport&) = delete;
    ErrorReport& operator=(const ErrorReport&) = delete;

    static ErrorReport* current() { return current_; }

    void report(const QString& message, ErrorSource source);

private:
    struct State {
        Clock clock;
        QSet<QString> open;
        QHash<QString, std::chrono::steady_clock::time_point> closedAt;
    };

    bool shouldShow(const QString& message, ErrorSource source) const;

    // Shared with the callbacks of open boxes, which may outlive the report.
    std::shared_ptr<State> state_;
    static ErrorReport* current_;
};

// Runs a handler; whatever it throws ends it there and goes to the error report.
void runGuarded(const std::function<void()>& handler, ErrorSource source = ErrorSource::Action);

// A handler wrapped in the guard, for connecting to a signal.
template <typename Handler> auto guarded(Handler handler) {
    return [handler = std::move(handler)]() { runGuarded(handler); };
}

} // namespace besedka
