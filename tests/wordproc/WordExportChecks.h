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
// The files (of distinct base names) converted to PDF by one LibreOffice run into
// outDir; the PDFs' paths in the same order, each empty when that file failed.
QStringList toPdf(const QStringList &files, const QString &outDir);
// The text of a PDF file (pdftotext), with runs of white space made single spaces.
QString pdfText(const QString &pdf);
// How many pictures a PDF file holds (pdfimages -list), -1 when pdfimages failed.
int pdfImageCount(const QString &pdf);

} // namespace WordExportChecks
