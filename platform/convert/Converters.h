#pragma once

#include <QByteArray>
#include <QString>

// External converters as child processes: pandoc for DOCX and ODT, LibreOffice
// (soffice --headless) for legacy .doc and .wpd. Each run has a timeout, a temporary
// folder of its own (LibreOffice also gets a temporary profile there), and fails with
// a TessaryError naming the tool, and its Debian package when it is missing.
namespace Converters {

bool pandocAvailable();
bool libreOfficeAvailable();

// Foreign document (by extension: .docx .odt via pandoc; .doc .wpd via soffice) -> HTML with
// pictures embedded; throws TessaryError (tool missing naming its Debian package, failed, timed
// out).
QByteArray importToHtml(const QString &fileName, int timeoutMs = 60000);

// HTML -> .docx/.odt (pandoc) or .pdf (QTextDocument/QPrinter, no tool) written to fileName.
// Also .rtf (own writer), .html/.htm (as given) and .txt (plain text, UTF-8).
void exportHtml(const QByteArray &html, const QString &fileName, int timeoutMs = 60000);

} // namespace Converters
