#pragma once

#include <QTextCursor>
#include <QTextDocument>

// The document text finder of global find: the whole-word and match-case
// options, and finding the next occurrence after a position without wrapping
// around. The window's document editor and the headless search of tessary-cli
// both find through this class, so they match exactly the same places.
class DocumentFinder
{
public:
    bool wholeWord = false;
    bool matchCase = false;

    QTextDocument::FindFlags flags() const;
    // The next occurrence of text after from (after its selection when it has
    // one), as a cursor selecting it; a null cursor when there is none.
    QTextCursor findNext(const QTextDocument *document, const QTextCursor &from,
                         const QString &text) const;
    // Every occurrence, in document order.
    QList<QTextCursor> findAll(const QTextDocument *document, const QString &text) const;

    // Whether a document page's stored bytes (HTML, RTF or plain text) may hold
    // text, judged without loading them into a document: false only when no
    // search with any options could find it there. It looks at the visible
    // text of HTML (tags left out, character references decoded) with white
    // space ignored on both sides and case ignored; RTF, HTML it cannot judge
    // and bytes the document editor would refuse count as holding it.
    static bool storedMayHold(const QByteArray &stored, const QString &text);
};
