#include "wordcloud/TWordCloudEditor.h"

#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "wordcloud/TTagOptionsDlg.h"
#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqMath.h"
#include "wordcloud/TzqWordCloud.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

// The name with its extension (from the last dot of the file name on)
// replaced; a name without one gets it appended.
QString changeFileExt(const QString &fileName, const QString &ext)
{
    const QFileInfo fi(fileName);
    QString base = fi.fileName();
    const int dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    const QString folder = fi.path();
    return (folder == QLatin1String(".") && !fileName.startsWith(QLatin1String("./"))
                ? QString()
                : folder + QLatin1Char('/')) +
           base + ext;
}

void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TessaryError(QObject::tr("Cannot write the file %1: %2")
                               .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

} // namespace

// Translated where it is shown.
const QString TWordCloudEditor::SaveFilter = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "TWordCloudEditor", "Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|"
                        "JPEG (*.jpg)|*.jpg|Scalable Vector Graphics (*.svg)|*.svg"));

TWordCloudEditor::TWordCloudEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TWordCloudEditor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    zqWordCloud1 = new TzqWordCloud(this);
    zqWordCloud1->setObjectName(QStringLiteral("zqWordCloud1"));
    zqWordCloud1->SetAutoResizeCoverage(true);
    zqWordCloud1->SetFont(QFont(QStringLiteral("Arial"), 10));
    zqWordCloud1->SetParentColor(false);
    zqWordCloud1->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(zqWordCloud1);

    addOperation(QStringLiteral("SaveCloud"), tr("Save as picture..."),
                 QStringLiteral("document-save-as"), QKeySequence::Save,
                 &TWordCloudEditor::SaveCloud);
    addOperation(QStringLiteral("PrintWordCloud"), tr("Print..."), QStringLiteral("document-print"),
                 QKeySequence::Print, &TWordCloudEditor::PrintWordCloud);
    MenuItem1 = addOperation(QStringLiteral("CopyAsBitmap"), tr("Copy as bitmap"),
                             QStringLiteral("image-x-generic"), QKeySequence::Copy,
                             &TWordCloudEditor::CopyAsBitmap);
    MenuItem2 = addOperation(
        QStringLiteral("CopyAsMetafile"), tr("Copy as metafile"), QStringLiteral("image-svg+xml"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TWordCloudEditor::CopyAsMetafile);
    addOperation(QStringLiteral("ShowTagOptions"), tr("Options..."), QStringLiteral("configure"),
                 QKeySequence(), &TWordCloudEditor::ShowTagOptions);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(MenuItem1);
    PopupMenu1->addAction(MenuItem2);
    auto *copy = new QAction(QIcon::fromTheme(QStringLiteral("edit-copy")), tr("Copy"), this);
    copy->setObjectName(QStringLiteral("CopyCloud"));
    copy->setMenu(PopupMenu1);
    m_actions.append(copy);

    auto *context = new QMenu(this);
    context->addAction(MenuItem1);
    context->addAction(MenuItem2);
    context->addSeparator();
    context->addAction(CloudAction(QStringLiteral("SaveCloud")));
    context->addAction(CloudAction(QStringLiteral("PrintWordCloud")));
    context->addSeparator();
    context->addAction(CloudAction(QStringLiteral("ShowTagOptions")));
    zqWordCloud1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(zqWordCloud1, &QWidget::customContextMenuRequested, this,
            [this, context](const QPoint &pos) { context->popup(zqWordCloud1->mapToGlobal(pos)); });
}

TWordCloudEditor::~TWordCloudEditor() = default;

QAction *TWordCloudEditor::addOperation(const QString &name, const QString &text,
                                        const QString &icon, const QKeySequence &shortcut,
                                        void (TWordCloudEditor::*operation)())
{
    auto *action = new QAction(QIcon::fromTheme(icon), text, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, operation] {
        try {
            (this->*operation)();
        } catch (const TessaryError &e) {
            dialogs().message(this, e.message(), Dialogs::Icon::Error);
        }
    });
    addAction(action);
    m_actions.append(action);
    return action;
}

