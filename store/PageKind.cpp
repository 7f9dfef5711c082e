#include "store/PageKind.h"

#include <QHash>

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
