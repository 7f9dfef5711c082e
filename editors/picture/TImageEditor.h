#pragma once

#include "store/PageContent.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;
class QScrollArea;
class TImageView;

// The image editor ("Image Editor"): shows the working bitmap of a picture page
// in a scroll box at a zoom factor, reads picture files into it and writes it
// to files. Its stored form is the bitmap as a 24-bit BMP file image.
//
// Operations are public methods named as the program names them; each is also
// a QAction (objectName = the operation's name) for the main window's ImageBar
// and the form's own keyboard shortcuts.
class TImageEditor : public QWidget, public PageContent
{
    Q_OBJECT
public:
    // Filter of the save dialog: entry 1 PNG, 2 BMP, 3 JPEG.
    static const QString SaveFilter;

    explicit TImageEditor(QWidget *parent = nullptr);
    ~TImageEditor() override;

    // PageContent
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    void loadFile(const QString &fileName) override;
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    // Reads a picture file into the working bitmap. The decoder is chosen from
    // the whole path in upper case: ".JP" anywhere gives JPEG, else ".GIF"
    // GIF, else ".PNG" PNG, else the generic reader by the file's extension.
    // The control keeps its size until the next SetZoom. Throws TessaryError
    // (the picture is then empty).
    void LoadPictureFile(const QString &fileName);
    // Sizes the picture control to the bitmap at Zoom percent.
    void SetZoom();
    // Zoom by 10 percent steps (never below 20 going out); both show the zoom
    // in the status text, also when it did not change.
    void ZoomIn();
    void ZoomOut();
    // Asks for a file with the save dialog and writes picture in the format of
    // the chosen filter entry, the extension changed to match. Write errors
    // are shown in an error box; nothing is thrown.
    void SavePicture(const QImage &picture);
    // The pop-up command "Open file": asks for a picture file, reads it and
    // marks the page modified. A file that cannot be read is reported and
    // leaves the picture empty.
    void Load1Click();
    // Puts the picture on the clipboard (as an image and as image/png).
    void CopyToClipboard();

    // The working bitmap (ImageView's picture).
    const QImage &picture() const;
    int Zoom() const { return m_zoom; }
    TImageView *imageView() const { return ImageView; }
    QScrollArea *scrollBox() const { return ScrollBox1; }
    QMenu *popupMenu() const { return PopupMenu1; }
    // The operation's action: "Load1", "SavePicture", "CopyToClipboard",
    // "ZoomIn", "ZoomOut".
    QAction *action(const QString &name) const;

    // The decoder LoadPictureFile uses for a path ("jpeg", "gif", "png", or
    // empty for the generic reader).
    static QByteArray decoderForPath(const QString &fileName);
    // fileName with its extension (from the last dot of the name part)
    // replaced by ext, or ext appended when it has none.
    static QString changeFileExt(const QString &fileName, const QString &ext);

signals:
    // Text for the first panel of the main window's status bar (" 110%").
    void statusText(const QString &text);
    // The working bitmap was replaced or emptied.
    void pictureChanged();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QAction *addOperation(const QString &name, const QString &text, const QString &icon,
                          const QList<QKeySequence> &keys, const std::function<void()> &run);
    void updateActions();
    void showStatus();

    QScrollArea *ScrollBox1 = nullptr;
    TImageView *ImageView = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Load1 = nullptr;
    int m_zoom = 100;
    QString m_openFolder;
    QString m_saveFolder;
};
