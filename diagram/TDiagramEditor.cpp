#include "diagram/TDiagramEditor.h"

#include "diagram/ColorBox.h"
#include "diagram/DiagramLogging.h"
#include "diagram/TEditBlockDlg.h"
#include "diagram/TSizingDlg.h"
#include "platform/TessaryError.h"
#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/diagramview/TatDiagram.h"
#include "store/PageState.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {
// The hourglass while the diagram forms are made.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

int shapeItem(BlockShape shape)
{
    switch (shape) {
    case BlockShape::Ellipse:
        return TEditBlockDlg::Circle;
    case BlockShape::RoundRect:
    case BlockShape::Diamond:
        return TEditBlockDlg::Diamond;
    case BlockShape::RoundSquare:
        return TEditBlockDlg::RoundSquare;
    default:
        return TEditBlockDlg::Square;
    }
}
} // namespace

TDiagramEditor::TDiagramEditor(QWidget *parent) : QWidget(parent)
{
    const WaitCursor wait;
    atDiagram1 = new TatDiagram(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(atDiagram1);

    PopupMenu1 = new QMenu(this);
    Delete1 = PopupMenu1->addAction(tr("Delete"), this, &TDiagramEditor::Delete1Click);
    Delete1->setObjectName(QStringLiteral("Delete1"));
    Edit1 = PopupMenu1->addAction(tr("Edit..."), this, &TDiagramEditor::Edit1Click);
    Edit1->setObjectName(QStringLiteral("Edit1"));

    PhotoMenu = new QMenu(this);
    MenuItem1 = PhotoMenu->addAction(tr("Copy as bitmap"), this, &TDiagramEditor::MenuItem1Click);
    MenuItem1->setObjectName(QStringLiteral("MenuItem1"));
    MenuItem2 = PhotoMenu->addAction(tr("Copy as metafile"), this, &TDiagramEditor::MenuItem2Click);
    MenuItem2->setObjectName(QStringLiteral("MenuItem2"));

    EditBlockDlg = new TEditBlockDlg(atDiagram1, this);
    SizingDlg = new TSizingDlg(atDiagram1, this);
    createActions();

    connect(atDiagram1, &TatDiagram::DControlMouseUp, this,
            &TDiagramEditor::atDiagram1DControlMouseUp);
    for (auto signal :
         {&TatDiagram::Modified, &TatDiagram::AfterMove, &TatDiagram::Click, &TatDiagram::Enter})
        connect(atDiagram1, signal, this, &TDiagramEditor::markModified);
}

TDiagramEditor::~TDiagramEditor() = default;

void TDiagramEditor::markModified()
{
    PageModified = true;
}

// --- Page content -----------------------------------------------------------

QByteArray TDiagramEditor::saveContent()
{
    return atDiagram1->SaveToStream();
}

void TDiagramEditor::loadContent(const QByteArray &bytes, const QString &)
{
    // A row without content is an empty diagram.
    if (bytes.trimmed().isEmpty())
        atDiagram1->Clear();
    else
        atDiagram1->LoadFromStream(bytes);
    PageModified = false;
    const bool labels = atDiagram1->LinkCount() > 0 && atDiagram1->Links(0)->labelVisible();
    barAction(QStringLiteral("btnDiagramText"))->setChecked(labels);
}

void TDiagramEditor::clearContent()
{
    atDiagram1->Clear();
    atDiagram1->SetZoom(100);
}

void TDiagramEditor::loadFile(const QString &fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) != 0)
        PageContent::loadFile(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TessaryError(tr("Cannot read the file %1: %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (!DiagramStream::isDiagramStream(bytes))
        throw TessaryError(tr("The file %1 is not a diagram.").arg(QFileInfo(fileName).fileName()));
    loadContent(bytes, QString());
}

QStringList TDiagramEditor::saveExtensions() const
{
    return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp"),
            QStringLiteral("svg"), QStringLiteral("json")};
}

void TDiagramEditor::saveToFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (!saveExtensions().contains(suffix))
        PageContent::saveToFile(fileName);
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("json")) {
        QFile file(fileName);
        const QByteArray bytes =
            suffix == QLatin1String("svg") ? atDiagram1->ToSvg() : atDiagram1->SaveToStream();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw TessaryError(
                tr("Cannot write the file %1: %2").arg(fileName, file.errorString()));
        return;
    }
    QImageWriter writer(fileName, suffix.toLatin1());
    if (suffix == QLatin1String("jpg"))
        writer.setQuality(90);
    if (!writer.write(atDiagram1->ToBitmap(1.0)))
        throw TessaryError(tr("Cannot write the file %1: %2").arg(fileName, writer.errorString()));
}

QImage TDiagramEditor::renderImage(const QSize &size)
{
    return atDiagram1->ToImage(size);
}

// --- Context menu -----------------------------------------------------------

