#pragma once

#include <QString>

class QTextDocument;

// What Qt's HTML export and import do not carry through a save and load on their
// own, put right around them:
// - tab stops of paragraphs (written as a <meta name="tessary-tabs"> in the head);
// - the paragraph that follows a table: the import always adds an empty one after a
//   table, and the export leaves out an empty one there, so an empty paragraph the
//   user typed after a table is written out explicitly and the one the import adds is
//   folded into the paragraph after it;
// - a cell's background, which the import also gives to the cell's paragraphs and text.
class HtmlFormFixups
{
public:
    static QString beforeSave(const QTextDocument *doc, const QString &html);
    static void afterLoad(QTextDocument *doc, const QString &html);
};
