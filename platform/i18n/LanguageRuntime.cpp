#include "platform/i18n/LanguageRuntime.h"

#include "platform/TessaryError.h"
#include "platform/i18n/I18nLogging.h"
#include "platform/i18n/RecordingTranslator.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>

namespace {
// What an action shows as its tooltip when none was set: the text without
// mnemonics and without a trailing ellipsis.
QString strippedText(QString s)
{
    s.remove(QLatin1String("..."));
    for (int i = 0; i < s.size(); ++i)
        if (s.at(i) == QLatin1Char('&'))
            s.remove(i, 1);
    return s.trimmed();
}

// Class names of the object and its parents: a text is most likely from the
// translation context of the form that shows it.
QList<QByteArray> contextsOf(const QObject *o)
{
    QList<QByteArray> list;
    for (; o; o = o->parent())
        for (const QMetaObject *m = o->metaObject(); m && m != &QObject::staticMetaObject;
             m = m->superClass())
            if (!QByteArray(m->className()).startsWith('Q'))
                list.append(QByteArray(m->className()));
    return list;
}
} // namespace

LanguageRuntime::LanguageRuntime(QObject *parent) : QObject(parent)
{
    m_translator = new RecordingTranslator(this);
    QCoreApplication::installTranslator(m_translator);
}

LanguageRuntime::~LanguageRuntime()
{
    // At exit the application goes first; its translators go with it.
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(m_translator);
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator);
}

LanguageRuntime &languageRuntime()
{
    static QPointer<LanguageRuntime> runtime;
    if (!runtime)
        runtime = new LanguageRuntime(QCoreApplication::instance());
    return *runtime;
}

const LanguageInfo &LanguageRuntime::currentInfo() const
{
    const LanguageInfo *l = languageById(m_current);
    return l ? *l : languageTable().first();
}

std::unique_ptr<QTranslator> LanguageRuntime::loadTranslations(const LanguageInfo &l) const
{
    const QString name = QStringLiteral("tessary_") + l.code + QStringLiteral(".qm");
    auto t = std::make_unique<QTranslator>();
    if (!m_languageFolder.isEmpty()) {
        const QString own = m_languageFolder + QStringLiteral("translations/") + name;
        if (QFile::exists(own)) {
            if (t->load(own))
                return t;
            qCWarning(lcI18n) << "unreadable language file" << own;
            return nullptr;
        }
    }
    if (t->load(QStringLiteral(":/i18n/") + name))
        return t;
    return nullptr;
}

QList<int> LanguageRuntime::availableLanguages() const
{
    QList<int> ids;
    for (const LanguageInfo &l : languageTable()) {
        if (l.id == EnglishLanguageId) {
            ids.append(l.id);
            continue;
        }
        const QString name = QStringLiteral("tessary_") + l.code + QStringLiteral(".qm");
        if (QFile::exists(QStringLiteral(":/i18n/") + name) ||
            (!m_languageFolder.isEmpty() &&
             QFile::exists(m_languageFolder + QStringLiteral("translations/") + name)))
            ids.append(l.id);
    }
    return ids;
}

void LanguageRuntime::setLanguage(int id)
{
    const LanguageInfo *l = languageById(id);
    if (!l)
        throw TessaryError(tr("There is no interface language with the identifier %1.").arg(id));
    std::unique_ptr<QTranslator> translations;
    if (l->id != EnglishLanguageId) {
        translations = loadTranslations(*l);
        if (!translations)
            throw TessaryError(tr("The translations into %1 cannot be read.").arg(l->name));
    }
    // Qt's own texts (standard buttons, the text boxes' context menus).
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator);
        delete m_qtTranslator;
        m_qtTranslator = nullptr;
    }
    if (l->id != EnglishLanguageId) {
        auto *qt = new QTranslator(this);
        if (qt->load(QStringLiteral("qtbase_") + l->code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            m_qtTranslator = qt;
            QCoreApplication::installTranslator(qt);
        } else {
            delete qt;
        }
    }
    // Ours is asked first: it must stay the last one installed.
    QCoreApplication::removeTranslator(m_translator);
    m_translator->setTranslations(std::move(translations));
    m_current = l->id;
    QCoreApplication::installTranslator(m_translator); // sends QEvent::LanguageChange
    qCInfo(lcI18n) << "interface language" << l->name;

    // Texts that forms set once, then the forms' own composed texts.
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const QWidgetList top = QApplication::topLevelWidgets();
        for (QWidget *w : top)
            retranslateWidget(w);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    updateMenuChecks();
    emit languageChanged(m_current);
}

QString LanguageRuntime::retranslated(const QString &shown, const QObject *owner) const
{
    if (shown.isEmpty())
        return shown;
    const auto sources = m_translator->sourcesOf(shown, contextsOf(owner));
    if (sources.isEmpty())
        return shown;
    const auto &s = sources.first();
    return QCoreApplication::translate(s.context.constData(), s.text.constData(),
                                       s.disambiguation.isEmpty() ? nullptr
                                                                  : s.disambiguation.constData());
}