void TDiagramEditor::atDiagram1DControlMouseUp(Qt::MouseButton button, const QPoint &pos,
                                               QGraphicsItem *)
{
    if (button != Qt::RightButton)
        return;
    bool any = false;
    for (int i = 0; i < atDiagram1->BlockCount() && !any; ++i)
        any = atDiagram1->Blocks(i)->isSelected();
    for (int i = 0; i < atDiagram1->LinkCount() && !any; ++i)
        any = atDiagram1->Links(i)->isSelected();
    if (any)
        PopupMenu1->popup(atDiagram1->viewport()->mapToGlobal(pos));
}

void TDiagramEditor::Delete1Click()
{
    // Selected blocks from the last, each with every link that ends at it
    // (selected or not); then the selected links that are left, from the last.
    for (int i = atDiagram1->BlockCount() - 1; i >= 0; --i) {
        DiagramBlock *block = atDiagram1->Blocks(i);
        if (!block->isSelected())
            continue;
        int j = 0;
        while (j < atDiagram1->LinkCount()) {
            const DiagramLink *link = atDiagram1->Links(j);
            if (link->source() == block || link->target() == block)
                atDiagram1->DeleteLink(j); // the next link moved into position j
            else
                ++j;
        }
        atDiagram1->DeleteBlock(i);
    }
    for (int j = atDiagram1->LinkCount() - 1; j >= 0; --j) {
        if (atDiagram1->Links(j)->isSelected())
            atDiagram1->DeleteLink(j);
    }
    PageModified = true;
}

bool TDiagramEditor::FillEditDialog()
{
    TEditBlockDlg *dlg = EditBlockDlg;
    int blocks = 0;
    dlg->edBlockText->setEnabled(false);
    for (int i = 0; i < atDiagram1->BlockCount(); ++i) {
        const DiagramBlock *block = atDiagram1->Blocks(i);
        if (!block->isSelected())
            continue;
        ++blocks;
        dlg->SpinSize->setValue(int(std::nearbyint(block->width())));
        if (blocks == 1)
            dlg->edBlockText->setPlainText(block->labelText());
        else
            dlg->edBlockText->clear();
        dlg->cboxShape->setCurrentIndex(shapeItem(block->blockShape()));
        dlg->ColorBox1->setSelected(block->color());
        dlg->SetFontDialogFont(block->labelFont());
    }
    dlg->edBlockText->setEnabled(blocks == 1);

    int links = 0;
    dlg->edLinkText->setEnabled(false);
    for (int i = 0; i < atDiagram1->LinkCount(); ++i) {
        const DiagramLink *link = atDiagram1->Links(i);
        if (!link->isSelected())
            continue;
        ++links;
        if (links == 1)
            dlg->edLinkText->setPlainText(link->labelText());
        else
            dlg->edLinkText->clear();
        dlg->SpinSize2->setValue(int(std::nearbyint(link->penWidth())));
        dlg->ColorBox2->setSelected(link->penColor());
        dlg->SampleFont2->setFont(link->labelFont());
        dlg->PStyle->setCurrentIndex(int(link->penStyle()));
    }
    dlg->edLinkText->setEnabled(links == 1);

    dlg->PageControl1->setTabEnabled(0, blocks > 0);
    dlg->PageControl1->setTabEnabled(1, links > 0);
    dlg->PageControl1->setCurrentIndex(blocks > 0 ? 0 : 1);
    return blocks > 0 || links > 0;
}

void TDiagramEditor::Edit1Click()
{
    FillEditDialog();
    EditBlockDlg->exec();
    PageModified = true;
}

void TDiagramEditor::MenuItem1Click()
{
    atDiagram1->CopyAsBitmap();
}

void TDiagramEditor::MenuItem2Click()
{
    atDiagram1->CopyAsMetafile();
}

// --- Diagram toolbar --------------------------------------------------------

QAction *TDiagramEditor::addBarAction(const QString &name, const QString &text, const QString &icon)
{
    auto *action = new QAction(QIcon::fromTheme(icon), text, this);
    action->setObjectName(name);
    action->setToolTip(text);
    m_barActions.append(action);
    return action;
}