QAction *TWordCloudEditor::CloudAction(const QString &name) const
{
    for (QAction *a : m_actions)
        if (a->objectName() == name)
            return a;
    return nullptr;
}

// ---- PageContent -------------------------------------------------------------

QByteArray TWordCloudEditor::saveContent()
{
    return TzqCloudDocument::Write(*zqWordCloud1);
}

void TWordCloudEditor::loadContent(const QByteArray &bytes, const QString &pageInfo)
{
    Q_UNUSED(pageInfo)
    if (bytes.isEmpty()) {
        clearContent();
        return;
    }
    // Read in full before anything changes: a bad document leaves the page shown.
    const TzqCloudDocument document = TzqCloudDocument::Read(bytes);
    if (!document.VersionSupported)
        throw TzqDocumentError(tr("This word-cloud page is a document of version \"%1\"; this "
                                  "program reads version 1.0.")
                                   .arg(document.Version));
    document.Apply(*zqWordCloud1);
    zqWordCloud1->Repaint();
}

void TWordCloudEditor::clearContent()
{
    zqWordCloud1->ClearWords();
    zqWordCloud1->Repaint();
}

void TWordCloudEditor::loadFile(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) != 0)
        throw TessaryError(tr("Word-cloud pages are made from word-cloud documents (.xml); "
                              "%1 is not one.")
                               .arg(QFileInfo(fileName).fileName()));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TessaryError(tr("Cannot read the file %1: %2")
                               .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw TzqDocumentError(
            tr("The word-cloud document %1 is empty.").arg(QDir::toNativeSeparators(fileName)));
    loadContent(bytes, QString());
}

QStringList TWordCloudEditor::saveExtensions() const
{
    return {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpg"),
            QStringLiteral("svg"), QStringLiteral("xml")};
}

void TWordCloudEditor::saveToFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("xml"))
        writeBytes(fileName, saveContent());
    else if (suffix == QLatin1String("png"))
        writePicture(zqWordCloud1->ToImage(PictureSize()), fileName, "PNG");
    else if (suffix == QLatin1String("bmp"))
        writePicture(zqWordCloud1->ToImage(PictureSize()), fileName, "BMP");
    else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        writePicture(zqWordCloud1->ToImage(PictureSize()), fileName, "JPEG");
    else if (suffix == QLatin1String("svg"))
        writeSvg(fileName, PictureSize());
    else
        PageContent::saveToFile(fileName);
}

QImage TWordCloudEditor::renderImage(const QSize &size)
{
    return zqWordCloud1->ToImage(size).convertToFormat(QImage::Format_RGB32);
}

QSize TWordCloudEditor::PictureSize() const
{
    if (zqWordCloud1->isVisible())
        return zqWordCloud1->size();
    const TzqRect &r = zqWordCloud1->LayoutRect();
    const TzqMargins &m = zqWordCloud1->Margins();
    if (r.Width() > 0 && r.Height() > 0 && r.Right + m.Right > 0 && r.Bottom + m.Bottom > 0)
        return QSize(r.Right + m.Right, r.Bottom + m.Bottom);
    return QSize(800, 600);
}

// ---- operations --------------------------------------------------------------

