#include "platform/wordproc/ReportHtml.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

// The index just after the '>' that ends the tag opened at pos. A quote opens a
// value only after '=', so that a stray apostrophe cannot swallow the document;
// an unterminated value ends at the first '>' after the tag's start. -1: no '>'.
int tagEnd(const QString &s, int pos)
{
    QChar quote;
    QChar previous;
    for (int i = pos + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if ((c == u'"' || c == u'\'') && previous == u'=') {
            quote = c;
            continue;
        }
        if (c == u'>')
            return i + 1;
        if (!c.isSpace())
            previous = c;
    }
    if (!quote.isNull()) {
        const int plain = s.indexOf(u'>', pos + 1);
        return plain < 0 ? -1 : plain + 1;
    }
    return -1;
}

// After the closing tag </name ...> that follows from, or the end of the text.
int afterClosing(const QString &s, int from, const QString &name)
{
    int at = from;
    while ((at = s.indexOf(QLatin1String("</") + name, at, Qt::CaseInsensitive)) >= 0) {
        const int next = at + 2 + int(name.size());
        if (next >= s.size() || !isNameChar(s.at(next))) {
            const int end = s.indexOf(u'>', next);
            return end < 0 ? int(s.size()) : end + 1;
        }
        at = next;
    }
    return int(s.size());
}

// Attribute value of a tag's text (case-insensitive name); empty when absent.
QString attribute(const QString &tag, const QString &name)
{
    static const QRegularExpression re(QStringLiteral(
        "([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
    auto it = re.globalMatch(tag);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (int g = 2; g <= 4; ++g)
            if (m.capturedStart(g) >= 0)
                return m.captured(g);
        return QString();
    }
    return QString();
}

ReportHtml::BaseFont parseBaseFont(const QString &tag)
{
    ReportHtml::BaseFont font;
    font.family = attribute(tag, QStringLiteral("face")).section(u',', 0, 0).trimmed();
    const QString size = attribute(tag, QStringLiteral("size")).trimmed();
    if (!size.isEmpty()) {
        bool ok = false;
        int n = size.toInt(&ok);
        if (ok && (size.startsWith(u'+') || size.startsWith(u'-')))
            n += 3; // relative to the default size 3
        if (ok)
            font.pointSize = ReportHtml::pointSizeOfHtmlSize(std::clamp(n, 1, 7));
    }
    const QString colour = attribute(tag, QStringLiteral("color")).trimmed();
    if (!colour.isEmpty()) {
        QColor c = QColor::fromString(colour);
        if (!c.isValid() && !colour.startsWith(u'#'))
            c = QColor::fromString(u'#' + colour);
        font.colour = c;
    }
    return font;
}

bool isPng(const QByteArray &b)
{
    return b.startsWith("\x89PNG\r\n\x1a\n");
}

bool isJpeg(const QByteArray &b)
{
    return b.startsWith("\xFF\xD8\xFF");
}

} // namespace