QAction *TDiagramEditor::barAction(const QString &name) const
{
    for (QAction *action : m_barActions) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

void TDiagramEditor::createActions()
{
    connect(addBarAction("btnDiagramSave", tr("Save as picture"), "document-save-as"),
            &QAction::triggered, this, &TDiagramEditor::btnDiagramSaveClick);
    connect(addBarAction("btnDiagramPrint", tr("Print"), "document-print"), &QAction::triggered,
            this, &TDiagramEditor::btnDiagramPrintClick);
    connect(addBarAction("btnDiagramZoomIn", tr("Zoom in"), "zoom-in"), &QAction::triggered, this,
            &TDiagramEditor::btnDiagramZoomInClick);
    connect(addBarAction("btnDiagramZoomOut", tr("Zoom out"), "zoom-out"), &QAction::triggered,
            this, &TDiagramEditor::btnDiagramZoomOutClick);
    QAction *photo = addBarAction("BtnDiagramPhoto", tr("Copy"), "edit-copy");
    photo->setMenu(PhotoMenu);
    connect(photo, &QAction::triggered, this,
            [this, photo] { BtnDiagramPhotoClick(actionPoint(photo, true)); });

    m_modeGroup = new QActionGroup(this);
    m_modeGroup->setExclusive(true);
    QAction *select = addBarAction("btnDiagramSelect", tr("Select"), "edit-select");
    QAction *drag = addBarAction("btnDiagramDrag", tr("Pan"), "transform-browse");
    QAction *range = addBarAction("btnDiagramRange", tr("Zoom to rectangle"), "zoom-select");
    for (QAction *a : {select, drag, range}) {
        a->setCheckable(true);
        m_modeGroup->addAction(a);
    }
    select->setChecked(true);
    connect(select, &QAction::triggered, this, &TDiagramEditor::btnDiagramSelectClick);
    connect(drag, &QAction::triggered, this, &TDiagramEditor::btnDiagramDragClick);
    connect(range, &QAction::triggered, this, &TDiagramEditor::btnDiagramRangeClick);

    QAction *text = addBarAction("btnDiagramText", tr("Link labels"), "insert-text");
    text->setCheckable(true);
    text->setChecked(true);
    connect(text, &QAction::triggered, this, &TDiagramEditor::btnDiagramTextClick);
    QAction *sizing = addBarAction("btnDiagramSizing", tr("Sizing..."), "transform-scale");
    connect(sizing, &QAction::triggered, this,
            [this, sizing] { btnDiagramSizingClick(actionPoint(sizing, false)); });
    connect(addBarAction("btnDiagramCancel", tr("Cancel changes"), "edit-undo"),
            &QAction::triggered, this, &TDiagramEditor::btnDiagramCancelClick);
}

// The screen point below the toolbar button that shows action (its bottom left
// or bottom right corner); the editor's top left corner when none shows it.
QPoint TDiagramEditor::actionPoint(QAction *action, bool rightEdge) const
{
    for (QObject *object : action->associatedObjects()) {
        if (auto *bar = qobject_cast<QToolBar *>(object)) {
            if (QWidget *button = bar->widgetForAction(action)) {
                const QRect r = button->rect();
                return button->mapToGlobal(rightEdge ? r.bottomRight() : r.bottomLeft());
            }
        }
    }
    return mapToGlobal(QPoint(0, 0));
}

void TDiagramEditor::btnDiagramSaveClick()
{
    MenuItem1Click();
    const QImage picture = QApplication::clipboard()->image();
    emit SavePicture(picture.isNull() ? atDiagram1->ToBitmap(atDiagram1->Zoom() / 100.0) : picture);
}

void TDiagramEditor::btnDiagramPrintClick()
{
    atDiagram1->PageSettings(this);
    atDiagram1->PrintPreview(this);
}

void TDiagramEditor::btnDiagramZoomInClick()
{
    atDiagram1->SetZoom(int(std::nearbyint(atDiagram1->Zoom() * 1.1)));
    PageModified = true;
}

void TDiagramEditor::btnDiagramZoomOutClick()
{
    atDiagram1->SetZoom(int(std::nearbyint(atDiagram1->Zoom() * 0.9)));
    PageModified = true;
}

void TDiagramEditor::BtnDiagramPhotoClick(const QPoint &belowRight)
{
    PhotoMenu->popup(belowRight - QPoint(PhotoMenu->sizeHint().width(), 0));
}

void TDiagramEditor::btnDiagramSelectClick()
{
    barAction("btnDiagramSelect")->setChecked(true);
    atDiagram1->SetMode(TatDiagram::Mode::Select);
}

void TDiagramEditor::btnDiagramDragClick()
{
    barAction("btnDiagramDrag")->setChecked(true);
    atDiagram1->UnselectAll();
    atDiagram1->SetMode(TatDiagram::Mode::Pan);
}

void TDiagramEditor::btnDiagramRangeClick()
{
    barAction("btnDiagramRange")->setChecked(true);
    atDiagram1->SetMode(TatDiagram::Mode::Select);
    atDiagram1->UnselectAll();
    atDiagram1->SetMode(TatDiagram::Mode::ZoomRect);
    PageModified = true;
}

void TDiagramEditor::btnDiagramTextClick(bool down)
{
    barAction("btnDiagramText")->setChecked(down);
    atDiagram1->SetLinkLabelsVisible(down);
    PageModified = true;
}

void TDiagramEditor::btnDiagramSizingClick(const QPoint &topLeft)
{
    SizingDlg->move(topLeft);
    SizingDlg->exec();
    PageModified = true;
}

void TDiagramEditor::btnDiagramCancelClick()
{
    PageModified = false;
    emit ShowNodeRequested();
}
