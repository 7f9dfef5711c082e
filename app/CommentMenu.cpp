#include "app/CommentMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

CommentMenu::CommentMenu(QPlainTextEdit *comment)
    : QObject(comment), m_comment(comment), PopupMenu2(new QMenu(comment))
{
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    auto add = [this](const char *name, const QString &text, void (QPlainTextEdit::*slot)()) {
        QAction *a = PopupMenu2->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, m_comment, slot);
    };
    add("Cut2", tr("Cut"), &QPlainTextEdit::cut);
    add("Copy2", tr("Copy"), &QPlainTextEdit::copy);
    add("Paste2", tr("Paste"), &QPlainTextEdit::paste);
    QAction *del = PopupMenu2->addAction(tr("Delete"));
    del->setObjectName(QStringLiteral("Delete2"));
    connect(del, &QAction::triggered, m_comment,
            [this] { m_comment->textCursor().removeSelectedText(); });
    add("Selectall2", tr("Select all"), &QPlainTextEdit::selectAll);

    connect(PopupMenu2, &QMenu::aboutToShow, this, &CommentMenu::updateEntries);
    m_comment->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_comment, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PopupMenu2->popup(m_comment->viewport()->mapToGlobal(pos));
    });
}

void CommentMenu::updateEntries()
{
    const bool selection = m_comment->textCursor().hasSelection();
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    for (QAction *a : PopupMenu2->actions()) {
        const QString n = a->objectName();
        if (n == QLatin1String("Cut2") || n == QLatin1String("Copy2") ||
            n == QLatin1String("Delete2"))
            a->setEnabled(selection);
        else if (n == QLatin1String("Paste2"))
            a->setEnabled(clip && clip->hasText() && !m_comment->isReadOnly());
    }
}
