// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/transcript_view.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace besedka {

namespace {

QTextBlockFormat centred() {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    return format;
}

int displayLinesOf(const QTextBlock& block) {
    return std::max(block.layout()->lineCount(), 1);
}

// The colour a line was given, kept beside the colour it is drawn in.
constexpr int kChosenColor = QTextFormat::UserProperty;

// Below this contrast a line all but vanishes: white on white, yellow on white, silver on grey.
// The teal notices on the silver background stand at about 2.6.
constexpr double kLeastReadableContrast = 1.5;

// Relative luminance, from which the contrast of text on its background is measured.
double luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double contrast(const QColor& one, const QColor& other) {
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& background, const QColor& color) {
    if (contrast(color, background) >= kLeastReadableContrast)
        return color;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

} // namespace

TranscriptView::TranscriptView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A scroll bar that came and went would re-wrap the lines, and their count with them.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TranscriptView::setLineColor(const QColor& color) {
    lineFormat_.setForeground(color);
}

void TranscriptView::setLineFont(const FontSpec& font) {
    lineFormat_.setFontFamilies({font.name});
    lineFormat_.setFontPointSize(font.pointSize);
    lineFormat_.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    lineFormat_.setFontItalic(font.italic);
    lineFormat_.setFontUnderline(font.underline);
    lineFormat_.setFontStrikeOut(font.strikeOut);
}

QColor TranscriptView::lineColor() const {
    return lineFormat_.foreground().color();
}

FontSpec TranscriptView::lineFont() const {
    return {lineFormat_.fontFamilies().toStringList().value(0),
            static_cast<int>(lineFormat_.fontPointSize()),
            lineFormat_.fontWeight() >= QFont::Bold,
            lineFormat_.fontItalic(),
            lineFormat_.fontUnderline(),
            lineFormat_.fontStrikeOut()};
}

void TranscriptView::appendLine(const QString& text) {
    QTextCharFormat format = lineFormat_;
    format.setProperty(kChosenColor, lineColor());
    format.setForeground(readableOn(background(), lineColor()));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (hasLines_)
        cursor.insertBlock(centred(), format);
    else
        cursor.setBlockFormat(centred());
    cursor.insertText(text, format);
    hasLines_ = true;
    scrollToEnd();
}

QColor TranscriptView::background() const {
    return palette().color(QPalette::Active, QPalette::Base);
}

void TranscriptView::changeEvent(QEvent* event) {
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        redrawReadable();
}

// Each run of text in the colour its chosen one reads in on the background now.
void TranscriptView::redrawReadable() {
    struct Run {
        int start;
        int end;
        QColor drawn;
    };
    QList<Run> runs;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QVariant chosen = fragment.charFormat().property(kChosenColor);
            const QColor drawn = readableOn(background(), chosen.value<QColor>());
            if (chosen.isValid() && drawn != fragment.charFormat().foreground().color())
                runs.append({fragment.position(), fragment.position() + fragment.length(), drawn});
        }
    }
    // Changing a run may merge it with its neighbours, so the runs are found first.
    QTextCursor cursor(document());
    for (const Run& run : std::as_const(runs)) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(run.drawn);
        cursor.mergeCharFormat(format);
    }
}

void TranscriptView::layOutAll() const {
    document()->documentLayout()->blockBoundingRect(document()->lastBlock());
}

int TranscriptView::lineCount() const {
    if (!hasLines_)
        return 0;
    layOutAll();
    int count = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        count += displayLinesOf(block);
    return count;
}

QString TranscriptView::lineAt(int index) const {
    if (!hasLines_ || index < 0)
        return {};
    layOutAll();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int lines = displayLinesOf(block);
        if (index < lines) {
            const QTextLine line = block.layout()->lineAt(index);
            return line.isValid() ? block.text().mid(line.textStart(), line.textLength())
                                  : block.text();
        }
        index -= lines;
    }
    return {};
}

void TranscriptView::deleteLastLine() {
    if (!hasLines_)
        return;
    layOutAll();
    const QTextBlock last = document()->lastBlock();
    const int lines = displayLinesOf(last);
    QTextCursor cursor(document());
    if (lines > 1) {
        cursor.setPosition(last.position() + last.layout()->lineAt(lines - 1).textStart());
    } else if (last.previous().isValid()) {
        // The paragraph goes together with the break that opened it.
        cursor.setPosition(last.position() - 1);
    } else {
        clearLines();
        return;
    }
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TranscriptView::clearLines() {
    clear();
    hasLines_ = false;
}

void TranscriptView::keyPressEvent(QKeyEvent* event) {
    const bool typing = !event->text().isEmpty() && event->text().front().isPrint() &&
                        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (typing && typingTarget_ != nullptr) {
        typingTarget_->setFocus();
        QCoreApplication::sendEvent(typingTarget_, event);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TranscriptView::scrollToEnd() {
    layOutAll();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

} // namespace besedka
