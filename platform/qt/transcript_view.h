// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/font_spec.h"

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextEdit>

namespace besedka {

// The transcript: a read-only rich-text view with word wrap and centred paragraphs. Its lines
// are the display lines the user sees, so a long line wrapped in two counts as two. A line whose
// colour is lost on the background (white on white) is drawn in black or white, whichever reads;
// it takes its own colour again when the background changes so that it can.
class TranscriptView : public QTextEdit {
    Q_OBJECT

public:
    explicit TranscriptView(QWidget* parent = nullptr);

    // The attributes the next appended line is drawn with, the colour as chosen.
    void setLineColor(const QColor& color);
    void setLineFont(const FontSpec& font);
    QColor lineColor() const;
    FontSpec lineFont() const;

    // Appends one paragraph with the current attributes.
    void appendLine(const QString& text);
    int lineCount() const;
    // Cheaper than counting, for a check made at every tick.
    bool hasLines() const { return hasLines_; }
    // The display line at index; an index outside the transcript reads as the empty line.
    QString lineAt(int index) const;
    // Deleting the last line of an empty transcript does nothing.
    void deleteLastLine();
    void clearLines();

    // Where typing goes when the transcript has the focus: someone who clicked into it to copy
    // a line and types on expects the phrase in the input line. Copy and select-all stay here.
    void setTypingTarget(QWidget* target) { typingTarget_ = target; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor background() const;
    void redrawReadable();
    void layOutAll() const;
    void scrollToEnd();

    QTextCharFormat lineFormat_;
    // An empty document still holds one empty paragraph; this tells it from an empty line.
    bool hasLines_ = false;
    QWidget* typingTarget_ = nullptr;
};

} // namespace besedka
