#pragma once

#include <QPlainTextEdit>
#include <cstddef>

namespace tavrel {

// The Name box: a text box one or more whole lines tall, which a long name wraps in and the
// scroll bar moves through line by line, so that no line shows cut in half. It takes no more
// than the bytes a character file can hold of a text: typing or pasting stops there with a
// short hint, rather than the save refusing the name later.
class NameBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

    // The most UTF-8 bytes the box holds.
    void setByteLimit(std::size_t limit) { m_limit = limit; }
    std::size_t byteLimit() const { return m_limit; }

signals:
    // The box lost the focus: a run of typing has ended.
    void typingEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void fitWholeLines();
    // As much of `text` as fits in place of the selection, whole characters only; when that is
    // not all of it, the hint shows.
    QString fitting(const QString& text);

    std::size_t m_limit = 0;  // 0: no limit
};

}  // namespace tavrel
