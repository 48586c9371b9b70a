#pragma once

#include <QRect>
#include <QSize>

#include <array>

/// Where every element of a letter pad goes for one page size. Rows: 0 "[", 1 "]", 2 "^ / ~",
/// 3 "\". Columns: 0..4 the vowels a e i o u, 5..8 the four special columns.
struct PadGeometry {
    int W = 0;   ///< cell width
    int H = 0;   ///< cell height
    int BW = 0;  ///< button width
    int BH = 0;  ///< button height
    int X0 = 0;  ///< left of the first vowel cell
    int Y0 = 0;  ///< top of the first row

    /// The cell left of a column (0..8).
    int ColumnLeft(int column) const;
    /// The button of list index 0..35 (the same on both pages).
    QRect ButtonRect(int listIndex) const;
    /// The trigger box of a row.
    QRect TriggerBox(int row) const;
    /// The area a trigger box's label is centred in.
    QRect TriggerLabelArea(int row) const;
    /// The area the "Trigger" heading is centred in.
    QRect HeadingArea() const;
    /// The area a follow-up key label over a column (0..8) is centred in.
    QRect FollowUpLabelArea(int column) const;
    /// The row highlight of a trigger: 0 "[", 1 "]", 2 "^", 3 "~", 4 "\".
    QRect RowHighlight(int trigger) const;

    /// Row and column of a list index.
    static int RowOf(int listIndex);
    static int ColumnOf(int listIndex);
};

PadGeometry ComputePadGeometry(QSize page);
