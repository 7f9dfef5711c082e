#pragma once

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRectF>
#include <QRegion>
#include <QTransform>

#include <memory>

class DiagramScene;

// Draws the diagram while it is small on screen, where the view would spend
// most of a frame walking thousands of items one paint call at a time. It
// goes through the scene's ordered lists instead: the links first, gathered by
// pen so that each pen draws all its lines in one call, then the blocks in
// fill (blocks only a few pixels wide as plain rectangles), then the labels
// tall enough to be read and the selection handles on top. What a frame needs of the items is
// gathered once per change of the diagram into plain arrays (a display list), so that a zoom step
// walks arrays rather than thousands of items spread over memory.
//
// The picture of the whole scene at the current zoom is kept once it has
// been shown twice unchanged (the second paint of the same picture is a
// scroll, a selection or a hover, not a zoom step), so that panning and
// selecting only copy pixels and draw handles; any change of the diagram or
// of the zoom drops it.
class DiagramOverview
{
public:
    // The view draws through the overview below this scale (50 %).
    static constexpr double MaxScale = 0.5;
    // Blocks smaller than this many device pixels are drawn as dots of their
    // colour (plain rectangles without border, at least two pixels wide).
    static constexpr double TinyBlockPixels = 4.0;
    // Labels whose lines are shorter than this many device pixels are left
    // out of the overview: below 5 pixels a line is a grey smear that cannot
    // be read, and thousands of them would cost most of a frame. (Items drawn
    // one by one keep labels down to 4 pixels, which matters only for the
    // smallest fonts at normal zooms.)
    static constexpr double MinLabelPixels = 5.0;
    // No picture is kept above this many pixels (about 32 MB), nor above
    // MaxCacheViews times the viewport's pixels: drawing a picture much
    // larger than the view would stall the first click or scroll, while
    // drawing the view directly stays within a frame.
    static constexpr qint64 MaxCachePixels = 8 * 1024 * 1024;
    static constexpr qint64 MaxCacheViews = 2;

    DiagramOverview();
    ~DiagramOverview();
    DiagramOverview(const DiagramOverview &) = delete;
    DiagramOverview &operator=(const DiagramOverview &) = delete;

    // Draws the items of scene that meet sceneRect as they look unselected,
    // on a painter whose world transform maps the scene to device pixels at
    // scale. Antialiasing is left off for lines and small blocks.
    void drawContent(QPainter *painter, const DiagramScene *scene, const QRectF &sceneRect,
                     double scale);
    // Draws the handles of the selected items that meet sceneRect.
    static void drawHandles(QPainter *painter, const DiagramScene *scene, const QRectF &sceneRect);

    // Paints the exposed region (device coordinates of the painter, which is
    // untransformed) of a view showing scene through viewTransform at scale,
    // on background.
    void paint(QPainter *painter, const DiagramScene *scene, const QTransform &viewTransform,
               const QRegion &exposedRegion, const QBrush &background, double scale,
               double pixelRatio);
    // Forgets the kept picture.
    void clear();
    bool hasPicture() const { return !m_picture.isNull(); }

private:
    struct DisplayList;
    // The display list of the scene as it is now, made again after a change.
    const DisplayList &displayList(const DiagramScene *scene);

    struct Key
    {
        quint64 generation = 0;
        double scale = 0;
        double pixelRatio = 0;
        QRectF sceneRect;
        bool operator==(const Key &other) const
        {
            return generation == other.generation && scale == other.scale &&
                   pixelRatio == other.pixelRatio && sceneRect == other.sceneRect;
        }
    };
    bool buildPicture(const DiagramScene *scene, const Key &key, const QBrush &background,
                      QPainter::RenderHints hints, const QSize &viewSize);

    std::unique_ptr<DisplayList> m_list;
    const DiagramScene *m_listScene = nullptr;
    quint64 m_listGeneration = 0;
    QImage m_picture;
    QPoint m_pictureOrigin; // zoomed scene coordinates of the picture's top left pixel
    Key m_pictureKey;
    Key m_lastKey; // of the last paint, kept or not
    bool m_lastKeyValid = false;
};
