#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

class PageEditors;
class TDM;

// What the export shows while it runs: the position in the tree out of the
// tree's last position, the page's title, and the colour of that text.
struct HtmlExportProgress
{
    int value = 0;
    int maximum = 0;
    QString text;
    QColor textColour;
};

// Writes the report, or its ticked pages, as one HTML file F with a folder of
// pictures beside it (F without its extension, then "_files"). Every page is
// loaded from the store into its editor and rendered there: documents by the
// word processor's HTML, tables by the grid's HTML, charts as JPEG pictures
// named "CHART" + absolute index + ".JPG", picture pages as files named
// "CHART" + absolute index + ".BMP". Timelines, diagrams and word clouds are
// not written. The program and tessary-cli share this code; the caller shows
// the progress and may cancel. Afterwards the editors hold the last exported
// page, so a caller with a window shows its page again.
class HtmlExport
{
public:
    struct Result
    {
        bool written = false;   // F was written
        bool cancelled = false; // the export stopped at the caller's request
        int pages = 0;          // pages written into F
        // Pages left out because their content could not be read or
        // rendered, as "title (page id): reason".
        QStringList failed;
        // Picture files written (full paths).
        QStringList pictures;
        // A message naming the pages left out (empty when there are none).
        QString problems() const;
    };

    // Editors the store has not registered yet are taken from editors.
    explicit HtmlExport(TDM &store, PageEditors *editors = nullptr);

    // Whether the node at an absolute index is to be exported (unset: all).
    std::function<bool(int absoluteIndex)> isTicked;
    // Called once for every ticked node before it is exported.
    std::function<void(const HtmlExportProgress &)> onProgress;
    // Asked after every progress call; true stops the export (F is not written).
    std::function<bool()> isCancelled;

    // Throws TessaryError when the picture folder cannot be made or F cannot
    // be written; a page that cannot be read or rendered is left out and
    // named in the result.
    Result CreateHTML(const QString &F);

    // Replaces the first occurrence of search by replacement again and again
    // until there is none, or once only when replacement contains search.
    static QString replaceRepeatedly(QString text, const QString &search,
                                     const QString &replacement);
    // The text with every character outside ASCII written as a numeric
    // character reference, so that the file reads the same in any encoding.
    static QString asciiHtml(const QString &text);

private:
    TDM &m_store;
    PageEditors *m_editors;
};
