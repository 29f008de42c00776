// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

namespace besedka {

// A spin box whose text is read as the number it shows, and as its minimum when it shows none.
class NumberSpinBox : public QSpinBox {
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;
    int number() const;
};

// The exchange file of the Cpu\Cpu mode and when it is read, as the poll and the turn use them.
struct ExchangeSettings {
    QString path;
    bool readByTimer = false;
    int periodMs = 1;

    bool operator==(const ExchangeSettings&) const = default;
};

// The longest period of the exchange poll, in milliseconds. The editor's box takes the same number
// in seconds, and a period typed longer is cut to it.
inline constexpr int kLongestExchangePeriodMs = 36000;

// The editor window of the exchange settings. Its fields are a draft: they show the settings in
// force when it opens, and only "Хорошо" puts what they hold in force, so that a value half typed,
// or a window left with "Отмена", never drives the poll. Created once, hidden, and only shown and
// hidden afterwards.
class ExchangeEditor : public QWidget {
    Q_OBJECT

public:
    // A change of the path or the period in force takes the mark off the settings reset.
    ExchangeEditor(ControlStates& controlStates, QAction* resetSettingsAction, const QFont& font);

    const ExchangeSettings& settings() const { return settings_; }
    void putInForce(const ExchangeSettings& settings);
    // The path and the period of the default settings; the trigger stays.
    void restoreDefaults();

    // Shows the window with the settings in force in its fields.
    void open();
    void confirm();
    void cancel();
    void disablePeriod();
    void enablePeriod();

signals:
    // "Хорошо" put the fields in force, whether or not they changed anything.
    void confirmed();

protected:
    // The window manager's close acts as "Отмена", so the main window is never left disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void showSettingsInForce();
    ExchangeSettings settingsInFields() const;
    void closeEditor();

    ControlStates& controlStates_;
    QAction* resetSettingsAction_;
    ExchangeSettings settings_;
    QLineEdit* pathEdit_ = nullptr;
    QRadioButton* readOnEnterButton_ = nullptr;
    QRadioButton* readByTimerButton_ = nullptr;
    NumberSpinBox* periodBox_ = nullptr;
    QPushButton* okButton_ = nullptr;     // "Хорошо"
    QPushButton* cancelButton_ = nullptr; // "Отмена"
};

} // namespace besedka
