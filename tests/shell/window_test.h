// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/random_source.h"
#include "platform/qt/error_report.h"
#include "platform/qt/message_box.h"
#include "shell/main_window.h"
#include "tests/support/fixed_clock.h"
#include "work_folder.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out);

namespace besedka::test {

using namespace Qt::Literals::StringLiterals;

// The main window in a fresh working folder. Error boxes are recorded instead of shown, the
// error report's clock stands still unless a test moves it, and no timer ticks by itself:
// tests call the handlers, one tick at a time.
class WindowTest : public ::testing::Test {
protected:
    // A failed turn leaves the hourglass on; the next test starts without it.
    ~WindowTest() override;

    // The window as the program creates and shows it, before any timer has ticked.
    MainWindow& open();
    // After the first ticks: the knowledge base loaded, the start animation over, the
    // controls updated. Ready for a turn.
    MainWindow& openReady();

    // Sets the input line, as typing does, and lets the state update follow.
    void type(const QString& text);
    // Types the phrase and clicks "Сказать".
    void say(const QString& phrase);

    const MainControls& controls() const { return window->controls(); }
    const MainMenu& menu() const { return window->menu(); }
    QStringList transcript() const;
    QStringList session() const;
    QStringList fileLines(const std::string& relative) const;

    WorkFolder folder;
    std::chrono::steady_clock::time_point now{};
    ErrorReport errors{[this] { return now; }};
    MessageBox::Recorder boxes;
    SeededRandom random{2024};
    FixedClock clock{{2026, 12, 7, 14, 3, 27}};
    std::unique_ptr<MainWindow> window;
};

} // namespace besedka::test
