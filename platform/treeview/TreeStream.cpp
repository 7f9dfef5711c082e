#include "platform/treeview/TreeStream.h"

#include "platform/TessaryError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kFormat = QStringLiteral("tessary-tree");
constexpr int kVersion = 1;
constexpr int kMaxDepth = 10000;

QJsonObject toJson(const TreeNodeRecord &n)
{
    QJsonObject o;
    o.insert(QStringLiteral("text"), n.text);
    o.insert(QStringLiteral("kind"), n.kind);
    o.insert(QStringLiteral("data"), n.data);
    if (n.ownColours)
        o.insert(QStringLiteral("ownColours"), true);
    if (n.backColour != NoColour)
        o.insert(QStringLiteral("backColour"), qint64(n.backColour));
    if (n.rowBackColour != NoColour)
        o.insert(QStringLiteral("rowBackColour"), qint64(n.rowBackColour));
    if (!n.children.isEmpty()) {
        QJsonArray children;
        for (const TreeNodeRecord &c : n.children)
            children.append(toJson(c));
        o.insert(QStringLiteral("children"), children);
    }
    return o;
}

[[noreturn]] void damaged(const QString &why)
{
    throw TessaryError(
        QCoreApplication::translate("ReportTree", "The stored report tree is damaged: %1")
            .arg(why));
}

quint32 colourValue(const QJsonObject &o, const QString &key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return NoColour;
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < 0 || d > 4294967295.0)
        damaged(QCoreApplication::translate("ReportTree", "colour \"%1\" is not a 32-bit value")
                    .arg(key));
    return quint32(d);
}

QVector<TreeNodeRecord> fromJsonArray(const QJsonArray &a, int depth);

TreeNodeRecord fromJson(const QJsonValue &v, int depth)
{
    if (!v.isObject())
        damaged(QCoreApplication::translate("ReportTree", "a node is not an object"));
    const QJsonObject o = v.toObject();
    TreeNodeRecord n;
    if (!o.value(QStringLiteral("kind")).isDouble() || !o.value(QStringLiteral("data")).isDouble())
        damaged(QCoreApplication::translate("ReportTree", "a node has no kind or no data word"));
    n.text = o.value(QStringLiteral("text")).toString();
    n.kind = o.value(QStringLiteral("kind")).toInt();
    const double data = o.value(QStringLiteral("data")).toDouble();
    if (data < -2147483648.0 || data > 2147483647.0)
        damaged(QCoreApplication::translate("ReportTree", "a data word is out of range"));
    n.data = qint32(data);
    n.ownColours = o.value(QStringLiteral("ownColours")).toBool(false);
    n.backColour = colourValue(o, QStringLiteral("backColour"));
    n.rowBackColour = colourValue(o, QStringLiteral("rowBackColour"));
    const QJsonValue children = o.value(QStringLiteral("children"));
    if (!children.isUndefined()) {
        if (!children.isArray())
            damaged(QCoreApplication::translate("ReportTree", "\"children\" is not a list"));
        n.children = fromJsonArray(children.toArray(), depth + 1);
    }
    return n;
}

QVector<TreeNodeRecord> fromJsonArray(const QJsonArray &a, int depth)
{
    if (depth > kMaxDepth)
        damaged(QCoreApplication::translate("ReportTree", "nodes are nested too deeply"));
    QVector<TreeNodeRecord> out;
    out.reserve(a.size());
    for (const QJsonValue &v : a)
        out.append(fromJson(v, depth));
    return out;
}

} // namespace

namespace TreeStream {

QByteArray write(const QVector<TreeNodeRecord> &topLevel)
{
    QJsonArray nodes;
    for (const TreeNodeRecord &n : topLevel)
        nodes.append(toJson(n));
    QJsonObject doc;
    doc.insert(QStringLiteral("format"), kFormat);
    doc.insert(QStringLiteral("version"), kVersion);
    doc.insert(QStringLiteral("nodes"), nodes);
    return QJsonDocument(doc).toJson(QJsonDocument::Compact);
}

QVector<TreeNodeRecord> read(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return {};
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError)
        damaged(QCoreApplication::translate("ReportTree", "%1 at byte %2")
                    .arg(err.errorString())
                    .arg(err.offset));
    if (!doc.isObject())
        damaged(QCoreApplication::translate("ReportTree", "it is not a JSON object"));
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")).toString() != kFormat)
        damaged(QCoreApplication::translate("ReportTree", "its format is not \"%1\"").arg(kFormat));
    const int version = o.value(QStringLiteral("version")).toInt(0);
    if (version < 1 || version > kVersion)
        damaged(QCoreApplication::translate(
                    "ReportTree", "version %1 is not supported (this program reads version %2)")
                    .arg(version)
                    .arg(kVersion));
    const QJsonValue nodes = o.value(QStringLiteral("nodes"));
    if (!nodes.isArray())
        damaged(QCoreApplication::translate("ReportTree", "it has no list of nodes"));
    return fromJsonArray(nodes.toArray(), 0);
}

int countNodes(const QVector<TreeNodeRecord> &nodes)
{
    int n = 0;
    for (const TreeNodeRecord &r : nodes)
        n += 1 + countNodes(r.children);
    return n;
}

} // namespace TreeStream
