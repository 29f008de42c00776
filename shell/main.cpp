// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/clock.h"
#include "platform/core/command_line.h"
#include "platform/core/file_error.h"
#include "platform/core/random_source.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "platform/qt/fonts.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_texts.h"
#include "shell/launch.h"
#include "shell/main_window.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[]) {
    // Answered before anything looks for a display, makes a data folder or opens a window.
    if (besedka::command_line::hasOption(argc, argv, {"--version"})) {
        besedka::command_line::printVersion("besedka");
        return 0;
    }
    if (!besedka::launch::hasDisplay())
        return besedka::launch::talkInTerminal();
    QApplication application(argc, argv);
    besedka::substituteWindowsFonts();
    besedka::installRussianQtTexts(&application);
    besedka::ErrorReport errorReport;
    besedka::ClockRandom random;
    besedka::SystemClock clock;

    std::unique_ptr<besedka::MainWindow> window;
    try {
        besedka::launch::enterWorkingFolder();
        window = std::make_unique<besedka::MainWindow>(random, clock);
    } catch (const besedka::FileError& error) {
        // A working folder that cannot be made, or a sound that cannot be opened, stops start-up.
        besedka::MessageBox::showErrorAndWait(besedka::toQString(error.what()));
        return 1;
    }
    window->showCentred();
    return QApplication::exec();
}
