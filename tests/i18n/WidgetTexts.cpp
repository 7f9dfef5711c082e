#include "WidgetTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>

QString WidgetText::where() const
{
    if (!object)
        return QStringLiteral("(gone)");
    QString path = object->objectName();
    for (QObject *p = object->parent(); p; p = p->parent())
        if (!p->objectName().isEmpty())
            path = p->objectName() + QLatin1Char('/') + path;
    return QStringLiteral("%1 %2.%3 \"%4\"")
        .arg(QString::fromLatin1(object->metaObject()->className()), path, property, text);
}

QList<WidgetText> collectTexts(QWidget *root)
{
    QList<WidgetText> out;
    auto add = [&out](QObject *o, const QString &p, const QString &t) {
        if (!t.trimmed().isEmpty())
            out.append({o, p, t});
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    QList<QAction *> actions = root->findChildren<QAction *>();
    for (QWidget *w : widgets) {
        if (w->property("i18nKeep").toBool())
            continue;
        for (QAction *a : w->actions())
            if (!actions.contains(a))
                actions.append(a);
        if (w->isWindow())
            add(w, "windowTitle", w->windowTitle());
        add(w, "toolTip", w->toolTip());
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            // A tool button shows its action's text, checked with the action.
            if (!qobject_cast<QToolButton *>(w) || !static_cast<QToolButton *>(w)->defaultAction())
                add(w, "text", b->text());
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            add(w, "text", l->text());
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            add(w, "title", g->title());
        } else if (auto *m = qobject_cast<QMenu *>(w)) {
            add(w, "title", m->title());
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            add(w, "placeholderText", e->placeholderText());
        } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            add(w, "placeholderText", p->placeholderText());
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            if (!c->isEditable())
                for (int i = 0; i < c->count(); ++i)
                    add(w, QStringLiteral("item%1").arg(i), c->itemText(i));
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(w, QStringLiteral("tab%1").arg(i), t->tabText(i));
        }
    }
    for (QAction *a : actions) {
        if (a->isSeparator() || a->property("i18nKeep").toBool())
            continue;
        add(a, "text", a->text());
        add(a, "toolTip", a->toolTip());
    }
    return out;
}

bool sameInEveryLanguage(const QString &text)
{
    // Numbers, sizes, zoom factors, single letters and signs.
    static const QRegularExpression noWords(QStringLiteral("^[^A-Za-z]*[A-Za-z]?[^A-Za-z]*$"));
    if (noWords.match(text).hasMatch())
        return true;
    QString t = text;
    t.remove(QLatin1Char('&'));
    // The program's name, alone or before the report's file name.
    if (t.startsWith(QLatin1String("Tessary")))
        return true;
    // Font names shown as samples.
    if (QFontDatabase::families().contains(t.trimmed()))
        return true;
    // Texts that are data rather than captions: file names, font names, colours.
    if (t.contains(QLatin1Char('/')) || t.contains(QLatin1String(".SUP")) ||
        t.startsWith(QLatin1Char('#')))
        return true;
    return false;
}

QStringList clippedTexts(QWidget *root)
{
    QStringList out;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisible() || w->width() <= 0)
            continue;
        QString text;
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->wordWrap() || !l->pixmap().isNull() || l->textFormat() == Qt::RichText)
                continue;
            text = l->text();
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            if (qobject_cast<QToolButton *>(w) &&
                static_cast<QToolButton *>(w)->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            text = b->text();
        } else {
            continue;
        }
        if (text.isEmpty())
            continue;
        // A widget given less than it asks for cuts its text.
        const int needed = w->minimumSizeHint().width();
        if (needed > w->width() + 1)
            out << QStringLiteral("%1 \"%2\": %3 px wide, needs %4")
                       .arg(w->objectName(), text)
                       .arg(w->width())
                       .arg(needed);
    }
    return out;
}
