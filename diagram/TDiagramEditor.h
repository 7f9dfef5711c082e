#pragma once

#include "store/PageContent.h"

#include <QWidget>

class QAction;
class QActionGroup;
class QGraphicsItem;
class QMenu;
class TEditBlockDlg;
class TSizingDlg;
class TatDiagram;

// The editor of diagram pages: the diagram canvas atDiagram1 with its context
// menu ("Delete", "Edit..."), the copy menu ("Copy as bitmap", "Copy as
// metafile"), the block and link dialog and the sizing dialog. Every operation
// of the main window's diagram toolbar is a public method and a QAction whose
// object name is the toolbar button's name, so that the toolbar only has to
// show the actions. Content moves in and out as the diagram stream.
class TDiagramEditor : public QWidget, public PageContent
{
    Q_OBJECT
public:
    explicit TDiagramEditor(QWidget *parent = nullptr);
    ~TDiagramEditor() override;

    // PageContent
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    void loadFile(const QString &fileName) override;
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    // Diagram events and menus.
    void atDiagram1DControlMouseUp(Qt::MouseButton button, const QPoint &pos, QGraphicsItem *item);
    void Delete1Click();
    void Edit1Click();
    // Fills the block and link dialog from the selection; returns false when
    // nothing is selected. Edit1Click does this and then shows the dialog.
    bool FillEditDialog();
    void MenuItem1Click();
    void MenuItem2Click();

    // The diagram toolbar.
    void btnDiagramSaveClick();
    void btnDiagramPrintClick();
    void btnDiagramZoomInClick();
    void btnDiagramZoomOutClick();
    // Pops the copy menu up just below the point, its right edge there.
    void BtnDiagramPhotoClick(const QPoint &belowRight);
    void btnDiagramSelectClick();
    void btnDiagramDragClick();
    void btnDiagramRangeClick();
    void btnDiagramTextClick(bool down);
    // Shows the sizing dialog modally with its top left corner at topLeft (screen).
    void btnDiagramSizingClick(const QPoint &topLeft);
    void btnDiagramCancelClick();

    // Actions named btnDiagramSave, btnDiagramPrint, btnDiagramZoomIn,
    // btnDiagramZoomOut, BtnDiagramPhoto (with the copy menu), btnDiagramSelect,
    // btnDiagramDrag, btnDiagramRange (one exclusive group), btnDiagramText
    // (checkable, down at start), btnDiagramSizing, btnDiagramCancel.
    QList<QAction *> DiagramBarActions() const { return m_barActions; }
    QAction *barAction(const QString &name) const;

    TatDiagram *atDiagram1;
    QMenu *PopupMenu1;
    QAction *Delete1;
    QAction *Edit1;
    QMenu *PhotoMenu;
    QAction *MenuItem1;
    QAction *MenuItem2;
    TEditBlockDlg *EditBlockDlg;
    TSizingDlg *SizingDlg;

signals:
    // Save as picture: the main window's picture-saving routine takes it.
    void SavePicture(const QImage &picture);
    // Cancel: the main window shows the page again from the store.
    void ShowNodeRequested();

private:
    void createActions();
    QAction *addBarAction(const QString &name, const QString &text, const QString &icon);
    QPoint actionPoint(QAction *action, bool rightEdge) const;
    void markModified();

    QList<QAction *> m_barActions;
    QActionGroup *m_modeGroup;
};
