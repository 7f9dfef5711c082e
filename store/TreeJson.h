#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct ReportNode;

// The tree stream written and read straight from and into report nodes, with
// no intermediate JSON objects: the bytes are exactly those of
// TreeStream::write (keys in sorted order, compact, the same escapes), so that
// any reader of the stored tree sees no difference. The reader takes the form
// this program writes; anything else (other keys, fractions, odd escapes, a
// damaged stream) is left to TreeStream::read, which knows every variant and
// names the damage.
namespace TreeJson {
// The whole stream of the top-level nodes held by top.
QByteArray write(const ReportNode &top);
// Appends a JSON string (quotes included).
void appendString(QByteArray &out, const QString &text);
// What stands before a node's children: "{", its background colour and, when
// it has children, the opening of their list.
void appendHead(QByteArray &out, const ReportNode &node);
// What follows the children: the end of their list and the other fields, "}".
void appendTail(QByteArray &out, const ReportNode &node);
// A node without children, whole.
void appendLeaf(QByteArray &out, const ReportNode &node);
// The opening of the document up to the list of nodes, and its end.
QByteArray documentHead();
QByteArray documentTail();
// The top-level nodes of a stream in the form this program writes; nullopt
// when the bytes need the general reader.
std::optional<std::vector<std::unique_ptr<ReportNode>>> read(const QByteArray &bytes);
} // namespace TreeJson
