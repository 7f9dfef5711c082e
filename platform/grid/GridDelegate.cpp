#include "platform/grid/GridDelegate.h"

#include "platform/grid/GridData.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridPaint.h"

#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

GridDelegate::GridDelegate(GridModel *model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const GridData &g = *m_model->grid();
    const int flags = (option.state & QStyle::State_Selected) ? GridPaint::Selected : 0;
    GridPaint::paintCell(painter, option.rect, g, m_model->gridRow(index),
                         m_model->gridColumn(index), flags);
    if (option.state & QStyle::State_HasFocus) {
        painter->save();
        painter->setPen(QPen(QColor(0x1F, 0x5F, 0xBF), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const GridData &g = *m_model->grid();
    const int r = m_model->gridRow(index);
    const int c = m_model->gridColumn(index);
    QWidget *editor;
    if (g.multiLine() || g.text(r, c).contains(QLatin1Char('\n'))) {
        auto *e = new QPlainTextEdit(parent);
        e->setFrameShape(QFrame::NoFrame);
        e->setTabChangesFocus(true);
        editor = e;
    } else {
        auto *e = new QLineEdit(parent);
        e->setFrame(false);
        editor = e;
    }
    editor->setFont(g.cellFont(r, c));
    editor->setAutoFillBackground(true);
    return editor;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *e = qobject_cast<QPlainTextEdit *>(editor))
        e->setPlainText(text);
    else if (auto *l = qobject_cast<QLineEdit *>(editor))
        l->setText(text);
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const
{
    if (auto *e = qobject_cast<QPlainTextEdit *>(editor))
        model->setData(index, e->toPlainText(), Qt::EditRole);
    else if (auto *l = qobject_cast<QLineEdit *>(editor))
        model->setData(index, l->text(), Qt::EditRole);
}
