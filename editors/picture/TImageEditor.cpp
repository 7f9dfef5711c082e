#include "editors/picture/TImageEditor.h"

#include "editors/picture/PictureLogging.h"
#include "editors/picture/TImageView.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/imaging/Bmp24.h"
#include "platform/imaging/PictureReader.h"
#include "platform/imaging/PictureWriter.h"
#include "store/PageState.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

// Translated where it is shown.
const QString TImageEditor::SaveFilter = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "TImageEditor", "Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|"
                    "JPEG (*.jpg)|*.jpg"));

namespace {

// Rounds half to even (the default floating-point rounding mode).
qint64 roundHalfEven(double v)
{
    return qint64(std::nearbyint(v));
}

} // namespace

TImageEditor::TImageEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TImageEditor"));
    setWindowTitle(tr("Image Editor"));

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->viewport()->setBackgroundRole(QPalette::Window);
    ScrollBox1->viewport()->setAutoFillBackground(true);

    ImageView = new TImageView;
    ImageView->resize(0, 0);
    ScrollBox1->setWidget(ImageView);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);

    // No shortcut for "Open file": Ctrl+O opens a report in the main window.
    Load1 = addOperation(QStringLiteral("Load1"), tr("Open file"), QStringLiteral("document-open"),
                         {}, [this] { Load1Click(); });
    addOperation(QStringLiteral("SavePicture"), tr("Save picture"),
                 QStringLiteral("document-save-as"), {QKeySequence::Save},
                 [this] { SavePicture(picture()); });
    addOperation(QStringLiteral("CopyToClipboard"), tr("Copy"), QStringLiteral("edit-copy"),
                 {QKeySequence::Copy}, [this] { CopyToClipboard(); });
    addOperation(QStringLiteral("ZoomIn"), tr("Zoom in"), QStringLiteral("zoom-in"),
                 {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                 [this] { ZoomIn(); });
    addOperation(QStringLiteral("ZoomOut"), tr("Zoom out"), QStringLiteral("zoom-out"),
                 {QKeySequence::ZoomOut}, [this] { ZoomOut(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(Load1);
    updateActions();
}

TImageEditor::~TImageEditor() = default;

QAction *TImageEditor::addOperation(const QString &name, const QString &text, const QString &icon,
                                    const QList<QKeySequence> &keys,
                                    const std::function<void()> &run)
{
    auto *a = new QAction(QIcon::fromTheme(icon), text, this);
    a->setObjectName(name);
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(a, &QAction::triggered, this, run);
    addAction(a);
    return a;
}

QAction *TImageEditor::action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

const QImage &TImageEditor::picture() const
{
    return ImageView->picture();
}

void TImageEditor::updateActions()
{
    const bool has = !picture().isNull();
    action(QStringLiteral("SavePicture"))->setEnabled(has);
    action(QStringLiteral("CopyToClipboard"))->setEnabled(has);
}

// ---- Stored form -----------------------------------------------------------

QByteArray TImageEditor::saveContent()
{
    return Bmp24::encode(picture());
}

void TImageEditor::loadContent(const QByteArray &bytes, const QString &)
{
    ImageView->clearPicture();
    try {
        ImageView->setPicture(PictureReader::readBytes(bytes));
    } catch (...) {
        updateActions();
        emit pictureChanged();
        throw;
    }
    SetZoom();
    updateActions();
    emit pictureChanged();
}

void TImageEditor::clearContent()
{
    ImageView->clearPicture();
    updateActions();
    emit pictureChanged();
}

void TImageEditor::loadFile(const QString &fileName)
{
    LoadPictureFile(fileName);
}

QStringList TImageEditor::saveExtensions() const
{
    return {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpg"),
            QStringLiteral("gif")};
}

void TImageEditor::saveToFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (!saveExtensions().contains(ext) && ext != QLatin1String("jpeg"))
        return PageContent::saveToFile(fileName);
    PictureWriter::writeFile(picture(), fileName);
}

QImage TImageEditor::renderImage(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    ImageView->paintPicture(painter, QRect(QPoint(0, 0), ImageView->size()), image.rect());
    return image;
}

// ---- Reading ---------------------------------------------------------------

QByteArray TImageEditor::decoderForPath(const QString &fileName)
{
    const QString upper = fileName.toUpper();
    if (upper.contains(QLatin1String(".JP")))
        return QByteArrayLiteral("jpeg");
    if (upper.contains(QLatin1String(".GIF")))
        return QByteArrayLiteral("gif");
    if (upper.contains(QLatin1String(".PNG")))
        return QByteArrayLiteral("png");
    return QByteArray();
}

void TImageEditor::LoadPictureFile(const QString &fileName)
{
    ImageView->clearPicture(); // frees the old picture before the new one is decoded
    updateActions();
    emit pictureChanged();
    QImage bitmap = PictureReader::readFile(fileName, decoderForPath(fileName));
    qCDebug(lcPicture) << "Loaded" << fileName << bitmap.size();
    ImageView->setPicture(std::move(bitmap));
    updateActions();
    emit pictureChanged();
}

void TImageEditor::Load1Click()
{
    const QString fileName =
        dialogs().openFile(this, tr("Open file"), m_openFolder, PictureReader::openFilter(), 1);
    if (fileName.isEmpty())
        return;
    m_openFolder = QFileInfo(fileName).absolutePath();
    try {
        LoadPictureFile(fileName);
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
        return;
    }
    PageModified = true;
}

// ---- Zoom ------------------------------------------------------------------

void TImageEditor::SetZoom()
{
    const QSize size = picture().size();
    const qint64 w = roundHalfEven(double(qint64(m_zoom) * size.width()) / 100.0);
    const qint64 h = roundHalfEven(double(qint64(m_zoom) * size.height()) / 100.0);
    ImageView->resize(int(qMin<qint64>(w, QWIDGETSIZE_MAX)), int(qMin<qint64>(h, QWIDGETSIZE_MAX)));
}

void TImageEditor::showStatus()
{
    emit statusText(QStringLiteral(" %1%").arg(m_zoom));
}

void TImageEditor::ZoomIn()
{
    m_zoom = int(roundHalfEven((m_zoom + 10) / 10.0) * 10);
    SetZoom();
    showStatus();
}

void TImageEditor::ZoomOut()
{
    if (m_zoom > 20)
        m_zoom = int(roundHalfEven((m_zoom - 10) / 10.0) * 10);
    SetZoom();
    showStatus();
}

// ---- Writing ---------------------------------------------------------------

QString TImageEditor::changeFileExt(const QString &fileName, const QString &ext)
{
    const int slash =
        qMax(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return fileName.left(dot) + ext;
    return fileName + ext;
}

void TImageEditor::SavePicture(const QImage &picture)
{
    struct
    {
        QString fileName;
        int filterIndex = 1;
    } choice;
    choice.fileName =
        dialogs().saveFileFiltered(this, tr("Save picture"), m_saveFolder,
                                   tr(SaveFilter.toUtf8().constData()), choice.filterIndex);
    if (choice.fileName.isEmpty())
        return;
    m_saveFolder = QFileInfo(choice.fileName).absolutePath();
    try {
        switch (choice.filterIndex) {
        case 1:
            PictureWriter::writePng(picture,
                                    changeFileExt(choice.fileName, QStringLiteral(".PNG")));
            break;
        case 2:
            PictureWriter::writeBmp(picture,
                                    changeFileExt(choice.fileName, QStringLiteral(".BMP")));
            break;
        case 3:
            PictureWriter::writeJpeg(
                picture, changeFileExt(choice.fileName, QStringLiteral(".JPG")), 90, false);
            break;
        default:
            qCWarning(lcPicture) << "Save dialog returned no filter entry; nothing written";
            break;
        }
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
    }
}

void TImageEditor::CopyToClipboard()
{
    if (picture().isNull())
        return;
    auto *mime = new QMimeData;
    mime->setImageData(picture());
    // A fast PNG (light compression): large photographs copy quickly.
    mime->setData(QStringLiteral("image/png"), PictureWriter::pngBytes(picture(), 80));
    QGuiApplication::clipboard()->setMimeData(mime);
}

// ---- Pop-up ----------------------------------------------------------------

void TImageEditor::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->popup(event->globalPos());
    event->accept();
}
