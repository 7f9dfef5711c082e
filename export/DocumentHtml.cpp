#include "export/DocumentHtml.h"

#include "platform/TessaryError.h"
#include "platform/wordproc/DocumentImages.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

namespace {
// A file name made of the resource name's safe characters, or of its hash.
QString safeFileName(const QString &name, const QByteArray &format)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9._-]{1,80}$"));
    if (safe.match(name).hasMatch() && !name.startsWith(QLatin1Char('.')))
        return name;
    const QByteArray hash =
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return QStringLiteral("image-%1.%2")
        .arg(QString::fromLatin1(hash),
             format == "jpeg" ? QStringLiteral("jpg") : QStringLiteral("png"));
}

QString between(const QString &html, int from, int to)
{
    return from >= 0 && to >= from ? html.mid(from, to - from) : QString();
}
} // namespace

QString DocumentHtml::pictureSource(const QTextDocument *doc, const QString &name)
{
    QByteArray format;
    const QByteArray bytes = DocumentImages::bytes(doc, name, &format);
    if (bytes.isEmpty())
        return QString(); // not a picture of the document (a link to elsewhere)
    const QString path = m_pictureFolder + safeFileName(name, format);
    if (!m_written.contains(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw TessaryError(
                QObject::tr("Cannot write the picture %1: %2").arg(path, file.errorString()));
        m_written.insert(path);
    }
    return path;
}

QString DocumentHtml::write(const QTextDocument *doc)
{
    const QString html = doc->toHtml();

    // The style sheet of the head and the body's own style (its default font).
    static const QRegularExpression styleRe(QStringLiteral("<style[^>]*>(.*?)</style>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bodyRe(QStringLiteral("<body([^>]*)>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bodyStyleRe(QStringLiteral("style=\"([^\"]*)\""));
    const QRegularExpressionMatch body = bodyRe.match(html);
    const int start = body.hasMatch() ? body.capturedEnd() : 0;
    const int end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    QString inner = between(html, start, end < 0 ? int(html.size()) : end);
    const QString sheet = styleRe.match(html).captured(1).trimmed();
    const QString bodyStyle = bodyStyleRe.match(body.captured(1)).captured(1).trimmed();

    // Pictures become files beside the page.
    static const QRegularExpression imgRe(QStringLiteral("(<img\\b[^>]*?\\bsrc=\")([^\"]*)(\")"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(inner.size() + 256);
    int last = 0;
    auto it = imgRe.globalMatch(inner);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString source = pictureSource(doc, m.captured(2));
        out += QStringView(inner).mid(last, m.capturedStart(2) - last);
        // The path stays as it is written, so that the export finds the output
        // folder in it; only a quote would end the attribute.
        out += source.isEmpty() ? m.captured(2)
                                : QString(source).replace(QLatin1Char('"'), QLatin1String("%22"));
        last = m.capturedEnd(2);
    }
    out += QStringView(inner).mid(last);

    QString page = QStringLiteral("<HTML><HEAD></HEAD><BODY>\n");
    if (!sheet.isEmpty() && !m_sheetWritten) {
        m_sheetWritten = true;
        page += QStringLiteral("<STYLE type=\"text/css\">\n%1\n</STYLE>\n").arg(sheet);
    }
    page += QStringLiteral("<DIV style=\"%1\">\n").arg(bodyStyle);
    page += out.trimmed();
    page += QStringLiteral("\n</DIV>\n</BODY></HTML>\n");
    return page;
}
