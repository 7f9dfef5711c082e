#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

class TChart;
class QPrinter;
class QWidget;

// The chart leaving the program: picture files (PNG, JPEG, BMP), vector files
// (SVG, PDF), the clipboard (bitmap as image/png, vector as image/svg+xml),
// printing and the print preview. Pictures are drawn at the given size, or at
// the control's size when it has one.
class ChartExport
{
public:
    // Writes the chart in the format its extension names (png, jpg, jpeg, bmp,
    // svg, pdf, kcx). Throws TessaryError on other extensions and write errors.
    static void saveByExtension(TChart &chart, const QString &fileName, QSize size = QSize());
    static QStringList extensions();

    static void saveImage(TChart &chart, const QString &fileName, const char *format, QSize size);
    static QByteArray svg(TChart &chart, QSize size);
    static void saveSvg(TChart &chart, const QString &fileName, QSize size);
    static void savePdf(TChart &chart, const QString &fileName);

    static void copyBitmap(TChart &chart, QSize size = QSize());
    static void copySvg(TChart &chart, QSize size = QSize());

    // Draws the chart on the printer's page within the chart's print margins,
    // scaled by its print resolution.
    static void print(TChart &chart, QPrinter *printer);
    // The modal print preview (through the dialogs seam); printing happens from
    // there. Returns false when the user closed it without printing.
    static bool printPreview(TChart &chart, QWidget *parent);

    static QSize pictureSize(const TChart &chart, QSize size);
};
