// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

namespace besedka {

// A spin box whose text is read as the number it shows, and as its minimum when it shows none.
class NumberSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    int number() const;
};

// The editor window: the exchange file of the Cpu\Cpu mode and when it is read. Created once,
// hidden, and only shown and hidden afterwards, so its controls keep their values for the run.
class ExchangeEditor : public QWidget {
public:
    // Any change of its fields takes the mark off the settings reset.
    ExchangeEditor(ControlStates& controlStates, QAction* resetSettingsAction, const QFont& font);

    QFrame* frame = nullptr;
    QGroupBox* pathGroup = nullptr;
    QLineEdit* pathEdit = nullptr;
    QGroupBox* readingGroup = nullptr;
    QRadioButton* readOnEnterButton = nullptr;
    QRadioButton* readByTimerButton = nullptr;
    NumberSpinBox* periodBox = nullptr;
    QLabel* secondsLabel = nullptr;
    QPushButton* okButton = nullptr;     // "Хорошо"
    QPushButton* cancelButton = nullptr; // "Отмена"

    // The path and the period of the default settings, the period already in milliseconds.
    void restoreDefaults();

    void confirm();
    void cancel();
    void disablePeriod();
    void enablePeriod();
    void takeOffResetMark();

protected:
    // The window manager's close acts as "Отмена", so the main window is never left disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void closeEditor();

    ControlStates& controlStates_;
    QAction* resetSettingsAction_;
};

} // namespace besedka
