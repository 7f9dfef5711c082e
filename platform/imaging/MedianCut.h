#pragma once

#include <QImage>
#include <QVector>
#include <vector>

// Reduces a 24-bit picture to at most 256 colours by median cut: the colours
// (counted in a histogram of 5 bits per channel) are split, box by box, at
// the median of the box's longest side until there are as many boxes as
// colours wanted; each box's colour is the mean of its pixels, and every
// pixel takes the palette colour nearest to its histogram cell.
class MedianCut
{
public:
    // picture must be QImage::Format_RGB888. indices receives one palette
    // index per pixel, row by row; the palette has between 1 and maxColours entries.
    static void quantize(const QImage &picture, int maxColours, std::vector<uchar> &indices,
                         QVector<QRgb> &palette);
};
