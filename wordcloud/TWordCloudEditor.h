#pragma once

#include "store/PageContent.h"

#include <QWidget>
#include <memory>

class QAction;
class QMenu;
class QPrinter;
class TTagOptionsDlg;
class TzqWordCloud;

// The word-cloud page editor: one cloud control filling the form. The report
// store loads and saves the page's XML document through PageContent; a
// loaded page shows its stored arrangement fitted to the window, and only the
// options dialog lays the words out again. The operations of the main
// window's word-cloud toolbar are public methods and QActions named after
// them; the form also has its own context menu and keyboard shortcuts.
class TWordCloudEditor : public QWidget, public PageContent
{
    Q_OBJECT

public:
    explicit TWordCloudEditor(QWidget *parent = nullptr);
    ~TWordCloudEditor() override;

    // The filter of the picture save dialog, and its entries (1-based).
    static const QString SaveFilter;
    enum SaveFilterIndex
    {
        PngFilter = 1,
        BmpFilter,
        JpegFilter,
        SvgFilter
    };

    // PageContent
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    // Word-cloud documents (".xml").
    void loadFile(const QString &fileName) override;
    // "png", "bmp", "jpg", "svg", "xml".
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    // Operations of the word-cloud toolbar. Those that write throw TessaryError
    // when a file cannot be written; the actions below show the message.
    void SaveCloud();
    void PrintWordCloud();
    void CopyAsBitmap();
    void CopyAsMetafile();
    void ShowTagOptions();

    // A bitmap of the control's size holding what the control shows.
    QImage Snapshot();
    // Asks for a file and writes the bitmap as PNG, BMP or progressive JPEG
    // by the chosen filter (SVG is drawn from the cloud itself). The name's
    // extension is replaced by the filter's.
    void SavePicture(const QImage &bitmap);
    // Asks the print dialog, then prints the bitmap on one page.
    void PrintGraphic(const QImage &bitmap);
    // Where a picture of the given size lands on a page of the given size:
    // margins of 4 % left and right and 1.5 % at the top (and as much at the
    // bottom), scaled to fit with its proportions kept, centred across.
    static QRect PrintRect(const QSize &picture, const QSize &page);

    // The size a picture written by saveToFile has: the control's when it is
    // shown, else the size the arrangement was laid out at.
    QSize PictureSize() const;

    TzqWordCloud *zqWordCloud1;
    QMenu *PopupMenu1;
    QAction *MenuItem1; // "Copy as bitmap"
    QAction *MenuItem2; // "Copy as metafile"

    // Actions named after their operations: SaveCloud, PrintWordCloud,
    // CopyAsBitmap, CopyAsMetafile, ShowTagOptions, and CopyCloud, which
    // carries PopupMenu1 for a toolbar's copy button.
    QList<QAction *> CloudActions() const { return m_actions; }
    QAction *CloudAction(const QString &name) const;

    TTagOptionsDlg *TagOptionsDlg();
    // The printer the print dialog works on; kept from one print to the next.
    QPrinter *Printer();
    // Folder and file name the save dialog opens with.
    QString SaveFolder() const { return m_saveFolder; }
    QString SaveFileName() const { return m_saveFileName; }

private:
    QAction *addOperation(const QString &name, const QString &text, const QString &icon,
                          const QKeySequence &shortcut, void (TWordCloudEditor::*operation)());
    void writePicture(const QImage &bitmap, const QString &fileName, const char *format);
    void writeSvg(const QString &fileName, const QSize &size);

    QList<QAction *> m_actions;
    TTagOptionsDlg *m_optionsDlg = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    QString m_saveFolder;
    QString m_saveFileName;
    int m_saveFilterIndex = PngFilter;
};
