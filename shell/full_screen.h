// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/transcript_view.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace besedka {

// Full screen: the main window maximised, the transcript and the input row stretched with it; the
// command, "Normal" meanwhile, puts back the fixed window and its layout.
class FullScreen {
public:
    struct Controls {
        QMainWindow* window;
        QFrame* transcriptFrame;
        TranscriptView* transcript;
        QFrame* inputFrame;
        QLineEdit* inputLine;
        QPushButton* undoButton;
        QPushButton* layoutButton;
        QPushButton* sayButton;
        QAction* fullScreenAction; // checked at full screen
    };

    explicit FullScreen(Controls controls);

    void toggleFullScreen();
    // The platform maximises the window after the command, in one or more steps; the controls
    // follow each.
    void followWindowSize();

private:
    void layOutFullScreen();

    Controls controls_;
};

} // namespace besedka
