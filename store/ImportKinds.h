#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Which page kind a file becomes when it is imported: the one rule that the
// tree's import command and tessary-cli import share.
namespace PageKind {
// The page kind made from fileName. The extension is taken from the last dot
// of the file-name part, dot included, upper-cased; it selects a kind when it
// occurs anywhere inside one of the group texts, tried in this order:
// ".KCX.TEE" chart, ".TAB.CSV.GRID2" table, ".BMP.WMF.JPG.JPEG.PNG" picture
// (so shortened extensions count: ".JPE" is a picture, ".GRID" a table).
// Extensions outside the groups that another editor reads pick its kind
// (".GIF", ".TIFF", ".EMF", ".SVG"... pictures, ".XML" word clouds, ".JSON"
// diagrams, ".TML" timelines); a ".TXT" file holding timeline text is a
// timeline (looksLikeTimelineText). Everything else, and a name without
// extension, is a document. Reads at most the first 64 KB of a ".TXT" file.
int importKind(const QString &fileName);
// The title of the page made from fileName: its file-name part without the
// extension (everything before the last dot).
QString importTitle(const QString &fileName);
// True when text (the start of a file) is timeline text: every non-empty line
// starts with the name of a timeline record followed by a tab, and the text
// has the background record that every written timeline starts with, or an
// event record with its date field. A plain text, a tab-separated table or a
// text that merely starts like a timeline is not.
bool looksLikeTimelineText(const QByteArray &text);

// The extension of timeline text files (without the dot).
inline const QString TimelineExtension = QStringLiteral("tml");

// The extensions (lower case, without the dot) that select a kind other than
// by falling through to documents, optionally only those of one kind (-1: all),
// for help texts.
QStringList importExtensions(int kind = -1);
} // namespace PageKind
