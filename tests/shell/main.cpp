// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QString>
#include <gtest/gtest.h>

namespace {

// Chatter of the headless test machine (no sound device, no window manager), not of the program.
bool isEnvironmentNoise(const QString& message) {
    return message == QLatin1String("No audio device detected") ||
           message == QLatin1String("This plugin does not support propagateSizeHints()") ||
           message == QLatin1String("This plugin does not support raise()");
}

QtMessageHandler standardHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (!isEnvironmentNoise(message))
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display; running them needs the application object.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    standardHandler = qInstallMessageHandler(quietMessageHandler);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
