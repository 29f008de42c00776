// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/clock.h"
#include "platform/core/command_line.h"
#include "platform/core/file_error.h"
#include "platform/core/random_source.h"
#include "platform/core/start_folder.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "platform/qt/fonts.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_texts.h"
#include "shell/launch.h"
#include "shell/main_window.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

constexpr const char* kUsage =
    "Usage: besedka [--help | --version]\n"
    "Besedka, a chat companion that talks in Russian and learns from what it cannot answer.\n"
    "\n"
    "Options:\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  Qt's own options, such as -platform NAME, are understood as well.\n"
    "\n"
    "Files:\n"
    "  Base/, Sound/, Images/\n"
    "      the knowledge base (Base/Words.Dat and the other line files), the sounds and the\n"
    "      pictures. The program works in the current folder when it holds Base/Words.Dat, else\n"
    "      in its data folder, which gets every shipped file it lacks at each start; the files\n"
    "      already there, and so all it has learned, are kept.\n"
    "  $XDG_DATA_HOME/besedka, else ~/.local/share/besedka\n"
    "      the data folder\n"
    "  share/besedka beside the program's bin/ folder\n"
    "      the shipped data; a program run from its build folder takes the source tree's data/\n"
    "  $XDG_CONFIG_HOME/besedka/besedka.conf, else ~/.config/besedka/besedka.conf\n"
    "      the colours, fonts, exchange settings and Speed Word kept between starts\n"
    "\n"
    "Environment:\n"
    "  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM\n"
    "      with none of them set the program talks in the terminal, through besedka-cli chat\n"
    "  XDG_DATA_HOME, XDG_CONFIG_HOME, HOME\n"
    "      where the data folder and the settings file are\n";

} // namespace

int main(int argc, char* argv[]) {
    // Answered before anything looks for a display, makes a data folder or opens a window.
    if (besedka::command_line::hasOption(argc, argv, {"--help", "-h"})) {
        std::fputs(kUsage, stdout);
        return 0;
    }
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
        const besedka::WorkingFolder folder(besedka::start_folder::prepareForThisProgram());
        window = std::make_unique<besedka::MainWindow>(random, clock, folder);
    } catch (const besedka::FileError& error) {
        // A working folder that cannot be made, or a sound that cannot be opened, stops start-up.
        besedka::MessageBox::showErrorAndWait(besedka::toQString(error.what()));
        return 1;
    }
    window->showCentred();
    return QApplication::exec();
}
