#pragma once

#include <QString>

class TTreeView;
class QPlainTextEdit;

// What the report store needs of the main window: its tree, its comment box,
// its caption, showing the selected page and refreshing the tree commands.
class StoreHost
{
public:
    virtual ~StoreHost() = default;
    virtual TTreeView *mainTree() = 0;
    virtual QPlainTextEdit *commentBox() = 0;
    virtual void setReportCaption(const QString &caption) = 0;
    virtual void ShowNode() = 0;
    virtual void CheckButtons() = 0;
    // Hides the menus of the per-kind editors (documents, charts, tables).
    virtual void hideKindMenus() = 0;
};
