// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"
#include "platform/core/paths.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace besedka {

// The About window: the picture, the version and, folded out below them, the history of
// "ReadMe.Txt". Created once, hidden; the main window's menu opens it and "Закрыть" hides it.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    // Heights of the window as the fold state: the upper panel alone, or both panels.
    static constexpr int kFoldedHeight = 179;
    static constexpr int kUnfoldedHeight = 327;

    // Loads the picture; a missing one is reported and the window goes on without it.
    // The picture and "ReadMe.Txt" are those of the working folder.
    AboutWindow(ControlStates& controlStates, const QFont& font, const WorkingFolder& folder);

    QFrame* upperPanel = nullptr;
    QFrame* pictureFrame = nullptr;
    QLabel* picture = nullptr;
    QLabel* versionLabel = nullptr;
    QPushButton* historyButton = nullptr; // "История"
    QPushButton* closeButton = nullptr;   // "Закрыть"
    QFrame* lowerPanel = nullptr;
    QPlainTextEdit* historyView = nullptr; // "ReadMe.Txt"

    // Folded, centred, over the disabled main window.
    void open();
    void toggleHistory();
    void dismiss();

    // The height as the window's outer height, title bar and frame included, of the desktop
    // the layout was made for: the fold arithmetic counts in it. The client area below the
    // title bar is what shows the panels.
    int outerHeight() const;
    void setOuterHeight(int height);

protected:
    // The window has no close box; a close from the keyboard or the desktop is "Закрыть", so
    // that the main window is never left disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();

    ControlStates& controlStates_;
    WorkingFolder folder_;
};

} // namespace besedka
