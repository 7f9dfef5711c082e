#pragma once

#include "store/PageContent.h"

#include <QString>
#include <memory>
#include <optional>

class PageEditors;
class TDM;

// A report worked on through the program's own store, without a window: TDM
// with a plain host and the engine its address calls for (a file or a
// server), and the page editors, each made and
// registered with the store when a page of its kind first needs it. What the
// import, save and render commands do therefore goes through exactly the code
// the program runs.
class HeadlessReport
{
public:
    HeadlessReport();
    ~HeadlessReport();
    HeadlessReport(const HeadlessReport &) = delete;
    HeadlessReport &operator=(const HeadlessReport &) = delete;

    // Opens the report (throws TessaryError with a one-line message when the
    // file is missing or is not a report). A writable open places the rows no
    // node shows yet, as the program does; an intake signal that was waiting
    // is left for the running program.
    void open(const QString &path, bool readOnly);
    // Stores the tree and closes the report (writable opens only write).
    void close();

    TDM &store() const { return *m_store; }
    // The editor of pages of this kind, registered with the store; nullptr
    // for kinds the program shows without editor.
    PageContent *editorFor(int kind);
    // The PageType of row id; nullopt when the report has no such row, -1
    // when the field is NULL.
    std::optional<int> rowKind(qint32 id) const;
    // Stores text as the comment of page id, as the comment box does.
    void setComment(qint32 id, const QString &text);

private:
    class Host;
    std::unique_ptr<Host> m_host;
    std::unique_ptr<TDM> m_store;
    std::unique_ptr<PageEditors> m_editors;
};
