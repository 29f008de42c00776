// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/status_bar.h"

#include <QResizeEvent>

namespace besedka {

namespace {

constexpr std::array<int, StatusBar::kPanels - 1> kFixedWidths = {130, 322};

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    for (QLabel*& panel : panels_) {
        panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
    }
}

QString StatusBar::panelText(int panel) const {
    return panels_.at(panel)->text();
}

void StatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(panel)->setText(text);
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    int left = 0;
    for (int i = 0; i < kPanels; ++i) {
        const bool last = i == kPanels - 1;
        const int width = last ? std::max(event->size().width() - left, 0) : kFixedWidths.at(i);
        panels_.at(i)->setGeometry(left, 0, width, event->size().height());
        left += width;
    }
}

} // namespace besedka
