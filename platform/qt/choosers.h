// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/font_spec.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <deque>
#include <optional>

class QWidget;

namespace besedka {

// A colour chooser keeps the colour last confirmed in it; the program reads it when it draws.
class ColorChooser {
public:
    explicit ColorChooser(const QColor& initial) : color_(initial) {}
    const QColor& color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }

    // Opens the colour dialog showing the kept colour and keeps the user's choice only when
    // confirmed. The dialog is modal; timers go on while it is open.
    bool execute(QWidget* parent);

private:
    QColor color_;
};

// The sizes and effects a font chooser offers.
struct FontChoice {
    int smallestSize = 1;
    int largestSize = 1638;
    bool effects = true; // underline and strike-out
};

// A font chooser keeps the font last confirmed in it.
class FontChooser {
public:
    explicit FontChooser(FontSpec initial, FontChoice choice = {})
        : font_(std::move(initial)), choice_(choice) {}
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& font) { font_ = font; }

    // As ColorChooser::execute. A size outside the offered ones cannot be chosen, and effects
    // that are not offered keep their kept values.
    bool execute(QWidget* parent);

private:
    FontSpec limited(FontSpec chosen) const;

    FontSpec font_;
    FontChoice choice_;
};

// The name, size and style of a font, and the style put on one.
FontSpec fontSpecOf(const QFont& font);
void applyStyle(QFont& font, const FontSpec& style);

// The font a font dialog opens on to show `shown`: the installed font that stands in for it, in
// its style.
QFont dialogFont(const FontSpec& shown);

// While ChooserAnswers live, choosers open no dialog: each opening records what it showed and
// takes the next answer given for its kind, or is cancelled when none is left.
class ChooserAnswers {
public:
    ChooserAnswers();
    ~ChooserAnswers();
    ChooserAnswers(const ChooserAnswers&) = delete;
    ChooserAnswers& operator=(const ChooserAnswers&) = delete;

    void confirmColor(const QColor& color) { colorAnswers_.emplace_back(color); }
    void cancelColor() { colorAnswers_.emplace_back(); }
    void confirmFont(const FontSpec& font) { fontAnswers_.emplace_back(font); }
    void cancelFont() { fontAnswers_.emplace_back(); }

    // What each chooser showed when it opened, in order.
    const QList<QColor>& colorsShown() const { return colorsShown_; }
    const QList<FontSpec>& fontsShown() const { return fontsShown_; }

private:
    friend class ColorChooser;
    friend class FontChooser;
    std::optional<QColor> answerColor(const QColor& shown);
    std::optional<FontSpec> answerFont(const FontSpec& shown);

    std::deque<std::optional<QColor>> colorAnswers_;
    std::deque<std::optional<FontSpec>> fontAnswers_;
    QList<QColor> colorsShown_;
    QList<FontSpec> fontsShown_;

    static ChooserAnswers* current_;
};

} // namespace besedka
