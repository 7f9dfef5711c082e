#include "tests/export/ExportTestUtil.h"

#include "platform/db/SqliteEngine.h"

#include <QFile>

HeadlessStore::HeadlessStore(const QString &file)
    : dm(std::make_unique<TDM>(&host, std::make_unique<SqliteEngine>())),
      editors(std::make_unique<PageEditors>())
{
    dm->DBOpen(file, true);
}

HeadlessStore::~HeadlessStore()
{
    dm.reset();
    editors.reset();
}

QString readText(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString decodeReferences(const QString &html)
{
    static const QRegularExpression ref(QStringLiteral("&#(\\d+);"));
    QString out;
    qsizetype last = 0;
    auto it = ref.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(html).mid(last, m.capturedStart() - last);
        const char32_t code = m.captured(1).toUInt();
        out += QString::fromUcs4(&code, 1);
        last = m.capturedEnd();
    }
    out += QStringView(html).mid(last);
    return out;
}

QStringList imageSources(const QString &html)
{
    static const QRegularExpression img(QStringLiteral("<img\\b[^>]*?\\bsrc=\"([^\"]*)\""),
                                        QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    auto it = img.globalMatch(html);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

QStringList headings(const QString &html)
{
    static const QRegularExpression h(QStringLiteral("<H3><CENTER>(.*?)</CENTER></H3>"));
    QStringList out;
    auto it = h.globalMatch(html);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}
