#include "platform/wordproc/RtfReader.h"

#include "platform/TessaryError.h"
#include "platform/wordproc/RtfDocumentBuilder.h"
#include "platform/wordproc/RtfParser.h"
#include "platform/wordproc/WordprocLogging.h"

#include <QTextDocument>

bool RtfReader::looksLikeRtf(const QByteArray &bytes)
{
    int i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf");
}

void RtfReader::read(const QByteArray &rtf, QTextDocument *doc, QStringList *warnings)
{
    if (!looksLikeRtf(rtf))
        throw TessaryError(QCoreApplication::translate(
            "WordProcessor", "The data is not RTF: it does not begin with {\\rtf."));
    RtfParser parser;
    const RtfModel::Document model = parser.parse(rtf);
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    RtfDocumentBuilder(doc).build(model);
    doc->setUndoRedoEnabled(undo);
    for (const QString &w : parser.warnings())
        qCDebug(lcWordproc) << "RTF:" << w;
    if (warnings)
        *warnings << parser.warnings();
}
