#pragma once

#include "platform/diagramview/DiagramDocument.h"
#include "platform/diagramview/DiagramOverview.h"

#include <QGraphicsView>
#include <QPageLayout>

class DiagramBlock;
class DiagramLink;
class DiagramScene;
class QPrinter;
class QRubberBand;

// The diagram canvas: a view of a DiagramScene with a zoom in percent and three
// mouse modes (select and move, pan, zoom to a rectangle). It draws
// anti-aliased, culls items through the scene's index, and copies, renders,
// prints and streams the whole diagram.
//
// Keyboard: Escape drops the selection (and a zoom rectangle being drawn);
// the arrow keys move the selected blocks by one unit (ten with Ctrl);
// Shift with the arrow keys resizes them; Page Up / Page Down scroll by a page
// (sideways with Ctrl), Home and End go to the top left and bottom right;
// Tab and Shift+Tab select the next or previous block; Ctrl+A selects all.
// The mouse wheel does nothing.
//
// Below 50 % the view draws through a DiagramOverview (batched, with a kept
// picture for panning) instead of item by item, and repaints all of the
// viewport on every change, since the items then keep no record of where they
// were painted.
class TatDiagram : public QGraphicsView
{
    Q_OBJECT
public:
    enum class Mode
    {
        Select,
        Pan,
        ZoomRect
    };

    static constexpr int MinZoom = 5;
    static constexpr int MaxZoom = 5000;

    explicit TatDiagram(QWidget *parent = nullptr);
    ~TatDiagram() override;

    DiagramScene *diagramScene() const { return m_scene; }
    int BlockCount() const;
    DiagramBlock *Blocks(int index) const;
    int LinkCount() const;
    DiagramLink *Links(int index) const;
    void DeleteBlock(int index);
    void DeleteLink(int index);
    void Clear();

    int Zoom() const { return m_zoom; }
    void SetZoom(int percent);
    // Zooms so that rect (scene coordinates) fills the view, and centres it.
    void ZoomToRect(const QRectF &rect);

    Mode mode() const { return m_mode; }
    void SetMode(Mode mode);
    void UnselectAll();
    void SelectAll();
    // Shows or hides the label of every link.
    void SetLinkLabelsVisible(bool visible);

    // Whether the view draws through the overview at small zooms (on by
    // default; off draws every item itself, for comparisons).
    bool OverviewDrawing() const { return m_overviewDrawing; }
    void SetOverviewDrawing(bool on);
    // Whether the overview draws the view at the current zoom.
    bool drawsOverview() const;

    // The native stream of the whole diagram. Loading throws DiagramStreamError
    // and then leaves the diagram as it was.
    QByteArray SaveToStream() const;
    void LoadFromStream(const QByteArray &bytes);
    DiagramDocument document() const;
    void setDocument(const DiagramDocument &doc);

    QPageLayout PageLayout() const { return m_pageLayout; }
    void SetPageLayout(const QPageLayout &layout) { m_pageLayout = layout; }
    // The page-settings dialog on the diagram's page layout; applied when
    // confirmed. Returns whether it was.
    bool PageSettings(QWidget *parent);
    // The modal print preview, from which the user prints.
    bool PrintPreview(QWidget *parent);
    // Prints the whole diagram on one page of printer, fitted into its margins.
    void Print(QPrinter *printer);

    // The whole diagram drawn at scale (1.0 = 100 %) on white.
    QImage ToBitmap(double scale) const;
    QByteArray ToSvg() const;
    // The whole diagram fitted into a picture of the given size.
    QImage ToImage(const QSize &size) const;
    void CopyAsBitmap();
    void CopyAsMetafile();

signals:
    // The user changed the diagram (moved, resized or restyled something).
    void Modified();
    // A drag that moved or resized blocks ended.
    void AfterMove();
    // A mouse button was pressed on the diagram.
    void Click();
    // The diagram took the keyboard focus.
    void Enter();
    // A mouse button was released; pos in viewport coordinates, item the block or
    // link under it (null over empty space).
    void DControlMouseUp(Qt::MouseButton button, const QPoint &pos, QGraphicsItem *item);
    void ZoomChanged(int percent);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Scrolls so that the diagram's top-left corner is at the top-left of the
    // view, with a small margin.
    void showDiagramStart();
    QList<DiagramBlock *> selectedBlocks() const;
    void moveSelection(double dx, double dy);
    void resizeSelection(double dw, double dh);
    void selectNeighbour(int step);
    void updateDrawingMode();

    DiagramScene *m_scene;
    int m_zoom = 100;
    Mode m_mode = Mode::Select;
    QPageLayout m_pageLayout = DiagramDocument::defaultPageLayout();
    QRubberBand *m_zoomBand = nullptr;
    QPoint m_zoomOrigin;
    bool m_zoomDragging = false;
    bool m_overviewDrawing = true;
    DiagramOverview m_overview;
    // A diagram just loaded shows its start at whatever size the view takes
    // on until the user first scrolls, zooms or clicks.
    bool m_showStart = false;
};
