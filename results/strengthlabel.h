#pragma once

#include <QLabel>

namespace tavrel {

// The strength row's label, "STR:       " or "STR:       /". Its blanks run under the strength
// field, and the slash must show in the gap between that field and the exceptional-strength
// field, so that the pair reads as 18/52. The blanks' width depends on the font, so the slash is
// drawn at its place in the gap rather than where the blanks would put it.
class StrengthLabel : public QLabel {
    Q_OBJECT
public:
    explicit StrengthLabel(QWidget* parent = nullptr);

    // Where the slash is centred, in the parent's coordinates.
    void setSlashCentre(int centre) { m_slashCentre = centre; }

    // For a window enlarged by `factor`: the slash's place in the gap moves with the fields.
    void scale(qreal factor) { m_slashCentre = qRound(m_slashCentre * factor); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_slashCentre = 0;  // in the parent's coordinates
};

}  // namespace tavrel
