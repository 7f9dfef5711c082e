#pragma once

#include "store/PageContent.h"

#include <QColor>
#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

class GridControl;
class GridFindDialog;
class QAction;
class QActionGroup;
class QMenu;
class QPrinter;
struct CellFormat;

// The table editor: the grid GridView showing the page's table, the hidden
// scratch grid CGrid, and every operation on them. Operations are public
// methods named as the program names them, and each is also a QAction whose
// objectName is that name (actions()), so the main window can put them on
// its toolbar and menu. Content changes made by the user set PageModified.
class TGridEditor : public QWidget, public PageContent
{
    Q_OBJECT

public:
    explicit TGridEditor(QWidget *parent = nullptr);
    ~TGridEditor() override;

    GridControl *GridView;
    GridControl *CGrid;
    int LastSortColumn = -1;

    // PageContent
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    void loadFile(const QString &fileName) override;
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    // The filter of the save dialog and the format of each of its entries.
    static QString saveFilter();

    void SaveTableToDisk(const QString &initialName, GridControl *grid);
    void SaveBtnClick();
    void PrintTheGrid(const QString &title, GridControl *grid);
    void PrintBtnClick();
    void PreviewTheGrid(const QString &title, GridControl *grid);
    void PreviewBtnClick();
    void PrintSetupClick();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void CopyFormattedClick();
    void ClearSelection();
    void EntireRowClick();
    void EntireColumnClick();
    void Font1Click();
    void SetAlignment(int alignment);
    void Center1Click(); // left
    void Center2Click(); // centre
    void Right1Click();
    void AddFontStyle(int style);
    void RemoveFontStyle(int style);
    void SetFontColor(const QColor &color);
    void SetBackColor(const QColor &color);
    void FontColorClick();
    void BackColorClick();
    void Fixedrow1Click();
    void Fixedcolumn1Click();
    void PopupMenu1Popup();
    void isMultilinesClick();
    void GridViewSelectCell(int column, int row);
    void GridViewClickCell(int column, int row);
    void GridViewDblClickCell(int column, int row);
    void MoveToCGrid();
    void FindClick();
    void ReplaceClick();
    void UndoClick();
    void RedoClick();
    // Shows hidden columns again and widens columns narrower than 30 pixels.
    void GridBarDblClick();

    QAction *action(const QString &name) const;
    QList<QAction *> operationActions() const { return m_actions.values(); }
    QMenu *popupMenu() const { return m_popup; }
    // The printer the editor prints on; landscape unless the user changes it.
    QPrinter *printer();
    // The warning of the last delimited file read only in part (empty if none).
    QString lastImportWarning() const { return m_importWarning; }

signals:
    // The current cell's formatting, for the main window's buttons and selectors.
    void cellFormatShown(bool bold, bool italic, bool underline, int alignment,
                         const QColor &fontColor, const QColor &backColor);
    // Multi-line cells were switched (by loading a page or by the button).
    void multilinesShown(bool on);

private:
    QAction *addOperation(const QString &name, const QString &text,
                          const std::function<void()> &run, const QString &icon = QString());
    void buildMenu();
    void formatSelection(const std::function<void(CellFormat &)> &change);
    void afterLoad();
    void writeFile(GridControl *grid, int format, const QString &fileName);

    QHash<QString, QAction *> m_actions;
    QActionGroup *m_alignGroup;
    QMenu *m_popup;
    std::unique_ptr<QPrinter> m_printer;
    GridFindDialog *m_find = nullptr;
    GridFindDialog *m_replace = nullptr;
    QString m_importWarning;
    bool m_showingFormat = false;
};
