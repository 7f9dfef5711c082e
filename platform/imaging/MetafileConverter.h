#pragma once

#include <QImage>
#include <QString>

// Windows metafiles (".wmf", ".emf") have no decoder on this platform; they are
// rendered by LibreOffice, run headless as a child process
// (`soffice --convert-to png`) with a profile folder of its own, so that it
// neither disturbs nor waits for a LibreOffice the user has open. Without
// LibreOffice the reader says which package to install.
class MetafileConverter
{
public:
    // True for a file name ending in ".wmf" or ".emf" (any case).
    static bool isMetafile(const QString &fileName);

    // The metafile drawn as a picture (as LibreOffice exports it; transparent
    // parts stay transparent). Throws TessaryError when LibreOffice is missing,
    // fails, or takes longer than the time-out.
    static QImage render(const QString &fileName);
    // The picture cut to its drawing: LibreOffice places a metafile on a whole
    // page, so the rows and columns at the edges that hold only the page's
    // colour (the colour of the top-left pixel) go. A picture of one colour
    // is returned as it is.
    static QImage cropToDrawing(const QImage &page);

    // The converter program: the one set with setProgram, else "soffice" or
    // "libreoffice" found on the search path; empty when there is none.
    static QString program();
    // Uses path as the converter program (an empty path looks it up again).
    static void setProgram(const QString &path);
    // Time allowed for one conversion, in milliseconds (default 120 s: the
    // first start of a new profile is slow).
    static void setTimeout(int milliseconds);
    static int timeout();
};
