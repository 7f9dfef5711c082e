#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

// The program's help window: the contents of a help set on the left (with a
// search over the text of its pages), the page on the right; links between
// pages are followed inside the window, links to the web open in the browser.
class THelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit THelpWindow(QWidget *parent = nullptr);

    // Shows the page of a help context from a help set's folder.
    void showTopic(const QString &helpFolder, int context);
    // Shows a page by file name from the help set shown.
    void showPage(const QString &page);
    // Lists the pages of the help set shown whose text holds every word of
    // the query; returns their file names.
    QStringList search(const QString &query);

    QString helpFolder() const { return m_folder; }
    QString currentPage() const { return m_page; }
    QTextBrowser *browser() const { return m_browser; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void loadContents();
    void retranslateUi();
    QString pageTitle(const QString &page) const;

    QTabWidget *m_tabs;
    QListWidget *m_contents;
    QLineEdit *m_query;
    QListWidget *m_results;
    QTextBrowser *m_browser;
    QString m_folder;
    QString m_page;
};
