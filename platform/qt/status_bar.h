// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

namespace besedka {

// The main window's status bar: three sunken text panels, 130 and 322 pixels wide, the third
// taking the rest.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPanels = 3;

    explicit StatusBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, kPanels> panels_{};
};

} // namespace besedka