namespace ReportHtml {

double pointSizeOfHtmlSize(int size)
{
    static const double points[] = {8, 10, 12, 14, 18, 24, 36};
    return size >= 1 && size <= 7 ? points[size - 1] : 0;
}

Cleaned clean(const QString &html)
{
    Cleaned result;
    bool haveBaseFont = false;
    QString out;
    out.reserve(html.size() + 128);
    int openDivs = 0;
    int pos = 0;
    int copied = 0;
    auto flush = [&](int upTo) {
        if (upTo > copied)
            out += QStringView(html).mid(copied, upTo - copied);
    };
    auto takeBaseFont = [&](const QString &tag) {
        if (!haveBaseFont) {
            result.baseFont = parseBaseFont(tag);
            haveBaseFont = true;
        }
    };
    while ((pos = html.indexOf(u'<', pos)) >= 0) {
        if (pos + 1 >= html.size())
            break;
        const QChar first = html.at(pos + 1);
        if (html.mid(pos, 4) == QLatin1String("<!--")) {
            flush(pos);
            const int end = html.indexOf(QLatin1String("-->"), pos + 4);
            pos = copied = end < 0 ? int(html.size()) : end + 3;
            continue;
        }
        if (!(first.isLetter() || first == u'/' || first == u'!' || first == u'?')) {
            ++pos; // a "<" of the text
            continue;
        }
        const int end = tagEnd(html, pos);
        if (end < 0)
            break; // the rest is text
        const bool closing = first == u'/';
        int nameStart = pos + (closing ? 2 : 1);
        int nameEnd = nameStart;
        while (nameEnd < end && isNameChar(html.at(nameEnd)))
            ++nameEnd;
        const QString name = html.mid(nameStart, nameEnd - nameStart).toLower();
        const QString tag = html.mid(pos, end - pos);
        QString replacement;
        bool drop = false;
        int resume = end;
        if (first == u'!' || first == u'?') {
            drop = true; // doctype, processing instruction
        } else if (name == QLatin1String("html") || name == QLatin1String("meta") ||
                   name == QLatin1String("link")) {
            drop = true;
        } else if (name == QLatin1String("basefont")) {
            takeBaseFont(tag);
            drop = true;
        } else if (!closing && name == QLatin1String("head")) {
            // The head goes; its BASEFONT (the export writes one there) is kept. A head
            // that is never closed loses only its tag, not the rest of the document.
            if (html.indexOf(QLatin1String("</head"), end, Qt::CaseInsensitive) >= 0)
                resume = afterClosing(html, end, name);
            static const QRegularExpression baseFont(QStringLiteral("<basefont\\b[^>]*>"),
                                                     QRegularExpression::CaseInsensitiveOption);
            const QRegularExpressionMatch m =
                baseFont.match(QStringView(html).mid(end, resume - end));
            if (m.hasMatch())
                takeBaseFont(m.captured(0));
            drop = true;
        } else if (closing && name == QLatin1String("head")) {
            drop = true;
        } else if (!closing && (name == QLatin1String("title") || name == QLatin1String("style") ||
                                name == QLatin1String("script"))) {
            resume = afterClosing(html, end, name);
            drop = true;
        } else if (name == QLatin1String("body")) {
            drop = true;
            if (closing) {
                if (openDivs > 0) {
                    --openDivs;
                    replacement = QStringLiteral("</div>");
                }
            } else {
                QString attributes = html.mid(nameEnd, end - 1 - nameEnd).trimmed();
                if (attributes.endsWith(u'/'))
                    attributes.chop(1);
                if (!attributes.trimmed().isEmpty()) {
                    ++openDivs;
                    replacement = QStringLiteral("<div ") + attributes.trimmed() + u'>';
                }
            }
        }
        if (drop) {
            flush(pos);
            out += replacement;
            copied = resume;
        }
        pos = resume;
    }
    flush(int(html.size()));

    // A heading whose content is one centred block: a centred heading.
    static const QRegularExpression centred(
        QStringLiteral("<h([1-6])((?:\\s[^>]*)?)>\\s*<center>(.*?)</center>\\s*</h\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    if (out.contains(QLatin1String("<center"), Qt::CaseInsensitive)) {
        QString done;
        done.reserve(out.size());
        int from = 0;
        auto it = centred.globalMatch(out);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(3).contains(QLatin1String("<center"), Qt::CaseInsensitive))
                continue;
            done += QStringView(out).mid(from, m.capturedStart(0) - from);
            done += QStringLiteral("<h%1%2 align=\"center\">%3</h%1>")
                        .arg(m.captured(1), m.captured(2), m.captured(3));
            from = int(m.capturedEnd(0));
        }
        done += QStringView(out).mid(from);
        out = done;
    }
    result.html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>") + out +
                  QStringLiteral("</body></html>\n");
    return result;
}

