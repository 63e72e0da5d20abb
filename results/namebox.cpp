#include "namebox.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace tavrel {

NameBox::NameBox(QWidget* parent) : QPlainTextEdit(parent) {
    // Lines start at the top of the text area only without a document margin; the space around
    // the text comes from the margins of the text area instead, which scrolling leaves alone.
    document()->setDocumentMargin(0);
    // The margins show the box's own background, not the window's.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void NameBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    fitWholeLines();
}

void NameBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitWholeLines();
    }
}

void NameBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit typingEnded();
}

// The text area is made a whole number of lines tall, at least one, and the height left over is
// shared above and below it.
void NameBox::fitWholeLines() {
    const int line = static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing()));
    const int room = height() - 2 * frameWidth();
    const int lines = std::max(1, room / std::max(line, 1));
    const int spare = std::max(0, room - lines * line);
    const int inset = fontMetrics().averageCharWidth() / 3;
    setViewportMargins(inset, spare / 2, 0, spare - spare / 2);
}

QString NameBox::fitting(const QString& text) {
    if (m_limit == 0) {
        return text;
    }
    // Text typed over the selection replaces it, so the selection's bytes are free.
    const qsizetype kept =
        toPlainText().toUtf8().size() - textCursor().selection().toPlainText().toUtf8().size();
    qsizetype room = static_cast<qsizetype>(m_limit) - kept;
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype width =
            end + 1 < text.size() && text[end].isHighSurrogate() && text[end + 1].isLowSurrogate()
                ? 2
                : 1;
        room -= QStringView(text).mid(end, width).toUtf8().size();
        if (room < 0) {
            break;
        }
        end += width;
    }
    if (end < text.size()) {
        QToolTip::showText(mapToGlobal(cursorRect().bottomLeft()),
                           tr("A name holds at most %1 bytes").arg(m_limit), this);
    }
    return text.left(end);
}

void NameBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // As the text box decides it: a key with Ctrl alone is a command, never typed text.
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
    const bool inserts =
        !command && !text.isEmpty() && (text.at(0).isPrint() || text == QStringLiteral("\r"));
    if (inserts && fitting(text).size() < text.size()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NameBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString fits = fitting(commit);
    if (fits.size() == commit.size()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent shortened(event->preeditString(), event->attributes());
    shortened.setCommitString(fits, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&shortened);
}

void NameBox::insertFromMimeData(const QMimeData* source) {
    if (m_limit == 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Only the text is taken, as a plain text box does.
    insertPlainText(fitting(source->text()));
}

}  // namespace tavrel
