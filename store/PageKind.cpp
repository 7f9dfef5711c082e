#include "store/PageKind.h"

#include <QHash>
#include <QVariant>

namespace PageKind {

namespace {
const QHash<int, QString> &names()
{
    static const QHash<int, QString> n{
        {Document, QStringLiteral("document")},  {Table, QStringLiteral("table")},
        {Chart, QStringLiteral("chart")},        {Picture, QStringLiteral("picture")},
        {Timeline, QStringLiteral("timeline")},  {Root, QStringLiteral("root")},
        {Folder, QStringLiteral("folder")},      {Diagram, QStringLiteral("diagram")},
        {WordCloud, QStringLiteral("wordcloud")}};
    return n;
}
} // namespace

bool holdsPageId(int kind)
{
    return kind != Root && kind != Folder;
}

int nodeKindForRow(const QVariant &rowKind)
{
    bool ok = false;
    const qint64 k = rowKind.toLongLong(&ok);
    if (!ok || rowKind.isNull())
        return NoEditor4;
    switch (k) {
    case Document:
    case Table:
    case Chart:
    case Picture:
    case NoEditor4:
    case HostDocument5:
    case HostDocument6:
    case HostDocument7:
    case Timeline:
    case NoEditor9:
    case Diagram:
    case WordCloud:
        return int(k);
    default:
        return NoEditor4;
    }
}

bool isPageKind(int kind)
{
    return kind >= Document && kind <= WordCloud && kind != Root && kind != Folder;
}

QString name(int kind)
{
    return names().value(kind, QString::number(kind));
}

bool parse(const QString &text, int *kind)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok) {
        *kind = n;
        return true;
    }
    const QString t = text.trimmed().toLower();
    for (auto it = names().cbegin(); it != names().cend(); ++it) {
        if (it.value() == t) {
            *kind = it.key();
            return true;
        }
    }
    if (t == QLatin1String("word-cloud") || t == QLatin1String("cloud")) {
        *kind = WordCloud;
        return true;
    }
    return false;
}

} // namespace PageKind
