#include "platform/wordproc/view/WPToolBar.h"

#include "platform/wordproc/view/WPView.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

WPToolBar::WPToolBar(WPView *view, QWidget *parent) : QToolBar(parent), m_view(view)
{
    setObjectName(QStringLiteral("WPToolBar1"));
    setIconSize(QSize(16, 16));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_name = new QFontComboBox(this);
    m_name->setObjectName(QStringLiteral("WPFontName"));
    m_name->setMinimumWidth(170);
    m_name->setToolTip(tr("Font"));
    addWidget(m_name);
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("WPFontSize"));
    m_size->setEditable(true);
    m_size->setMinimumContentsLength(3);
    m_size->setToolTip(tr("Font size"));
    for (int s : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(s));
    addWidget(m_size);

    connect(m_name, &QComboBox::textActivated, view, [this](const QString &family) {
        m_view->setFontName(family);
        m_view->setFocus();
    });
    connect(m_size, &QComboBox::textActivated, view, [this](const QString &text) {
        bool ok = false;
        const qreal size = text.toDouble(&ok);
        if (ok && size > 0 && size <= 1638)
            m_view->setFontSize(size);
        m_view->setFocus();
    });
    connect(view, &WPView::caretFormatChanged, this, &WPToolBar::follow);
    follow(view->currentCharFormat());
}

void WPToolBar::follow(const QTextCharFormat &format)
{
    const QFont font = format.font();
    const QSignalBlocker b1(m_name), b2(m_size);
    m_name->setCurrentFont(font);
    const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : m_view->font().pointSizeF();
    m_size->setEditText(QString::number(size));
}
