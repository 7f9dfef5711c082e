// Any bytes given as HTML to our HTML-to-RTF conversion come out as RTF that our
// reader loads; the cleaning for pandoc takes the same input without failing.
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/HtmlToRtfWriter.h"
#include "platform/wordproc/ReportHtml.h"
#include "platform/wordproc/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString html = DocumentForm::decodeText(bytes);
    // Pictures are looked up in a folder that does not exist: no file of the machine is read.
    const QString nowhere = QStringLiteral("/nonexistent/tessary-fuzz");
    HtmlToRtfWriter::Options options;
    options.codePage = size > 0 && (data[0] & 1) ? 1251 : 1252;
    const QByteArray rtf = HtmlToRtfWriter::convert(html, nowhere, options);
    if (!rtf.startsWith("{\\rtf1") || !rtf.endsWith("}\r\n"))
        __builtin_trap();
    QTextDocument doc;
    QStringList warnings;
    RtfReader::read(rtf, &doc, &warnings); // throws only for what is not RTF at all
    ReportHtml::forPandoc(ReportHtml::clean(html).html, nowhere);
    return 0;
}
