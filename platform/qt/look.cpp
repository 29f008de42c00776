// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/look.h"

#include <QScreen>

namespace besedka {

void paintBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintEnabledText(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    widget->setPalette(palette);
}

void keepReadableWhileDisabled(QWidget* widget) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::Base})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    widget->setPalette(palette);
}

QFrame* raisedPanel(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(geometry);
    return frame;
}

void centreOnDesktop(QWidget* window, QSize outerSize) {
    const QRect desktop = window->screen()->geometry();
    window->move(desktop.x() + (desktop.width() - outerSize.width()) / 2,
                 desktop.y() + (desktop.height() - outerSize.height()) / 2);
}

void centreOnDesktop(QWidget* window) {
    centreOnDesktop(window, window->frameGeometry().size());
}

} // namespace besedka
