#include "symbols/IpaPadGeometry.h"

#include <cmath>

namespace {

/// The integer nearest to x, halves going to the even neighbour.
int Nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

constexpr int kRowStarts[4] = {1, 14, 26, 38};  // first key of each row

}  // namespace

IpaPadGeometry ComputeIpaPadGeometry(QSize frame)
{
    IpaPadGeometry g;
    const int h1 = Nearest(frame.height() / 3.0);
    const int h2 = Nearest(2.0 * frame.height() / 3.0);
    g.panel1 = QRect(0, 0, frame.width(), h1);
    g.panel2 = QRect(0, h1, frame.width(), h2);
    g.margin = g.panel1.width() / 40;
    g.keyPitch = Nearest((g.panel2.width() - 2.0 * g.margin) / 13.0);
    g.topMargin = h2 / 20;
    g.rowPitch = Nearest((h2 - 2.0 * g.topMargin) / 4.0);
    g.keyWidth = Nearest(0.95 * g.keyPitch);
    g.keyHeight = Nearest(0.96 * g.rowPitch);
    g.slotPitch = Nearest((g.panel1.width() - 2.0 * g.margin) / 10.0);
    g.slotWidth = Nearest(0.95 * g.slotPitch);
    g.slotHeight = Nearest(0.9 * Nearest(0.7 * h1));
    g.slotTop = Nearest(0.3 * h1);
    return g;
}

int IpaPadGeometry::RowOfKey(int key)
{
    int row = 3;
    while (row > 0 && key < kRowStarts[row])
        --row;
    return row;
}

int IpaPadGeometry::PlaceOfKey(int key)
{
    return key - kRowStarts[RowOfKey(key)];
}

QRect IpaPadGeometry::KeyRect(int key) const
{
    const int row = RowOfKey(key);
    const int offsets[4] = {0, keyPitch / 2, keyPitch * 7 / 10, keyPitch * 12 / 10};
    const int left = offsets[row] + margin + PlaceOfKey(key) * keyPitch + (keyPitch - keyWidth) / 2;
    const int top = topMargin + row * rowPitch + (rowPitch - keyHeight) / 2;
    return {left, top, keyWidth, keyHeight};
}

QRect IpaPadGeometry::SlotRect(int slot) const
{
    return {(slot - 1) * slotPitch + margin + (slotPitch - slotWidth) / 2, slotTop, slotWidth, slotHeight};
}

QRect IpaPadGeometry::LabelArea(int slot) const
{
    const QRect s = SlotRect(slot);
    return {s.left(), 0, s.width(), slotTop};
}
