#pragma once

#include "store/PageContent.h"

#include <QString>

class ReportTree;

// What the report store needs of the window that shows it: its caption, its
// comment box, showing the selected page, refreshing the tree commands and the
// status line. Every call has a default that does nothing, so that the store
// runs headless (tessary-cli, tests) with a plain StoreHost.
class StoreHost
{
public:
    virtual ~StoreHost() = default;
    // The store made its tree model; a window shows it in its tree view.
    virtual void attachTree(ReportTree *) {}
    virtual void setReportCaption(const QString &) {}
    // The comment box's text (shown with LF line breaks).
    virtual QString commentText() const { return QString(); }
    virtual void setCommentText(const QString &) {}
    virtual void ShowNode() {}
    virtual void CheckButtons() {}
    // Hides the menus of the per-kind editors (documents, charts, tables).
    virtual void hideKindMenus() {}
    // A line for the status bar (empty clears it): waiting for the host, progress.
    virtual void setStatusText(const QString &) {}
    // A problem the user should know of that does not stop the work (damaged
    // rows met by an intake, a signal file that cannot be deleted).
    virtual void reportProblem(const QString &) {}
    // The store is about to fill a page of this slot from a file and no editor
    // is registered for it: a host that makes editors on first use makes and
    // registers it now.
    virtual void needEditor(EditorSlot) {}
};
