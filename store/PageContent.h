#pragma once

#include <QByteArray>
#include <QString>

// What the report store asks of a page editor: write the content it shows into
// bytes, read content back, and empty itself. Each editor form implements it for
// its kind and registers with the store at start-up, so that the store never
// includes editor headers.
class PageContent
{
public:
    virtual ~PageContent() = default;

    // The whole content as its stored form.
    virtual QByteArray saveContent() = 0;
    // Shows the stored form; pageInfo is the row's PageInfo. Throws TessaryError
    // when the bytes are not a stored form the editor understands.
    virtual void loadContent(const QByteArray &bytes, const QString &pageInfo) = 0;
    // Shows an empty page.
    virtual void clearContent() = 0;
    // Fills the editor from a file on disk (a new page made from a file). The
    // default has no file support; editors that import files override it.
    virtual void loadFile(const QString &fileName);
};

// The editor slots of the store: one editor serves each group of page kinds.
enum class EditorSlot
{
    Document,
    Table,
    Chart,
    Picture,
    Timeline,
    Diagram,
    WordCloud,
    None
};

// The slot whose editor shows pages of a kind (None for root, folders, 4 and 9).
EditorSlot editorSlotForKind(int kind);