QString spanStylesAsElements(const QString &html)
{
    static const QRegularExpression span(QStringLiteral("<span style=\"([^\"]*)\">(.*?)</span>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression bold(QStringLiteral("font-weight:\\s*([6-9]00|bold)"));
    QString out;
    out.reserve(html.size() + html.size() / 8);
    int copied = 0;
    auto it = span.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString style = m.captured(1);
        QStringList tags;
        if (bold.match(style).hasMatch())
            tags << QStringLiteral("strong");
        if (style.contains(QLatin1String("font-style:italic")))
            tags << QStringLiteral("em");
        if (style.contains(QLatin1String("underline")))
            tags << QStringLiteral("u");
        if (style.contains(QLatin1String("line-through")))
            tags << QStringLiteral("del");
        if (style.contains(QLatin1String("vertical-align:sub")))
            tags << QStringLiteral("sub");
        if (style.contains(QLatin1String("vertical-align:super")))
            tags << QStringLiteral("sup");
        if (tags.isEmpty())
            continue;
        out += QStringView(html).mid(copied, m.capturedStart(2) - copied);
        for (const QString &t : tags)
            out += u'<' + t + u'>';
        out += m.capturedView(2);
        for (auto t = tags.crbegin(); t != tags.crend(); ++t)
            out += QLatin1String("</") + *t + u'>';
        copied = int(m.capturedEnd(2));
    }
    out += QStringView(html).mid(copied);
    return out;
}

QString forPandoc(const QString &cleanedHtml, const QString &baseFolder)
{
    // Character styles written as CSS on spans become elements.
    QString out = spanStylesAsElements(cleanedHtml);

    // Styles of blocks and cells: pandoc reads none of them, and the grid writes one per
    // cell, which makes the HTML of a long report several times as large to parse.
    static const QRegularExpression blockStyle(
        QStringLiteral(
            "(<(?:td|th|tr|table|col|p|div|li|ul|ol)\\b[^>]*?)\\s+style\\s*=\\s*\"[^\"]*\""),
        QRegularExpression::CaseInsensitiveOption);
    out.replace(blockStyle, QStringLiteral("\\1"));

    static const QRegularExpression spacer(QStringLiteral("<p>\\s*&nbsp;\\s*</p>\\s*"),
                                           QRegularExpression::CaseInsensitiveOption);
    out.remove(spacer);

    // Pictures that pandoc would embed under a wrong type: inline as PNG.
    static const QRegularExpression img(
        QStringLiteral("(<img\\b[^>]*?\\ssrc\\s*=\\s*)(\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QString result;
    result.reserve(out.size());
    qsizetype copied = 0;
    const QDir base(baseFolder);
    auto pictures = img.globalMatch(out);
    while (pictures.hasNext()) {
        const QRegularExpressionMatch m = pictures.next();
        QString src = m.captured(3) + m.captured(4) + m.captured(5);
        if (src.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            continue;
        const QUrl url(src);
        QString path;
        if (url.isLocalFile())
            path = url.toLocalFile();
        else if (url.scheme().isEmpty() || url.scheme().size() == 1) // a drive letter
            path = base.absoluteFilePath(QUrl::fromPercentEncoding(src.toUtf8()));
        else
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        const QString suffix = QFileInfo(path).suffix().toLower();
        const bool pngOk = isPng(bytes) && suffix == QLatin1String("png");
        const bool jpegOk =
            isJpeg(bytes) && (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"));
        if (pngOk || jpegOk)
            continue;
        QString uri;
        if (isJpeg(bytes)) {
            uri = QLatin1String("data:image/jpeg;base64,") + QLatin1String(bytes.toBase64());
        } else {
            QByteArray png = bytes;
            if (!isPng(bytes)) {
                const QImage image = QImage::fromData(bytes);
                if (image.isNull())
                    continue;
                png.clear();
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                image.save(&buffer, "PNG");
            }
            uri = QLatin1String("data:image/png;base64,") + QLatin1String(png.toBase64());
        }
        result += QStringView(out).mid(copied, m.capturedStart(2) - copied);
        result += u'"' + uri + u'"';
        copied = int(m.capturedEnd(2));
    }
    result += QStringView(out).mid(copied);
    return result;
}

} // namespace ReportHtml