QImage TWordCloudEditor::Snapshot()
{
    QImage bitmap(zqWordCloud1->size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    zqWordCloud1->render(&bitmap);
    return bitmap;
}

void TWordCloudEditor::SaveCloud()
{
    SavePicture(Snapshot());
}

void TWordCloudEditor::SavePicture(const QImage &bitmap)
{
    int filterIndex = m_saveFilterIndex;
    const QString start =
        m_saveFileName.isEmpty() ? m_saveFolder : QDir(m_saveFolder).filePath(m_saveFileName);
    QString name = dialogs().saveFileFiltered(this, tr("Save word cloud as picture"), start,
                                              tr(SaveFilter.toUtf8().constData()), filterIndex);
    if (name.isEmpty())
        return;
    m_saveFolder = QFileInfo(name).absolutePath();
    m_saveFilterIndex = filterIndex;
    switch (filterIndex) {
    case BmpFilter:
        name = changeFileExt(name, QStringLiteral(".BMP"));
        writePicture(bitmap, name, "BMP");
        break;
    case JpegFilter:
        name = changeFileExt(name, QStringLiteral(".JPG"));
        writePicture(bitmap, name, "JPEG");
        break;
    case SvgFilter:
        name = changeFileExt(name, QStringLiteral(".SVG"));
        writeSvg(name, bitmap.size());
        break;
    default:
        name = changeFileExt(name, QStringLiteral(".PNG"));
        writePicture(bitmap, name, "PNG");
        break;
    }
    m_saveFileName = QFileInfo(name).fileName();
}

void TWordCloudEditor::writePicture(const QImage &bitmap, const QString &fileName,
                                    const char *format)
{
    QImageWriter writer(fileName, format);
    if (qstrcmp(format, "JPEG") == 0) {
        writer.setQuality(90);
        writer.setProgressiveScanWrite(true);
    }
    // No alpha channel: the picture has no transparent colour.
    if (!writer.write(bitmap.convertToFormat(QImage::Format_RGB32)))
        throw TessaryError(tr("Cannot write the picture %1: %2")
                               .arg(QDir::toNativeSeparators(fileName), writer.errorString()));
}

void TWordCloudEditor::writeSvg(const QString &fileName, const QSize &size)
{
    writeBytes(fileName, zqWordCloud1->ToSvg(size));
}

QPrinter *TWordCloudEditor::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

void TWordCloudEditor::PrintWordCloud()
{
    PrintGraphic(Snapshot());
}

void TWordCloudEditor::PrintGraphic(const QImage &bitmap)
{
    QCoreApplication::processEvents();
    QPrinter *printer = Printer();
    if (!dialogs().print(this, printer))
        return;
    if (bitmap.isNull())
        return;
    const double ratio = double(bitmap.width()) / bitmap.height();
    printer->setPageOrientation(ratio > 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(printer))
        throw TessaryError(tr("Cannot print: the printer could not be started."));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PrintRect(bitmap.size(), QSize(printer->width(), printer->height())), bitmap);
    painter.end();
}

QRect TWordCloudEditor::PrintRect(const QSize &picture, const QSize &page)
{
    const int pw = page.width();
    const int ph = page.height();
    const int left = int(TzqMath::RoundHalfEven(pw * 0.04));
    const int top = int(TzqMath::RoundHalfEven(ph * 0.015));
    const int right = pw - left;
    const int bottom = ph - top;
    if (picture.isEmpty() || right <= left || bottom <= top)
        return QRect(left, top, 0, 0);
    const double s =
        std::min(double(right - left) / picture.width(), double(bottom - top) / picture.height());
    const int w = int(TzqMath::Round(picture.width() * s));
    const int h = int(TzqMath::Round(picture.height() * s));
    return QRect(left + (right - left - w) / 2, top, w, h);
}

void TWordCloudEditor::CopyAsBitmap()
{
    zqWordCloud1->CopyAsBitmap();
}

void TWordCloudEditor::CopyAsMetafile()
{
    zqWordCloud1->CopyAsMetafile();
}

TTagOptionsDlg *TWordCloudEditor::TagOptionsDlg()
{
    if (!m_optionsDlg)
        m_optionsDlg = new TTagOptionsDlg(zqWordCloud1, this);
    return m_optionsDlg;
}

void TWordCloudEditor::ShowTagOptions()
{
    TTagOptionsDlg *dlg = TagOptionsDlg();
    if (dlg->isVisible()) {
        dlg->raise();
        dlg->activateWindow();
        return;
    }
    dlg->open();
}
