// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <functional>

namespace besedka {

// A periodic timer of a window. Intervals are the program's own: a "1 ms" timer ticks at the
// platform's fast rate, which is what keeps the idle program cheap. Every tick runs inside the
// error guard, and a failing tick does not stop the timer.
class Timer {
public:
    static constexpr int kFastRateMs = 15;

    Timer(int intervalMs, bool enabled);

    // A timer without a handler is never woken, as there is nothing for its tick to do.
    void setHandler(std::function<void()> handler);

    bool enabled() const { return enabled_; }
    // Enabling a running timer does not restart it.
    void setEnabled(bool enabled);
    int interval() const { return intervalMs_; }
    void setInterval(int intervalMs);

    // What the platform timer actually does: whether it wakes the program, and how often.
    bool ticking() const { return timer_.isActive(); }
    int tickIntervalMs() const { return timer_.interval(); }

private:
    void updateTicking();
    void tick();

    QTimer timer_;
    int intervalMs_;
    bool enabled_;
    std::function<void()> handler_;
};

} // namespace besedka
