#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Helpers of the word-export tests: zip members, external tools, PDF text.
namespace WordExportChecks {

// One member of a zip file (unzip -p), empty when missing or unzip is not installed.
QByteArray zipMember(const QString &zip, const QString &member);
// The names of a zip file's members (unzip -Z1).
QStringList zipMembers(const QString &zip);
// True when the program is on PATH.
bool haveTool(const QString &program);
// The file converted to PDF by LibreOffice into outDir; the PDF's path, empty on failure.
QString toPdf(const QString &file, const QString &outDir);
// The text of a PDF file (pdftotext), with runs of white space made single spaces.
QString pdfText(const QString &pdf);

} // namespace WordExportChecks
