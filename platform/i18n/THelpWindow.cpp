#include "platform/i18n/THelpWindow.h"

#include "platform/i18n/HelpSet.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace {
QString readPage(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}
} // namespace

THelpWindow::THelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    resize(900, 620);
    auto *split = new QSplitter(this);
    m_tabs = new QTabWidget(split);
    m_contents = new QListWidget(m_tabs);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_tabs->addTab(m_contents, QString());
    auto *searchPage = new QWidget(m_tabs);
    auto *searchLayout = new QVBoxLayout(searchPage);
    m_query = new QLineEdit(searchPage);
    m_query->setObjectName(QStringLiteral("HelpQuery"));
    m_query->setClearButtonEnabled(true);
    m_results = new QListWidget(searchPage);
    m_results->setObjectName(QStringLiteral("HelpResults"));
    searchLayout->addWidget(m_query);
    searchLayout->addWidget(m_results);
    m_tabs->addTab(searchPage, QString());
    m_browser = new QTextBrowser(split);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(false);
    split->addWidget(m_tabs);
    split->addWidget(m_browser);
    split->setSizes({290, 610});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);

    auto open = [this](QListWidgetItem *item) {
        if (item)
            showPage(item->data(Qt::UserRole).toString());
    };
    connect(m_contents, &QListWidget::itemClicked, this, open);
    connect(m_results, &QListWidget::itemClicked, this, open);
    connect(m_query, &QLineEdit::returnPressed, this, [this] { search(m_query->text()); });
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme().startsWith(QLatin1String("http")) || url.scheme() == "mailto")
            QDesktopServices::openUrl(url);
        else
            showPage(url.path().section(QLatin1Char('/'), -1));
    });
    retranslateUi();
}

void THelpWindow::retranslateUi()
{
    setWindowTitle(tr("Tessary Help"));
    m_tabs->setTabText(0, tr("Contents"));
    m_tabs->setTabText(1, tr("Search"));
    m_query->setPlaceholderText(tr("Words to find, then Enter"));
}

void THelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QString THelpWindow::pageTitle(const QString &page) const
{
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto m = title.match(readPage(m_folder + page));
    return m.hasMatch() ? m.captured(1).trimmed() : page;
}

void THelpWindow::loadContents()
{
    m_contents->clear();
    m_results->clear();
    for (const HelpSet::Topic &t : HelpSet::topics()) {
        if (!QFile::exists(m_folder + t.page))
            continue;
        auto *item = new QListWidgetItem(pageTitle(t.page), m_contents);
        item->setData(Qt::UserRole, t.page);
    }
}

void THelpWindow::showTopic(const QString &helpFolder, int context)
{
    if (helpFolder != m_folder) {
        m_folder = helpFolder;
        loadContents();
    }
    m_tabs->setCurrentIndex(0);
    showPage(HelpSet::pageOf(context));
}

void THelpWindow::showPage(const QString &page)
{
    const QString html = readPage(m_folder + page);
    if (html.isEmpty())
        return;
    m_page = page;
    m_browser->setSearchPaths({m_folder});
    m_browser->setHtml(html);
    for (int i = 0; i < m_contents->count(); ++i)
        if (m_contents->item(i)->data(Qt::UserRole).toString() == page)
            m_contents->setCurrentRow(i);
}

QStringList THelpWindow::search(const QString &query)
{
    m_results->clear();
    QStringList found;
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return found;
    for (const HelpSet::Topic &t : HelpSet::topics()) {
        const QString text =
            QTextDocumentFragment::fromHtml(readPage(m_folder + t.page)).toPlainText();
        if (text.isEmpty())
            continue;
        bool all = true;
        for (const QString &w : words)
            all = all && text.contains(w, Qt::CaseInsensitive);
        if (!all)
            continue;
        found << t.page;
        auto *item = new QListWidgetItem(pageTitle(t.page), m_results);
        item->setData(Qt::UserRole, t.page);
    }
    m_tabs->setCurrentIndex(1);
    if (found.isEmpty())
        new QListWidgetItem(tr("No page holds these words."), m_results);
    return found;
}
