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
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (hasLines_)
        cursor.insertBlock(centred(), lineFormat_);
    else
        cursor.setBlockFormat(centred());
    cursor.insertText(text, lineFormat_);
    hasLines_ = true;
    scrollToEnd();
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
