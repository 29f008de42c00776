#pragma once

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace besedka {

class TForm1;

// The About window: the picture, the version and, folded out below them, the history of
// "ReadMe.Txt". Created once, hidden; the main window shows it and "Закрыть" hides it.
class TForm3 : public QWidget {
public:
    // Heights of the window as the fold state: the upper panel alone, or both panels.
    static constexpr int kFoldedHeight = 179;
    static constexpr int kUnfoldedHeight = 327;

    // Loads the picture; a missing one is reported and the window goes on without it.
    explicit TForm3(TForm1& main);

    QFrame* Panel1 = nullptr;        // upper panel
    QFrame* Bevel1 = nullptr;        // frame around the picture
    QLabel* Inform = nullptr;        // the picture
    QLabel* Label1 = nullptr;        // the version
    QPushButton* Button1 = nullptr;  // "История"
    QPushButton* Button2 = nullptr;  // "Закрыть"
    QFrame* Panel2 = nullptr;        // lower panel
    QPlainTextEdit* Memo1 = nullptr; // "ReadMe.Txt"

    void FormCreate();
    void Button1Click();
    void Button2Click();

    // The height as the window's outer height, title bar and frame included, of the desktop
    // the layout was made for: the fold arithmetic counts in it. The client area below the
    // title bar is what shows the panels.
    int outerHeight() const;
    void setOuterHeight(int height);

    void centreOnDesktop();

protected:
    // The window has no close box; a close from the keyboard or the desktop is "Закрыть", so
    // that the main window is never left disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();

    TForm1& main_;
};

} // namespace besedka
