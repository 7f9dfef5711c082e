#include "platform/wordproc/DocumentImages.h"

#include "platform/wordproc/WordprocLogging.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <QVariantHash>

namespace {

const char kBytesProperty[] = "tessaryImageBytes";

bool isJpeg(const QByteArray &b)
{
    return b.size() > 3 && quint8(b[0]) == 0xFF && quint8(b[1]) == 0xD8 && quint8(b[2]) == 0xFF;
}
bool isPng(const QByteArray &b)
{
    return b.startsWith("\x89PNG\r\n\x1a\n");
}

QByteArray encodePng(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

// Finds the value of the src attribute of the img tag starting at tagStart; returns
// the value range in [valueStart, valueEnd).
bool findSrc(const QString &html, int tagStart, int tagEnd, int *valueStart, int *valueEnd)
{
    int i = tagStart;
    while (true) {
        i = html.indexOf(QLatin1String("src"), i, Qt::CaseInsensitive);
        if (i < 0 || i >= tagEnd)
            return false;
        const QChar before = html.at(i - 1);
        int j = i + 3;
        while (j < tagEnd && html.at(j).isSpace())
            ++j;
        if (!before.isSpace() || j >= tagEnd || html.at(j) != u'=') {
            i += 3;
            continue;
        }
        ++j;
        while (j < tagEnd && html.at(j).isSpace())
            ++j;
        if (j >= tagEnd)
            return false;
        const QChar quote = html.at(j);
        if (quote == u'"' || quote == u'\'') {
            const int close = html.indexOf(quote, j + 1);
            if (close < 0 || close > tagEnd)
                return false;
            *valueStart = j + 1;
            *valueEnd = close;
        } else {
            int k = j;
            while (k < tagEnd && !html.at(k).isSpace() && html.at(k) != u'>')
                ++k;
            *valueStart = j;
            *valueEnd = k;
        }
        return true;
    }
}

// Calls replace(value) for the src of every img tag and rebuilds the HTML.
template <typename F> QString rewriteSources(const QString &html, F replace)
{
    QString out;
    int copied = 0;
    int pos = 0;
    while ((pos = html.indexOf(QLatin1String("<img"), pos, Qt::CaseInsensitive)) >= 0) {
        const int tagEnd = html.indexOf(u'>', pos);
        if (tagEnd < 0)
            break;
        int vs = 0, ve = 0;
        if (findSrc(html, pos + 4, tagEnd, &vs, &ve)) {
            const QString replacement = replace(html.mid(vs, ve - vs));
            if (!replacement.isNull()) {
                if (out.isEmpty())
                    out.reserve(html.size());
                out += QStringView(html).mid(copied, vs - copied);
                out += replacement;
                copied = ve;
            }
        }
        pos = tagEnd;
    }
    if (copied == 0)
        return html;
    out += QStringView(html).mid(copied);
    return out;
}

QString unescapeHtml(const QString &s)
{
    if (!s.contains(u'&'))
        return s;
    QString r = s;
    r.replace(QLatin1String("&quot;"), QLatin1String("\""));
    r.replace(QLatin1String("&#39;"), QLatin1String("'"));
    r.replace(QLatin1String("&lt;"), QLatin1String("<"));
    r.replace(QLatin1String("&gt;"), QLatin1String(">"));
    r.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return r;
}

} // namespace

QString DocumentImages::nameFor(const QByteArray &bytes)
{
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("image-%1.%2")
        .arg(QString::fromLatin1(hash.left(20)),
             isJpeg(bytes) ? QStringLiteral("jpg") : QStringLiteral("png"));
}

QString DocumentImages::add(QTextDocument *doc, const QByteArray &bytes)
{
    return add(doc, nameFor(bytes), bytes);
}

QString DocumentImages::add(QTextDocument *doc, const QString &name, const QByteArray &bytes)
{
    QImage image;
    if (!image.loadFromData(bytes))
        return QString();
    doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    if (isPng(bytes) || isJpeg(bytes)) {
        QVariantHash remembered = doc->property(kBytesProperty).toHash();
        remembered.insert(name, bytes);
        doc->setProperty(kBytesProperty, remembered);
    }
    return name;
}

QByteArray DocumentImages::bytes(const QTextDocument *doc, const QString &name, QByteArray *format)
{
    const QVariant remembered = doc->property(kBytesProperty).toHash().value(name);
    QByteArray out;
    if (remembered.isValid()) {
        out = remembered.toByteArray();
    } else {
        const QVariant v = doc->resource(QTextDocument::ImageResource, QUrl(name));
        if (v.userType() == QMetaType::QByteArray) {
            const QByteArray raw = v.toByteArray();
            out = (isPng(raw) || isJpeg(raw)) ? raw : encodePng(QImage::fromData(raw));
        } else if (v.userType() == QMetaType::QImage) {
            out = encodePng(v.value<QImage>());
        } else if (v.userType() == QMetaType::QPixmap) {
            out = encodePng(v.value<QPixmap>().toImage());
        }
    }
    if (out.isEmpty() || (!isPng(out) && !isJpeg(out)))
        return QByteArray();
    if (format)
        *format = isJpeg(out) ? QByteArray("jpeg") : QByteArray("png");
    return out;
}

QString DocumentImages::embed(const QTextDocument *doc, const QString &html)
{
    QHash<QString, QString> done;
    return rewriteSources(html, [&](const QString &src) -> QString {
        if (src.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            return QString();
        const auto it = done.constFind(src);
        if (it != done.constEnd())
            return *it;
        QByteArray format;
        const QByteArray data = bytes(doc, unescapeHtml(src), &format);
        if (data.isEmpty()) {
            qCWarning(lcWordproc) << "picture" << src << "has no data; kept as a reference";
            return QString();
        }
        const QString uri = QLatin1String("data:image/") + QLatin1String(format) +
                            QLatin1String(";base64,") + QLatin1String(data.toBase64());
        done.insert(src, uri);
        return uri;
    });
}

QString DocumentImages::embedFiles(const QString &html, const QString &baseDir,
                                   QHash<QString, QByteArray> *cache)
{
    const QDir base(baseDir);
    return rewriteSources(html, [&](const QString &src) -> QString {
        const QString value = unescapeHtml(src);
        if (value.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            return QString();
        const QUrl url(value);
        QString path;
        if (url.isLocalFile())
            path = url.toLocalFile();
        else if (url.scheme().isEmpty())
            path = base.absoluteFilePath(QUrl::fromPercentEncoding(value.toUtf8()));
        else
            return QString(); // a web address stays as it is
        path = QDir::cleanPath(path);
        QByteArray data;
        if (cache && cache->contains(path)) {
            data = cache->value(path);
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return QString();
            data = file.readAll();
            if (cache)
                cache->insert(path, data);
        }
        QByteArray format;
        if (isJpeg(data)) {
            format = "jpeg";
        } else if (isPng(data)) {
            format = "png";
        } else {
            data = encodePng(QImage::fromData(data));
            format = "png";
            if (!isPng(data))
                return QString();
        }
        return QLatin1String("data:image/") + QLatin1String(format) + QLatin1String(";base64,") +
               QLatin1String(data.toBase64());
    });
}

QString DocumentImages::extract(const QString &html, NamedBytes *pictures, QStringList *warnings)
{
    QHash<QString, QString> seen;
    bool warned = false;
    return rewriteSources(html, [&](const QString &src) -> QString {
        if (!src.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            return QString();
        const int comma = src.indexOf(u',');
        const QString header = comma < 0 ? QString() : src.left(comma);
        QByteArray data;
        if (comma >= 0 && header.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)) {
            QByteArray encoded = src.mid(comma + 1).toLatin1();
            encoded.replace("&#10;", "").replace("&#13;", "");
            const auto decoded = QByteArray::fromBase64Encoding(
                encoded, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
            if (decoded)
                data = *decoded;
        } else if (comma >= 0) {
            data = QByteArray::fromPercentEncoding(src.mid(comma + 1).toLatin1());
        }
        QImageReader probe;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        probe.setDevice(&buffer);
        if (data.isEmpty() || !probe.canRead()) {
            if (warnings && !warned)
                *warnings << QCoreApplication::translate(
                    "WordProcessor", "A picture embedded in the document could not be "
                                     "decoded and is shown as missing.");
            warned = true;
            return QStringLiteral("missing-picture");
        }
        const QString name = nameFor(data);
        if (!seen.contains(name)) {
            seen.insert(name, name);
            pictures->append({name, data});
        }
        return name;
    });
}