QString LanguageRuntime::retranslatedText(QObject *o, const QByteArray &key,
                                          const QString &shown) const
{
    if (shown.isEmpty())
        return shown;
    // What the last switch set is remembered with its source: texts that read
    // the same in one language ("Annuler" is Cancel and Undo in French) keep
    // their own source.
    const QByteArray memoName = "_i18n_" + key;
    const QStringList memo = o->property(memoName.constData()).toStringList();
    RecordingTranslator::Source s;
    if (memo.size() == 4 && memo.at(0) == shown) {
        s = {memo.at(1).toUtf8(), memo.at(2).toUtf8(), memo.at(3).toUtf8()};
    } else {
        const auto sources = m_translator->sourcesOf(shown, contextsOf(o));
        if (sources.isEmpty())
            return shown;
        s = sources.first();
    }
    const QString t = QCoreApplication::translate(
        s.context.constData(), s.text.constData(),
        s.disambiguation.isEmpty() ? nullptr : s.disambiguation.constData());
    o->setProperty(memoName.constData(),
                   QStringList{t, QString::fromUtf8(s.context), QString::fromUtf8(s.text),
                               QString::fromUtf8(s.disambiguation)});
    return t;
}

bool LanguageRuntime::isCurrentTranslation(const QString &shown) const
{
    for (const auto &s : m_translator->sourcesOf(shown))
        if (QCoreApplication::translate(
                s.context.constData(), s.text.constData(),
                s.disambiguation.isEmpty() ? nullptr : s.disambiguation.constData()) == shown)
            return true;
    return false;
}

void LanguageRuntime::retranslateWidget(QWidget *root) const
{
    if (!root)
        return;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    QList<QAction *> actions = root->findChildren<QAction *>();
    for (QWidget *w : widgets) {
        if (w->property("i18nKeep").toBool())
            continue;
        for (QAction *a : w->actions())
            if (!actions.contains(a))
                actions.append(a);
        auto re = [this, w](const char *key, const QString &t) {
            return retranslatedText(w, QByteArray(key), t);
        };
        if (w->isWindow() && !w->windowTitle().isEmpty())
            w->setWindowTitle(re("windowTitle", w->windowTitle()));
        if (!w->toolTip().isEmpty())
            w->setToolTip(re("toolTip", w->toolTip()));
        if (!w->statusTip().isEmpty())
            w->setStatusTip(re("statusTip", w->statusTip()));
        if (!w->whatsThis().isEmpty())
            w->setWhatsThis(re("whatsThis", w->whatsThis()));
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            // Buttons of a tool button's default action follow the action.
            if (!b->text().isEmpty())
                b->setText(re("text", b->text()));
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            if (!l->text().isEmpty())
                l->setText(re("text", l->text()));
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            g->setTitle(re("title", g->title()));
        } else if (auto *m = qobject_cast<QMenu *>(w)) {
            m->setTitle(re("title", m->title()));
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->setPlaceholderText(re("placeholderText", e->placeholderText()));
        } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            p->setPlaceholderText(re("placeholderText", p->placeholderText()));
        } else if (auto *x = qobject_cast<QTextEdit *>(w)) {
            x->setPlaceholderText(re("placeholderText", x->placeholderText()));
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                c->setItemText(i,
                               retranslatedText(c, "item" + QByteArray::number(i), c->itemText(i)));
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                t->setTabText(i, retranslatedText(t, "tab" + QByteArray::number(i), t->tabText(i)));
                t->setTabToolTip(
                    i, retranslatedText(t, "tabTip" + QByteArray::number(i), t->tabToolTip(i)));
            }
        }
    }
    for (QAction *a : actions) {
        if (a->isSeparator() || a->property("i18nKeep").toBool())
            continue;
        const QString tip = a->toolTip();
        const bool ownTip = !tip.isEmpty() && tip != strippedText(a->text());
        if (!a->text().isEmpty())
            a->setText(retranslatedText(a, "text", a->text()));
        // A tooltip set to the action's text does not follow the text: it is
        // put into the new language like any other.
        const bool tipStayed =
            !tip.isEmpty() && a->toolTip() == tip && tip != strippedText(a->text());
        if (ownTip || tipStayed)
            a->setToolTip(retranslatedText(a, "toolTip", tip));
        if (!a->statusTip().isEmpty())
            a->setStatusTip(retranslatedText(a, "statusTip", a->statusTip()));
        if (QMenu *m = a->menu())
            m->setTitle(retranslatedText(m, "title", m->title()));
    }
}

void LanguageRuntime::fillMenu(QMenu *menu)
{
    menu->clear();
    auto *group = new QActionGroup(menu);
    for (int id : availableLanguages()) {
        const LanguageInfo *l = languageById(id);
        QAction *a = menu->addAction(l->name);
        a->setObjectName(QStringLiteral("Language_") + l->code);
        a->setData(id);
        a->setCheckable(true);
        // Language names are shown in their own language, not translated.
        a->setProperty("i18nKeep", true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, id] { chooseFromMenu(id); });
    }
    menu->setEnabled(!menu->isEmpty());
    if (!m_menus.contains(menu)) {
        m_menus.append(menu);
        connect(menu, &QObject::destroyed, this, [this, menu] { m_menus.removeAll(menu); });
    }
    updateMenuChecks();
}

void LanguageRuntime::updateMenuChecks()
{
    for (QMenu *m : std::as_const(m_menus))
        for (QAction *a : m->actions())
            a->setChecked(a->data().toInt() == m_current);
}

void LanguageRuntime::chooseFromMenu(int id)
{
    setLanguage(id);
    if (m_switched)
        m_switched();
}
