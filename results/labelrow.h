#pragma once

#include <QFont>
#include <vector>

class QLabel;

namespace tavrel {

// Labels that grow with their text and share one row of a parent. The window was laid out for
// a narrower font than most platforms have, so a label keeps its designed left edge while there
// is room, moves right when the label before it has grown into it, and moves left when it would
// run past the row's right edge. Only when the texts cannot stand side by side at all does the
// row's font step down, so no text is ever clipped or drawn over another.
class LabelRow {
public:
    // `right` is the first pixel the row must not reach (the parent's edge or the next control).
    explicit LabelRow(int right, int gap = 4) : m_right(right), m_gap(gap) {}

    // Labels are added left to right, each where the form placed it: that is its designed left
    // edge.
    void add(QLabel* label);
    void relayout();
    // For a window enlarged by `factor`: the designed edges and the gap grow with it. The labels'
    // fonts are the enlarged window's already.
    void scale(qreal factor);

    int right() const { return m_right; }

private:
    struct Entry {
        QLabel* label;
        int designX;
        QFont font;
    };
    // Left edges for the labels' current widths; false when they do not fit.
    bool place(std::vector<int>& xs) const;

    std::vector<Entry> m_entries;
    int m_right;
    int m_gap;
    qreal m_scale = 1.0;
};

}  // namespace tavrel
