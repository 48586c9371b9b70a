#pragma once

#include <QRect>
#include <QSize>

/// Where the parts of a phonetic pad go for one frame size: the slot band on top (a third of
/// the height) and the four staggered key rows below.
struct IpaPadGeometry {
    QRect panel1;  ///< the choice band
    QRect panel2;  ///< the keys, in frame coordinates
    int margin = 0, keyPitch = 0, topMargin = 0, rowPitch = 0, keyWidth = 0, keyHeight = 0;
    int slotPitch = 0, slotWidth = 0, slotHeight = 0, slotTop = 0;

    /// Key 1..48 in panel2's coordinates.
    QRect KeyRect(int key) const;
    /// Slot 1..10 in panel1's coordinates.
    QRect SlotRect(int slot) const;
    /// The band above slot 1..10 its digit label is centred in, in panel1's coordinates.
    QRect LabelArea(int slot) const;

    /// Row 0..3 and place in the row of key 1..48.
    static int RowOfKey(int key);
    static int PlaceOfKey(int key);
};

IpaPadGeometry ComputeIpaPadGeometry(QSize frame);
