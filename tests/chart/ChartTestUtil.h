#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>

class TChart;

namespace ChartTestUtil {
// A chart of one bar series with the given values and labels.
void oneBarSeries(TChart &chart, const QList<double> &values, const QStringList &labels);
// A chart of several line (or bar) series over the same categories.
void manySeries(TChart &chart, int series, int categories, bool bars);
// True when a pixel within radius of (x, y) satisfies the test.
template <typename Test> bool pixelNear(const QImage &img, double x, double y, int radius, Test t)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int px = int(x) + dx, py = int(y) + dy;
            if (px >= 0 && py >= 0 && px < img.width() && py < img.height() &&
                t(img.pixelColor(px, py)))
                return true;
        }
    return false;
}
bool isPureBlue(const QColor &c);
bool isRed(const QColor &c);
} // namespace ChartTestUtil
