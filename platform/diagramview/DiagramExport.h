#pragma once

#include <QByteArray>
#include <QImage>

class DiagramScene;
class QPainter;
class QPrinter;

// Draws the whole diagram of a scene, without selection handles, on white:
// into bitmaps, SVG and printers.
class DiagramExport
{
public:
    // Margin around the diagram in diagram units.
    static constexpr double Margin = 10;
    // Longest side of a bitmap; larger diagrams are drawn smaller.
    static constexpr int MaxBitmapSide = 16000;

    static QImage toBitmap(DiagramScene *scene, double scale);
    static QImage toImage(DiagramScene *scene, const QSize &size);
    static QByteArray toSvg(DiagramScene *scene);
    static void print(DiagramScene *scene, QPrinter *printer);

private:
    // Draws the diagram's rectangle (plus margin) into target on painter.
    static void render(DiagramScene *scene, QPainter *painter, const QRectF &target);
};
