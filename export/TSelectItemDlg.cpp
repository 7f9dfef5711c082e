#include "export/TSelectItemDlg.h"

#include "store/PageKind.h"
#include "store/ReportTree.h"

#include <QCoreApplication>
#include <QHash>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStandardItemModel>
#include <QTreeView>
#include <cmath>

namespace {
// Design-time geometry: the dialog, its bottom panel, the tree's offsets in
// the dialog (kept as its margins) and the buttons.
constexpr int kDesignWidth = 459;
constexpr int kDesignHeight = 597;
constexpr int kBottomPanelHeight = 34;
constexpr int kTreeLeft = 8;
constexpr int kTreeTop = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
} // namespace

TSelectItemDlg::TSelectItemDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SelectItemDlg"));
    setWindowTitle(tr("Select Items"));
    setModal(true);

    m_model = new QStandardItemModel(this);
    MainTree = new QTreeView(this);
    MainTree->setObjectName(QStringLiteral("MainTree"));
    MainTree->setHeaderHidden(true);
    MainTree->setUniformRowHeights(true);
    MainTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MainTree->setModel(m_model);

    m_bottomPanel = new QWidget(this);
    m_bottomPanel->setObjectName(QStringLiteral("Panel1"));
    OkBtn = new QPushButton(tr("OK"), m_bottomPanel);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), m_bottomPanel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    resize(kDesignWidth, kDesignHeight);
    placeControls();
}

TSelectItemDlg::~TSelectItemDlg() = default;

void TSelectItemDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TSelectItemDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void TSelectItemDlg::placeControls()
{
    // The tree keeps its left offset as margin left and right and its top
    // offset above and below; Cancel sits that left offset from the right
    // edge of the bottom panel and OK the same distance left of Cancel.
    const int w = width();
    const int h = height();
    MainTree->setGeometry(kTreeLeft, kTreeTop, qMax(0, w - 2 * kTreeLeft),
                          qMax(0, h - kBottomPanelHeight - 2 * kTreeTop));
    m_bottomPanel->setGeometry(0, h - kBottomPanelHeight, w, kBottomPanelHeight);
    const int y = (kBottomPanelHeight - kButtonHeight) / 2;
    const int cancelX = w - kTreeLeft - kButtonWidth;
    CancelBtn->setGeometry(cancelX, y, kButtonWidth, kButtonHeight);
    OkBtn->setGeometry(cancelX - kTreeLeft - kButtonWidth, y, kButtonWidth, kButtonHeight);
}

void TSelectItemDlg::FormActivate()
{
    if (RefreshSelection) {
        copyTree();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        fitHeight();
        CheckButtons();
    }
    RefreshSelection = false;
}

void TSelectItemDlg::copyTree()
{
    // A fresh model, filled before any view sees it, replaces the old one.
    auto *model = new QStandardItemModel(this);
    std::vector<QStandardItem *> items;
    std::vector<int> kinds;
    if (m_source) {
        const QList<ReportNode *> nodes = m_source->nodesInOrder();
        items.reserve(size_t(nodes.size()));
        kinds.reserve(size_t(nodes.size()));
        QHash<const ReportNode *, QStandardItem *> itemOf;
        itemOf.reserve(nodes.size());
        for (ReportNode *node : nodes) {
            auto *item = new QStandardItem(node->text);
            item->setEditable(false);
            item->setCheckable(true);
            item->setCheckState(Qt::Checked);
            item->setData(node->kind, Qt::UserRole + 1);
            const QVariant icon = m_source->data(m_source->indexOf(node), Qt::DecorationRole);
            if (icon.isValid())
                item->setData(icon, Qt::DecorationRole);
            QStandardItem *parent = node->parent ? itemOf.value(node->parent) : nullptr;
            (parent ? parent : model->invisibleRootItem())->appendRow(item);
            itemOf.insert(node, item);
            items.push_back(item);
            kinds.push_back(node->kind);
        }
    }
    connect(model, &QStandardItemModel::itemChanged, this, &TSelectItemDlg::MainTreeItemChecked);
    QStandardItemModel *old = m_model;
    m_model = model;
    m_items = std::move(items);
    m_kinds = std::move(kinds);
    MainTree->setModel(m_model);
    MainTree->expandAll();
    delete old;
}

int TSelectItemDlg::lineHeight() const
{
    const int row = m_items.empty() ? -1 : MainTree->sizeHintForRow(0);
    return row > 0 ? row : MainTree->fontMetrics().height() + 2;
}

void TSelectItemDlg::fitHeight()
{
    QScreen *s = screen();
    if (!s)
        return;
    const int screenHeight = s->geometry().height();
    const int chrome = height() - MainTree->height();
    const int desired = (nodeCount() + 1) * lineHeight() + chrome;
    const int h = desired < int(std::lround(screenHeight * 0.95))
                      ? desired
                      : int(std::lround(screenHeight * 0.9));
    const int top = s->geometry().top() + (screenHeight - h) / 2;
    // Centred on the main window across, on the screen from top to bottom.
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect around = owner && owner->isVisible() ? owner->frameGeometry() : s->geometry();
    const int left = around.left() + (around.width() - width()) / 2;
    setGeometry(left, top, width(), h);
    placeControls();
}

int TSelectItemDlg::SelectedCount() const
{
    int count = 0;
    for (size_t i = 1; i < m_items.size(); ++i)
        if (m_kinds[i] != PageKind::Folder && m_items[i]->checkState() == Qt::Checked)
            ++count;
    return count;
}

bool TSelectItemDlg::isTicked(int absoluteIndex) const
{
    return absoluteIndex >= 0 && size_t(absoluteIndex) < m_items.size() &&
           m_items[size_t(absoluteIndex)]->checkState() == Qt::Checked;
}

void TSelectItemDlg::setTicked(int absoluteIndex, bool ticked)
{
    if (absoluteIndex >= 0 && size_t(absoluteIndex) < m_items.size())
        m_items[size_t(absoluteIndex)]->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void TSelectItemDlg::CheckButtons()
{
    const int count = SelectedCount();
    OkBtn->setEnabled(count >= 1);
    setWindowTitle(tr("Exporting %1 item(s)").arg(count));
}

void TSelectItemDlg::MainTreeItemChecked(QStandardItem *item)
{
    if (m_propagating || !item)
        return;
    if (item->hasChildren()) {
        // The subtree takes the node's state; its items are visited with an
        // explicit stack, so a deep tree cannot overflow the call stack.
        m_propagating = true;
        const Qt::CheckState state = item->checkState();
        std::vector<QStandardItem *> pending{item};
        while (!pending.empty()) {
            QStandardItem *it = pending.back();
            pending.pop_back();
            for (int r = 0; r < it->rowCount(); ++r) {
                QStandardItem *child = it->child(r);
                if (child->checkState() != state)
                    child->setCheckState(state);
                if (child->hasChildren())
                    pending.push_back(child);
            }
        }
        m_propagating = false;
    }
    CheckButtons();
}
