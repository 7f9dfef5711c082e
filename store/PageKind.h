#pragma once

#include <QString>

class QVariant;

// Page kinds: the PageType of a row and the kind (and icon) of its tree node.
namespace PageKind {
enum : int
{
    Document = 0,
    Table = 1,
    Chart = 2,
    Picture = 3,
    NoEditor4 = 4,
    HostDocument5 = 5,
    HostDocument6 = 6,
    HostDocument7 = 7,
    Timeline = 8,
    NoEditor9 = 9,
    Root = 10,
    Folder = 11,
    Diagram = 12,
    WordCloud = 13
};

// True for the kinds whose nodes hold the id of a page row: every kind but the
// report root and folders, so that each row of a report has exactly one node.
bool holdsPageId(int kind);
// The kind of the node that shows a page row of this PageType: the row's kind
// when it is a page kind, otherwise (report root, folder, NULL, unknown or
// out-of-range values) a page without editor, so that every row gets exactly
// one node, is placed once and is deleted with its node.
int nodeKindForRow(const QVariant &rowKind);
// True for the kinds a page row may have (not the root, not folders).
bool isPageKind(int kind);
// English name of a kind ("document", "table", ...), or its number.
QString name(int kind);
// Parses a kind name or number; returns false when the text is neither.
bool parse(const QString &text, int *kind);
} // namespace PageKind
