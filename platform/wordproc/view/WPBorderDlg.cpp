#include "platform/wordproc/view/WPBorderDlg.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/wordproc/view/WPTables.h"
#include "platform/wordproc/view/WPView.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTextTable>

WPBorderDlg::WPBorderDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPBorderDlg"), QStringLiteral("Borders"))
{
    const QTextCursor cursor = view->textCursor();
    QTextTableCellFormat f;
    if (QTextTable *table = cursor.currentTable())
        f = table->cellAt(cursor).format().toTableCellFormat();
    auto makeBox = [this](const char *label, const char *name, qreal width) {
        auto *box = new QCheckBox(tx(QString::fromLatin1(label)), this);
        box->setChecked(width > 0);
        addRow(QString(), box, QString::fromLatin1(name));
        return box;
    };
    m_top = makeBox("Top", "top", f.topBorder());
    m_bottom = makeBox("Bottom", "bottom", f.bottomBorder());
    m_left = makeBox("Left", "left", f.leftBorder());
    m_right = makeBox("Right", "right", f.rightBorder());
    const qreal width =
        qMax(qMax(f.topBorder(), f.bottomBorder()), qMax(f.leftBorder(), f.rightBorder()));
    m_width = addNumber(QStringLiteral("Width:"), QStringLiteral("width"), 0.5, 10,
                        width > 0 ? width : 1, 1, QStringLiteral("px"));
    if (f.topBorderBrush().style() != Qt::NoBrush)
        m_color = f.topBorderBrush().color();
    m_colorButton = new QPushButton(tx(QStringLiteral("Choose...")), this);
    addRow(QStringLiteral("Colour:"), m_colorButton, QStringLiteral("color"));
    connect(m_colorButton, &QPushButton::clicked, this, [this] {
        if (const auto c = dialogs().chooseColor(this, m_color))
            m_color = *c;
    });
    addButtons();
}

void WPBorderDlg::apply()
{
    QTextCursor cursor = m_view->textCursor();
    int on = 0;
    if (m_top->isChecked())
        on |= WPTables::Top;
    if (m_bottom->isChecked())
        on |= WPTables::Bottom;
    if (m_left->isChecked())
        on |= WPTables::Left;
    if (m_right->isChecked())
        on |= WPTables::Right;
    cursor.beginEditBlock();
    WPTables::setBorders(cursor, on, m_width->value(), m_color);
    WPTables::setBorders(cursor, WPTables::AllSides & ~on, 0, m_color);
    cursor.endEditBlock();
}

bool WPBorderDlg::execute(WPView *view)
{
    if (!view->inTable()) {
        dialogs().message(view,
                          view->wpText(QStringLiteral(
                              "Place the cursor in a table to set the borders of its cells.")));
        return false;
    }
    WPBorderDlg dlg(view);
    if (!dlg.run())
        return false;
    dlg.apply();
    return true;
}
