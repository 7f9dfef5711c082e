#pragma once

#include <QString>

class GridData;

// The file formats the grid writes and reads, chosen by extension.
namespace GridFiles {

enum Format
{
    None = 0,
    PlainText = 1,  // .txt
    TabDelimited,   // .tab
    CommaDelimited, // .csv
    Spreadsheet,    // .xlsx (also asked for as .xls)
    WordDocument,   // .doc: a rich-text document
    Html,           // .htm, .html
    Xml,            // .xml
    Docx,           // .docx
    RichText,       // .rtf
    Native          // .grid2
};

// The format of a file extension (with or without the dot, any case).
Format formatForExtension(const QString &extension);
// The extension the format writes (with the dot); ".xlsx" for spreadsheets.
QString extensionOf(Format format);

// Writes grid in format to fileName; title is used where the format has one.
// Throws TessaryError when the file cannot be written.
void write(const GridData &grid, Format format, const QString &fileName,
           const QString &title = QString());

// Reads a delimited (".csv": comma, ".tab": tab, found anywhere in the
// upper-cased path) or native grid file into grid. Returns a warning when a
// delimited file was read only in part; throws TessaryError when the file
// cannot be read or is not a grid file.
QString read(GridData &grid, const QString &fileName);

} // namespace GridFiles
