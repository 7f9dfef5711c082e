#pragma once

#include <QPageLayout>
#include <QTextEdit>
#include <QTextListFormat>
#include <QTextOption>
#include <functional>

class QPrinter;
class WPLanguage;

// The word-processor control: a QTextEdit whose document is edited with
// character styles, paragraph formats, lists with levels, tab stops, tables,
// pictures and hyperlinks, and which prints and moves text through the
// clipboard in plain text, HTML and RTF. Formatting applies to the selection,
// or, without one, to what is typed next (characters) or the current paragraph.
class WPView : public QTextEdit
{
    Q_OBJECT
public:
    // What the page set-up dialog sets: paper, orientation, margins, and the
    // distance of header and footer from the paper's edge (millimetres).
    struct PageSettings
    {
        QPageLayout layout;
        qreal headerMargin = 12.5;
        qreal footerMargin = 12.5;
    };

    explicit WPView(QWidget *parent = nullptr);
    ~WPView() override;

    WPLanguage *language() const { return m_language; }
    // The text in the active language of the dialogs.
    QString wpText(const QString &english) const;

    // Character styles.
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    void setStrikeOut(bool on);
    void setSubscript(bool on);
    void setSuperscript(bool on);
    void setFontName(const QString &family);
    void setFontSize(qreal points);
    void setCharColor(const QColor &color);
    // An invalid colour removes the background colour.
    void setCharBackground(const QColor &color);
    // Applies change to the character format of every part of the selection,
    // or to the format of what is typed next when nothing is selected.
    void changeCharFormat(const std::function<void(QTextCharFormat &)> &change);

    // Paragraphs (all paragraphs the selection touches).
    void setParagraphAlignment(Qt::Alignment alignment);
    void changeBlockFormat(const std::function<void(QTextBlockFormat &)> &change);
    void setTabStops(const QList<QTextOption::Tab> &tabs);
    QList<QTextOption::Tab> tabStops() const;

    // Lists. A style of ListStyleUndefined takes the paragraphs out of their list.
    void setListStyle(QTextListFormat::Style style);
    void toggleBullets();
    void toggleNumbers();
    // One level deeper (+1) or higher (-1): list items change their level,
    // other paragraphs their indent.
    void changeLevel(int delta);
    static QTextListFormat::Style styleForLevel(bool numbered, int level);

    // Tables on the cursor (see WPTables).
    void createTable(int rows, int columns, bool withBorders = true);
    bool insertRow();
    bool deleteRow();
    bool selectRow();
    bool insertColumn();
    bool deleteColumn();
    bool selectColumn();
    bool setCellBorders(int sides, bool on);
    bool toggleCellBorders(int sides);
    bool inTable() const;

    // Pictures and links. insertPicture throws TessaryError when the file is
    // not a picture it can read.
    void insertPicture(const QString &fileName);
    void insertImage(const QImage &image, const QString &baseName = QString());
    void insertHyperlink(const QString &url, const QString &text);

    // Find and replace from the cursor; wraps around once. replaceNext
    // replaces the current match (when the selection is one) and finds the next.
    bool findNext(const QString &text, QTextDocument::FindFlags flags);
    bool replaceNext(const QString &text, const QString &replacement,
                     QTextDocument::FindFlags flags);
    int replaceAll(const QString &text, const QString &replacement, QTextDocument::FindFlags flags);

    // Page set-up and printing.
    const PageSettings &pageSettings() const { return m_page; }
    void setPageSettings(const PageSettings &settings);
    // Prints the whole document on printer with the page settings' layout.
    void printDocument(QPrinter *printer) const;
    // Writes the document as a PDF file; throws TessaryError when it cannot.
    void writePdf(const QString &fileName) const;

    // Copies the picture resources that the pictures of from refer to into to.
    static void copyImageResources(const QTextDocument *from, QTextDocument *to);

signals:
    // The content changed (text or format).
    void contentChanged();
    // The character format at the caret changed, or the caret moved.
    void caretFormatChanged(const QTextCharFormat &format);
    // The caret moved into another paragraph or the paragraph's format changed.
    void paragraphChanged();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void forEachSelectedBlock(const std::function<void(QTextBlock &)> &visit);
    QTextList *listToJoin(const QTextBlock &block, int level, bool numbered) const;

    WPLanguage *m_language;
    PageSettings m_page;
    int m_imageCount = 0;
};
