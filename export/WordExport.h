#pragma once

#include "platform/convert/HtmlToRtf.h"

#include <QString>

class HtmlRtfLibrary;

// Word-processor export of an HTML file written by the HTML export: RTF content for
// ".doc" and ".rtf" targets through the HTML-to-RTF converter, and a real DOCX through
// pandoc. The command line and the main window's export command both end here.
namespace WordExport {

enum class Format
{
    Doc,  // RTF content in a ".doc" file
    Rtf,  // RTF file
    Docx, // Office Open XML document (pandoc)
};

// The save dialog's filter: "MS Word (*.doc)", "Rich Text Format (*.rtf)", "Word
// document (*.docx)", in that order (filter index 1, 2, 3).
QString saveFilter();

// The target name for the filter chosen in the save dialog: with filter 1 a name that
// does not contain ".DOC" (compared in upper case) gets the extension ".doc"; filter 2
// the same with ".RTF"/".rtf"; filter 3 with ".DOCX"/".docx". The extension is what
// follows the last dot of the file name (not of its folders); a name without one gets
// the extension appended. Other filter indexes leave the name as it is.
QString targetFileName(const QString &fileName, int filterIndex);

// The format of a filter index (1 Doc, 2 Rtf, 3 Docx; others Rtf).
Format formatOfFilter(int filterIndex);
// The format a target name asks for: ".docx" Docx, ".doc" Doc, anything else Rtf.
Format formatOfFile(const QString &fileName);

// The converter's option block for a target: the fixed values, offsets 88 and 96 set
// from the target name (".DOC" in upper case), and the code page index as given.
HtmlToRtfOptions optionsFor(const QString &targetPath, int codePageIndex);

// Converts the HTML file into the target with the converter: fills the option block
// (code page index -1: detected from the HTML file), calls htmltortf_file once and then
// flushlist whatever the result, and returns the result code. No messages.
int convertHtmlToRtf(const QString &htmlPath, const QString &targetPath, int codePageIndex,
                     HtmlRtfLibrary &library);

// The same, with our own converter when library is null, showing the message of a
// result code other than 0 through the dialogs ("Not enough memory", "Can't create
// HTML file", "Can't open RTF file", "RTF file has zero length", "Unknown Error").
int ConvertHTMLToRTF(const QString &htmlPath, const QString &targetPath, int codePageIndex,
                     HtmlRtfLibrary *library = nullptr);

// True when pandoc can be run.
bool docxAvailable();

// Writes the HTML file as a DOCX with pandoc (pictures embedded, tables as Word tables,
// headings as heading styles). Throws TessaryError when pandoc is missing (naming the
// package to install), fails, times out or writes no file.
void writeDocx(const QString &htmlPath, const QString &targetPath, int timeoutMs = 300000);

// The HTML file as a word-processor file of the given format; no dialogs. Throws
// TessaryError with the converter's message ("Can't open RTF file" ...) or pandoc's.
void exportHtmlToWordFile(const QString &htmlPath, const QString &targetPath, Format format);

} // namespace WordExport
