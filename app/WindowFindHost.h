#pragma once

#include "export/DocumentFinder.h"
#include "export/GlobalFind.h"

#include <QString>
#include <memory>

class StoredPages;
class TTessaryM;

// Global find on the main window: the tree of the store, the window's
// ShowNode, the document editor's text, the table editor's grid and the
// comment box. Selecting a node shows its page (the window follows the
// tree's selection), so the ShowNode that follows a selection is not run a
// second time.
class WindowFindHost : public GlobalFindHost
{
public:
    explicit WindowFindHost(TTessaryM &window);
    ~WindowFindHost() override;

    ReportTree *tree() const override;
    void selectNode(ReportNode *node) override;
    void ShowNode() override;

    void setDocumentFindOptions(bool wholeWord, bool matchCase) override;
    void documentGoToStart() override;
    bool documentFindNext(const QString &text) override;

    QPoint tableFindFirst(const QString &text, int options) override;
    QPoint tableFindNext(const QString &text, int options) override;
    void tableSetCurrentCell(int column, int row) override;

    QString commentText() const override;
    int commentSelStart() const override;
    int commentSelLength() const override;
    void commentSelect(int start, int length) override;

    bool storedPage(const ReportNode *node, QByteArray *content, QString *comment) override;

private:
    TTessaryM &m_window;
    DocumentFinder m_finder;
    QPoint m_lastCell{-1, -1};
    bool m_shownBySelection = false;
    std::unique_ptr<StoredPages> m_pages;
    QString m_pagesFile;
};
