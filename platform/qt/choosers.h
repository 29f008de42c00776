#pragma once

#include "platform/qt/transcript_view.h"

#include <QColor>

namespace besedka {

// A colour chooser keeps the colour last confirmed in it; the program reads it when it draws.
class ColorChooser {
public:
    explicit ColorChooser(const QColor& initial) : color_(initial) {}
    const QColor& color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }

private:
    QColor color_;
};

// A font chooser keeps the font last confirmed in it.
class FontChooser {
public:
    explicit FontChooser(FontSpec initial) : font_(std::move(initial)) {}
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& font) { font_ = font; }

private:
    FontSpec font_;
};

} // namespace besedka
