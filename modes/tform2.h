#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

namespace besedka {

class TForm1;

// A spin box whose text is read as the number it shows, and as its minimum when it shows none.
class SpinEdit : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    int number() const;
};

// The editor window: the exchange file of the Cpu\Cpu mode and when it is read. Created once,
// hidden, and only shown and hidden afterwards, so its controls keep their values for the run.
class TForm2 : public QWidget {
public:
    explicit TForm2(TForm1& main);

    QFrame* Bevel1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr; // path of the exchange file
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RB1 = nullptr;   // read when the user presses Enter
    QRadioButton* RB2 = nullptr;   // read at every period
    SpinEdit* SpinEdit1 = nullptr; // the period
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr; // "Хорошо"
    QPushButton* Button2 = nullptr; // "Отмена"

    // The path and the period of the default settings, the period already in milliseconds.
    void restoreDefaults();

    void Button1Click();
    void Button2Click();
    void RB1Click();
    void RB2Click();
    void Edit1Change();
    void SpinEdit1Change();

protected:
    // The window manager's close acts as "Отмена", so the main window is never left disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void closeEditor();

    TForm1& main_;
};

} // namespace besedka
