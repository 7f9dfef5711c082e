#include "platform/wordproc/view/WPTableDlg.h"

#include "platform/wordproc/view/WPView.h"

#include <QCheckBox>
#include <QSpinBox>

WPTableDlg::WPTableDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPTableDlg"), QStringLiteral("Create Table"))
{
    m_rows = new QSpinBox(this);
    m_rows->setRange(1, 500);
    m_rows->setValue(3);
    addRow(QStringLiteral("Rows:"), m_rows, QStringLiteral("rows"));
    m_columns = new QSpinBox(this);
    m_columns->setRange(1, 64);
    m_columns->setValue(3);
    addRow(QStringLiteral("Columns:"), m_columns, QStringLiteral("columns"));
    m_borders = new QCheckBox(tx(QStringLiteral("Borders")), this);
    m_borders->setChecked(true);
    addRow(QString(), m_borders, QStringLiteral("borders"));
    addButtons();
}

bool WPTableDlg::execute(WPView *view)
{
    WPTableDlg dlg(view);
    if (!dlg.run())
        return false;
    view->createTable(dlg.m_rows->value(), dlg.m_columns->value(), dlg.m_borders->isChecked());
    return true;
}
