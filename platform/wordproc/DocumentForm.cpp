#include "platform/wordproc/DocumentForm.h"

#include "platform/TessaryError.h"
#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/HtmlFormFixups.h"
#include "platform/wordproc/RtfReader.h"

#include <QStringDecoder>
#include <QTextDocument>

namespace DocumentForm {

namespace {

int firstSignificant(const QByteArray &bytes)
{
    int i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i;
}

bool isUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// What a stored document page must never be: another program's binary file.
QString binaryKind(const QByteArray &bytes)
{
    if (bytes.startsWith("PK\x03\x04"))
        return QCoreApplication::translate("WordProcessor",
                                           "a ZIP archive (such as a DOCX or ODT file)");
    if (bytes.startsWith("\xD0\xCF\x11\xE0"))
        return QCoreApplication::translate("WordProcessor",
                                           "an OLE compound file (such as a DOC file)");
    if (bytes.startsWith("%PDF"))
        return QCoreApplication::translate("WordProcessor", "a PDF file");
    if (bytes.startsWith("\x89PNG") || bytes.startsWith("\xFF\xD8\xFF") || bytes.startsWith("GIF8"))
        return QCoreApplication::translate("WordProcessor", "a picture");
    const int probe = int(std::min<qsizetype>(bytes.size(), 4096));
    int zeros = 0;
    for (int i = 0; i < probe; ++i)
        zeros += bytes[i] == '\0';
    if (zeros > 0)
        return QCoreApplication::translate("WordProcessor", "binary data");
    return QString();
}

} // namespace

Kind detect(const QByteArray &bytes)
{
    if (RtfReader::looksLikeRtf(bytes))
        return Kind::Rtf;
    if (isUtf16(bytes)) {
        const QString text = decodeText(bytes).trimmed();
        if (text.startsWith(QLatin1String("{\\rtf")))
            return Kind::Rtf;
        return text.startsWith(u'<') ? Kind::Html : Kind::PlainText;
    }
    const int i = firstSignificant(bytes);
    if (i + 1 < bytes.size() && bytes[i] == '<') {
        const char next = bytes[i + 1];
        if ((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') || next == '!' ||
            next == '?')
            return Kind::Html;
    }
    return Kind::PlainText;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringDecoder::Utf16LE);
        return d.decode(QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringDecoder::Utf16BE);
        return d.decode(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid())
        return cp1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

QByteArray save(const QTextDocument *doc)
{
    return DocumentImages::embed(doc, HtmlFormFixups::beforeSave(doc, doc->toHtml())).toUtf8();
}

void load(const QByteArray &bytes, QTextDocument *doc, QStringList *warnings)
{
    const Kind kind = detect(bytes);
    if (kind == Kind::Rtf) {
        const QByteArray rtf = isUtf16(bytes) ? decodeText(bytes).toLatin1() : bytes;
        RtfReader::read(rtf, doc, warnings);
        return;
    }
    if (!isUtf16(bytes)) {
        const QString binary = binaryKind(bytes);
        if (!binary.isEmpty())
            throw TessaryError(
                QCoreApplication::translate("WordProcessor",
                                            "The document cannot be read: its content is %1, "
                                            "not HTML, RTF or text.")
                    .arg(binary));
    }
    const QString text = decodeText(bytes);
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    if (kind == Kind::PlainText) {
        doc->setPlainText(text);
    } else {
        DocumentImages::NamedBytes pictures;
        const QString html = DocumentImages::extract(text, &pictures, warnings);
        doc->setHtml(html);
        for (const auto &picture : pictures)
            DocumentImages::add(doc, picture.first, picture.second);
        HtmlFormFixups::afterLoad(doc, html);
    }
    doc->setUndoRedoEnabled(undo);
}

} // namespace DocumentForm
