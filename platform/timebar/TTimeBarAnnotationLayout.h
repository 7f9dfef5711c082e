#pragma once

#include <QVector>

// Packs the annotation boxes of one side of the bar into levels so that no two
// boxes overlap and no connector line runs through a box.
//
// A box hangs like a flag from its connector: its left edge is the event's x,
// and the connector runs from the bar to the box through the levels below it.
// The boxes are placed from right to left. Every box already placed starts at
// or right of the new box's connector, so that connector is always free; the
// new box only has to clear those already placed that start below its right
// end (plus the gap): it goes one level above the highest of them (the
// skyline over its width). A run of close events thus becomes a staircase
// that descends to the right. When the skyline is higher than the capacity,
// the box takes the lowest level where it fits beside the boxes of that level
// (connectors further right then pass behind it); a box that fits nowhere is
// not shown and takes no room. The work per box is bounded by the boxes
// within one box width, so a layout is about linear in the number of events.
class TTimeBarAnnotationLayout
{
public:
    struct Item
    {
        double x = 0;  // the connector's column, in any pixel frame shared by all items
        int width = 0; // the box's width in pixels
    };

    // Levels (0 = next to the bar) for items sorted by x; -1 for a box not shown.
    static QVector<int> Place(const QVector<Item> &items, int capacity, double gap);
};
