#pragma once

#include <QLabel>

namespace tavrel {

// A label that acts as a link: a left click inside it, or Space or Enter while it has the
// keyboard focus, activates it. Tab reaches it, and it marks the focus with the style's focus
// frame. Screen readers see it as a link that can be pressed, named by its text and described
// by its tool tip.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavrel
