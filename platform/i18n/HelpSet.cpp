#include "platform/i18n/HelpSet.h"

#include <QFile>

namespace {
QString g_current;
QStringList g_roots;
} // namespace

void HelpSet::setRoots(const QStringList &roots)
{
    g_roots = roots;
}

const QList<HelpSet::Topic> &HelpSet::topics()
{
    static const QList<Topic> list{
        {MainWindow, QStringLiteral("main.html")},
        {CommentBox, QStringLiteral("comment.html")},
        {NewItemDialog, QStringLiteral("newitem.html")},
        {DocumentEditor, QStringLiteral("document.html")},
        {TableEditor, QStringLiteral("table.html")},
        {ChartEditor, QStringLiteral("chart.html")},
        {PictureEditor, QStringLiteral("picture.html")},
        {DiagramEditor, QStringLiteral("diagram.html")},
        {WordCloudEditor, QStringLiteral("wordcloud.html")},
        {TimelineViewer, QStringLiteral("timeline.html")},
        {Intake, QStringLiteral("intake.html")},
        {ImportFiles, QStringLiteral("import.html")},
        {Export, QStringLiteral("export.html")},
        {GlobalFind, QStringLiteral("find.html")},
        {Settings, QStringLiteral("settings.html")},
    };
    return list;
}

QString HelpSet::pageOf(int context)
{
    for (const Topic &t : topics())
        if (t.context == context)
            return t.page;
    return topics().first().page;
}

QStringList HelpSet::defaultRoots(const QString &programFolder)
{
    if (!g_roots.isEmpty())
        return g_roots;
    QStringList roots;
    if (!programFolder.isEmpty())
        roots << programFolder + QStringLiteral("help/");
    roots << QStringLiteral(":/help/");
    return roots;
}

QString HelpSet::folderOf(const QString &helpFile)
{
    const QString f = helpFile.toUpper();
    if (f == QLatin1String("TESSARY.CHM"))
        return QStringLiteral("en");
    if (f == QLatin1String("VENDRALFR.CHM"))
        return QStringLiteral("fr");
    if (f == QLatin1String("VENDRALES.CHM"))
        return QStringLiteral("es");
    return QString();
}

QString HelpSet::locate(const QString &helpFile, const QStringList &roots)
{
    const QString folder = folderOf(helpFile);
    if (folder.isEmpty())
        return QString();
    for (const QString &root : roots) {
        const QString dir = root + folder + QLatin1Char('/');
        if (QFile::exists(dir + QStringLiteral("index.html")))
            return dir;
    }
    return QString();
}

QString HelpSet::current()
{
    return g_current;
}

void HelpSet::setCurrent(const QString &folder)
{
    g_current = folder;
}
