// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/choosers.h"

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QWidget>

namespace besedka {

// The look of the windows at start and after the settings are reset: the grey of the windows and
// their fields, the font of the main window and of the lines of the transcript.
inline const QColor kSilver(192, 192, 192);
inline FontSpec defaultFont() {
    return {QStringLiteral("MS Sans Serif"), 8};
}
// The choosers of the user-line and system-line fonts: any size, but neither underline nor
// strike-out; the chooser of the input line's font: 8 points only.
inline constexpr FontChoice kLineFontChoice{.effects = false};
inline constexpr FontChoice kInputFontChoice{.smallestSize = 8, .largestSize = 8};

// The choosers of the appearance settings, each keeping what was last confirmed in it. The
// shared colour paints backgrounds, button captions, the input text and the idle remarks.
struct LookChoosers {
    ColorChooser sharedColor{Qt::black};
    ColorChooser userLineColor{Qt::black};
    ColorChooser systemLineColor{Qt::black};
    FontChooser userLineFont{defaultFont(), kLineFontChoice};
    FontChooser systemLineFont{defaultFont(), kLineFontChoice};
    FontChooser inputFont{defaultFont(), kInputFontChoice};
};

// Fills the control's background with the colour.
void paintBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// Colours the text of the control while it is enabled; disabled, it keeps the grey that says so.
void paintEnabledText(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// Draws the control, disabled, in the colours it has now when enabled.
void keepReadableWhileDisabled(QWidget* widget);
// The raised panel that holds a group of a window's controls.
QFrame* raisedPanel(QWidget* parent, const QRect& geometry);
// Puts the window in the middle of its screen, its frame and title bar taken to be of the outer
// size.
void centreOnDesktop(QWidget* window, QSize outerSize);
// The same with the frame the window has now: a window not shown yet has none.
void centreOnDesktop(QWidget* window);

} // namespace besedka
