// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/full_screen.h"

namespace besedka {

FullScreen::FullScreen(Controls controls) : controls_(controls) {}

void FullScreen::toggleFullScreen() {
    QMainWindow& window = *controls_.window;
    QAction* command = controls_.fullScreenAction;
    if (!command->isChecked()) {
        command->setChecked(true);
        command->setText(QStringLiteral("Normal"));
        // A window of fixed size cannot be maximised.
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.showMaximized();
        layOutFullScreen();
        return;
    }
    command->setChecked(false);
    command->setText(QStringLiteral("Full Screen"));
    const QRect normal = window.normalGeometry();
    window.showNormal();
    window.setFixedSize(normal.size());
    // Back where it was, too: the desktop may not put it back by itself.
    window.setGeometry(normal);
    const Controls& controls = controls_;
    controls.transcriptFrame->resize(588, 313);
    controls.transcript->resize(581, 305);
    controls.inputFrame->setGeometry(controls.inputFrame->x(), 312, 585,
                                     controls.inputFrame->height());
    controls.sayButton->move(496, controls.sayButton->y());
    controls.layoutButton->move(453, controls.layoutButton->y());
    controls.undoButton->move(426, controls.undoButton->y());
    controls.inputLine->resize(422, controls.inputLine->height());
}

void FullScreen::followWindowSize() {
    if (controls_.fullScreenAction->isChecked() && controls_.window->isMaximized())
        layOutFullScreen();
}

// The offsets are from the window's outer size, as the maximised window has it.
void FullScreen::layOutFullScreen() {
    const Controls& controls = controls_;
    const int w = controls.window->frameGeometry().width();
    const int h = controls.window->frameGeometry().height();
    controls.transcriptFrame->resize(w - 4, h - 92);
    controls.transcript->resize(w - 11, h - 101);
    controls.inputFrame->setGeometry(controls.inputFrame->x(), h - 93, w - 5,
                                     controls.inputFrame->height());
    controls.sayButton->move(w - 93, controls.sayButton->y());
    controls.layoutButton->move(w - 136, controls.layoutButton->y());
    controls.undoButton->move(w - 163, controls.undoButton->y());
    controls.inputLine->resize(w - 167, controls.inputLine->height());
}

} // namespace besedka
