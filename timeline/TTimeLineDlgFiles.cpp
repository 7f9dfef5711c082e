#include "timeline/TTimeLineDlg.h"

#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/paths/Paths.h"
#include "platform/timebar/BgrColor.h"
#include "platform/timebar/TTimeBar.h"
#include "timeline/TTimeLineOptionsDlg.h"
#include "timeline/TimeLineLogging.h"
#include "timeline/TimeLineText.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QToolButton>

// ---- Pictures and options --------------------------------------------------------

void TTimeLineDlg::SaveChart()
{
    const QString filter = tr("PNG file (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|"
                              "Bitmaps (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif");
    QString name =
        dialogs().saveFile(this, tr("Save to file"), QString(), filter, QStringLiteral("png"));
    if (name.isEmpty())
        return;
    QString ext = QFileInfo(name).suffix().toLower();
    if (ext == QLatin1String("jpeg"))
        ext = QStringLiteral("jpg");
    if (!QStringList{"png", "jpg", "bmp", "gif"}.contains(ext)) {
        const QString suffix = QFileInfo(name).suffix();
        if (!suffix.isEmpty())
            name.chop(suffix.size() + 1);
        ext = QStringLiteral("png");
        name += QStringLiteral(".png");
    }
    try {
        TimeLine->SaveToFile(name, ext, 100);
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
    }
}

void TTimeLineDlg::CopyChart()
{
    QString folder = paths().TempFolder;
    if (folder.isEmpty())
        folder = QDir::tempPath() + QLatin1Char('/');
    const QString file = folder + QStringLiteral("Temp.bmp");
    try {
        TimeLine->SaveToFile(file, QStringLiteral("bmp"));
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
        return;
    }
    const QImage image(file);
    if (!image.isNull())
        QApplication::clipboard()->setImage(image);
}

void TTimeLineDlg::PrintChart()
{
    dialogs().message(this, tr("Not available yet!"));
}

void TTimeLineDlg::ShowOptions()
{
    TTimeLineOptionsDlg dlg(TimeLine, this);
    OptionsDialog = &dlg;
    dlg.exec();
    OptionsDialog = nullptr;
    modified();
}

// ---- PageContent -----------------------------------------------------------------

QByteArray TTimeLineDlg::saveContent()
{
    TimeLineDocument doc = TTimeLineOptionsDlg::DocumentOf(*TimeLine, Descriptions);
    // The highlight is a view state: the selected event is stored in its own colour.
    if (Selected >= 0 && Selected < doc.Events.size())
        doc.Events[Selected].AnnotationColor = BgrColor::fromColor(SavedAnnotationColor);
    return TimeLineText::Write(doc, locale()).toUtf8();
}

void TTimeLineDlg::afterLoad(const TimeLineDocument &doc, const QString &source)
{
    LoadProblems = doc.Problems;
    PositionMode = Pos0->isChecked() ? 0 : Pos1->isChecked() ? 1 : 2;
    PositionClick();
    AdjustScale();
    TimeLineScrolled(TimeLine->RangeFrom());
    if (LoadProblems.isEmpty())
        return;
    QStringList lines;
    for (const TimeLineProblem &p : LoadProblems) {
        qCWarning(lcTimeLine).noquote() << source << p.Message;
        if (lines.size() < 12)
            lines << p.Message;
    }
    if (LoadProblems.size() > lines.size())
        lines << tr("(and %1 more)").arg(LoadProblems.size() - lines.size());
    if (isVisible())
        dialogs().message(this,
                          tr("Some lines of %1 could not be read; the rest is loaded.\n\n%2")
                              .arg(source, lines.join(QLatin1Char('\n'))),
                          Dialogs::Icon::Warning);
}

void TTimeLineDlg::loadContent(const QByteArray &bytes, const QString &)
{
    const QString text = TimeLineText::Decode(bytes);
    const TimeLineDocument doc = TimeLineText::Read(text, locale());
    if (!text.trimmed().isEmpty() && doc.Records == 0)
        throw TessaryError(tr("The page does not hold a timeline: none of its lines is a "
                              "timeline record."));
    Timer1->stop();
    Selected = -1;
    ClickFlag = false;
    TTimeLineOptionsDlg::ApplyDocument(doc, *TimeLine, Descriptions);
    afterLoad(doc, tr("the timeline"));
}

void TTimeLineDlg::clearContent()
{
    Timer1->stop();
    Selected = -1;
    ClickFlag = false;
    TimeLine->ClearIndicators();
    Descriptions.clear();
    LoadProblems.clear();
}

void TTimeLineDlg::loadFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TessaryError(tr("Cannot read the timeline file %1: %2")
                               .arg(QFileInfo(fileName).fileName(), file.errorString()));
    const QString text = TimeLineText::Decode(file.readAll());
    const TimeLineDocument doc = TimeLineText::Read(text, locale());
    if (!text.trimmed().isEmpty() && doc.Records == 0)
        throw TessaryError(tr("The file %1 is not a timeline text file: none of its lines is a "
                              "timeline record.")
                               .arg(QFileInfo(fileName).fileName()));
    Timer1->stop();
    Selected = -1;
    ClickFlag = false;
    TTimeLineOptionsDlg::ApplyDocument(doc, *TimeLine, Descriptions);
    afterLoad(doc, QFileInfo(fileName).fileName());
}

QStringList TTimeLineDlg::saveExtensions() const
{
    return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
            QStringLiteral("bmp"), QStringLiteral("gif"), QStringLiteral("txt"),
            QStringLiteral("tml")};
}

void TTimeLineDlg::saveToFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    // The timeline text: ".tml" names it, ".txt" is read back as a timeline
    // when it is imported because its lines are timeline records.
    if (ext == QLatin1String("txt") || ext == QLatin1String("tml")) {
        QFile file(fileName);
        const QByteArray bytes = saveContent();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            throw TessaryError(tr("Cannot write the timeline file %1: %2")
                                   .arg(QFileInfo(fileName).fileName(), file.errorString()));
        return;
    }
    if (!QStringList{"png", "jpg", "jpeg", "bmp", "gif"}.contains(ext))
        throw TessaryError(tr("A timeline cannot be written as \"%1\".").arg(ext));
    TimeLine->SaveToFile(fileName, ext, 100);
}

QImage TTimeLineDlg::renderImage(const QSize &size)
{
    const QSize old = TimeLine->size();
    TimeLine->resize(size);
    applyMargin();
    const QImage image = TimeLine->ToImage();
    TimeLine->resize(old);
    applyMargin();
    return image;
}
