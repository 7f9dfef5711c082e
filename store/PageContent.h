#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// What the report store and the command line ask of a page editor: write the
// content it shows into bytes, read content back, empty itself, make itself
// from a file, write itself to a file and draw itself. Each editor form
// implements it for its kind and registers with the store at start-up, so that
// neither the store nor tessary-cli includes editor headers or switches on kinds.
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

    // Extensions (lower case, without the dot) that saveToFile can write.
    virtual QStringList saveExtensions() const { return {}; }
    // Writes the shown content to fileName in the format its extension names.
    // Throws TessaryError on a format it does not write or a file it cannot write.
    virtual void saveToFile(const QString &fileName);
    // Draws the shown content as the editor shows it, at the given size in pixels.
    // The default draws nothing (a white picture).
    virtual QImage renderImage(const QSize &size);
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
