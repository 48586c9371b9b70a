#include "compose/PadGeometry.h"

namespace {
int Trunc(double value)
{
    return static_cast<int>(value);
}
}  // namespace

PadGeometry ComputePadGeometry(QSize page)
{
    PadGeometry g;
    g.W = Trunc(page.width() / 12.5);
    g.H = Trunc(page.height() / 5.0);
    g.BW = Trunc(g.W * 0.95);
    g.BH = Trunc(g.H * 0.96);
    g.X0 = 2 * g.W;
    g.Y0 = Trunc(g.H * 0.8);
    return g;
}

int PadGeometry::RowOf(int listIndex)
{
    if (listIndex < 20)
        return listIndex / 5;
    // 20..27 fill special columns 1 and 2 of rows 0..3; 28..35 fill columns 3 and 4.
    return ((listIndex - 20) % 8) / 2;
}

int PadGeometry::ColumnOf(int listIndex)
{
    if (listIndex < 20)
        return listIndex % 5;
    const int pairColumn = listIndex % 2;  // even: first of the pair
    return listIndex < 28 ? 5 + pairColumn : 7 + pairColumn;
}

int PadGeometry::ColumnLeft(int column) const
{
    switch (column) {
    case 5: return Trunc(7.5 * W);
    case 6: return Trunc(7.5 * W) + W;
    case 7: return 10 * W;
    case 8: return 11 * W;
    default: return X0 + column * W;
    }
}

QRect PadGeometry::ButtonRect(int listIndex) const
{
    const int left = ColumnLeft(ColumnOf(listIndex)) + (W - BW) / 2;
    const int top = Y0 + RowOf(listIndex) * H + (H - BH) / 2;
    return {left, top, BW, BH};
}

QRect PadGeometry::TriggerBox(int row) const
{
    const int width = row == 2 ? Trunc(1.8 * BW) : BW;
    const int left = Trunc(0.5 * W) + (W - width) / 2;
    return {left, Y0 + row * H + (H - BH) / 2, width, BH};
}

QRect PadGeometry::TriggerLabelArea(int row) const
{
    return {0, Y0 + row * H, 2 * W, H};
}

QRect PadGeometry::HeadingArea() const
{
    return {0, Trunc(0.2 * H), 2 * W, Y0 - Trunc(0.2 * H)};
}

QRect PadGeometry::FollowUpLabelArea(int column) const
{
    return {ColumnLeft(column), Trunc(0.2 * H), W, Y0 - Trunc(0.2 * H)};
}

QRect PadGeometry::RowHighlight(int trigger) const
{
    const int tops[5] = {Trunc(0.8 * H), Trunc(1.8 * H), Trunc(2.8 * H), Trunc(2.8 * H), Trunc(3.8 * H)};
    int left = Trunc(1.75 * W);
    int width = Trunc(10.5 * W);
    if (trigger == 2) {
        width = Trunc(6.8 * W);
    } else if (trigger == 3) {
        left = Trunc(8.5 * W);
        width = Trunc(3.75 * W);
    }
    return {left, tops[trigger], width, H};
}
