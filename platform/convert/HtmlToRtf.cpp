#include "platform/convert/HtmlToRtf.h"


#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstring>

static_assert(offsetof(HtmlToRtfOptions, measures) == 40, "layout");
static_assert(offsetof(HtmlToRtfOptions, word56) == 56, "layout");
static_assert(offsetof(HtmlToRtfOptions, word72) == 72, "layout");
static_assert(offsetof(HtmlToRtfOptions, languageId) == 80, "layout");
static_assert(offsetof(HtmlToRtfOptions, codePageIndex) == 84, "layout");
static_assert(offsetof(HtmlToRtfOptions, docTarget) == 88, "layout");
static_assert(offsetof(HtmlToRtfOptions, rtfTarget) == 96, "layout");
static_assert(offsetof(HtmlToRtfOptions, text1) == 104, "layout");
static_assert(offsetof(HtmlToRtfOptions, text2) == 254, "layout");
static_assert(offsetof(HtmlToRtfOptions, text3) == 404, "layout");
static_assert(offsetof(HtmlToRtfOptions, word1056) == 1056, "layout");
static_assert(offsetof(HtmlToRtfOptions, word1068) == 1068, "layout");

namespace HtmlToRtf {

HtmlToRtfOptions defaultOptions()
{
    HtmlToRtfOptions o;
    std::memset(&o, 0, sizeof o);
    for (std::int32_t &w : o.switches)
        w = 1;
    for (std::int32_t &w : o.measures)
        w = 10;
    o.word56 = 1;
    o.word72 = 10;
    o.languageId = 1033;
    o.word92 = 1;
    o.rtfTarget = 1;
    o.word1056 = 5;
    o.word1060 = 2;
    o.word1064 = 1;
    return o;
}

void setTarget(HtmlToRtfOptions &options, const QString &targetPath)
{
    const bool doc = targetPath.toUpper().contains(QLatin1String(".DOC"));
    options.docTarget = doc ? 2 : 0;
    options.rtfTarget = doc ? 0 : 1;
}

QByteArray toBytes(const HtmlToRtfOptions &options)
{
    QByteArray out(int(sizeof options), '\0');
    auto put = [&](int offset, std::int32_t v) {
        for (int k = 0; k < 4; ++k)
            out[offset + k] = char((std::uint32_t(v) >> (8 * k)) & 0xFF);
    };
    for (int i = 0; i < 10; ++i)
        put(4 * i, options.switches[i]);
    for (int i = 0; i < 4; ++i)
        put(40 + 4 * i, options.measures[i]);
    const std::int32_t words[] = {options.word56,     options.word60,        options.word64,
                                  options.word68,     options.word72,        options.word76,
                                  options.languageId, options.codePageIndex, options.docTarget,
                                  options.word92,     options.rtfTarget,     options.word100};
    for (int i = 0; i < 12; ++i)
        put(56 + 4 * i, words[i]);
    std::memcpy(out.data() + 104, options.text1, 150);
    std::memcpy(out.data() + 254, options.text2, 150);
    std::memcpy(out.data() + 404, options.text3, 650);
    put(1056, options.word1056);
    put(1060, options.word1060);
    put(1064, options.word1064);
    put(1068, options.word1068);
    return out;
}

const QStringList &codePageNames()
{
    static const QStringList names = {
        QStringLiteral("ISO-8859-1"),   QStringLiteral("ISO-8859-5"),
        QStringLiteral("KOI8-R"),       QStringLiteral("WINDOWS-1251"),
        QStringLiteral("UTF-8"),        QStringLiteral("WINDOWS-1254"),
        QStringLiteral("WINDOWS-1256"), QStringLiteral("WINDOWS-1250"),
        QStringLiteral("WINDOWS-1252"), QStringLiteral("WINDOWS-1253"),
        QStringLiteral("WINDOWS-1255"), QStringLiteral("WINDOWS-1257"),
        QStringLiteral("WINDOWS-1258")};
    return names;
}

int detectCodePage(const QString &html)
{
    // Markers in order of preference; the first one present wins.
    static const QLatin1String markers[] = {QLatin1String("encoding=\""),
                                            QLatin1String("charset=\""), QLatin1String("charset=")};
    int at = -1;
    int length = 0;
    for (const QLatin1String &marker : markers) {
        at = html.indexOf(marker);
        if (at >= 0) {
            length = int(marker.size());
            break;
        }
    }
    if (at < 0)
        return 0;
    const int start = at + length;
    int end = html.indexOf(u'"', start);
    if (end < 0)
        end = html.indexOf(u';', start);
    if (end < 0)
        return 0;
    const QString name = html.mid(start, end - start);
    if (name.isEmpty())
        return 0;
    const int index = int(codePageNames().indexOf(name.toUpper()));
    return index >= 0 ? index + 1 : -1;
}

int detectCodePageOfFile(const QString &htmlPath)
{
    QFile file(htmlPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return detectCodePage(QString::fromLatin1(file.readAll()));
}

QString resultMessage(int code)
{
    switch (code) {
    case 0:
        return QString();
    case 2:
        return QCoreApplication::translate("Converters", "Not enough memory");
    case 3:
        return QCoreApplication::translate("Converters", "Can't create HTML file");
    case 4:
        return QCoreApplication::translate("Converters", "Can't open RTF file");
    case 5:
        return QCoreApplication::translate("Converters", "RTF file has zero length");
    default:
        return QCoreApplication::translate("Converters", "Unknown Error");
    }
}

} // namespace HtmlToRtf
