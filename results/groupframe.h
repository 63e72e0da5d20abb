#pragma once

#include <QGroupBox>

namespace tavrel {

// A group box whose caption sits on its frame line. The window's controls are placed for that
// kind of frame; a style that puts the caption above the frame would draw the frame line through
// the first row of controls.
class GroupFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit GroupFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavrel
