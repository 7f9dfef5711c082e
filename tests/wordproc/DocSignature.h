#pragma once

#include <QByteArray>
#include <QStringList>

class QTextDocument;

// A text description of what a document shows: every block with its paragraph
// properties, list membership and runs of text with their effective character
// properties, tables with spans, backgrounds and borders, pictures by pixel content.
// Two documents that look and behave the same have the same signature, whatever
// resource names or redundant properties they carry.
QStringList docSignature(const QTextDocument *doc);

// A document as the editor makes it: a heading, every character style, aligned and
// indented paragraphs, tab stops, bullets and numbering with two levels, a table with
// a header row, a merged cell, a cell background, a cell with its own border and a
// nested table, a PNG and a JPEG picture and a hyperlink.
void buildEditorDocument(QTextDocument *doc);

QByteArray pngBytes(int width, int height, unsigned rgb);
QByteArray jpegBytes(int width, int height);
