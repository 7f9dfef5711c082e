#include "platform/diagramview/DiagramStream.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

namespace {

QString colorName(const QColor &c)
{
    return c.alpha() == 255 ? c.name(QColor::HexRgb) : c.name(QColor::HexArgb);
}

QColor readColor(const QJsonValue &v, const QColor &fallback)
{
    if (!v.isString())
        return fallback;
    const QColor c = QColor::fromString(v.toString());
    return c.isValid() ? c : fallback;
}

double readNumber(const QJsonObject &o, const char *key, double fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return fallback;
    const double d = v.toDouble();
    return std::isfinite(d) ? d : fallback;
}

QJsonObject writeFont(const QFont &f)
{
    QJsonObject o;
    o["family"] = f.family();
    o["size"] = f.pointSizeF() > 0 ? f.pointSizeF() : double(f.pixelSize());
    if (f.bold())
        o["bold"] = true;
    if (f.italic())
        o["italic"] = true;
    if (f.underline())
        o["underline"] = true;
    return o;
}

QFont readFont(const QJsonValue &v, double defaultSize)
{
    QFont f = defaultLabelFont(defaultSize);
    if (!v.isObject())
        return f;
    const QJsonObject o = v.toObject();
    const QString family = o.value("family").toString();
    if (!family.isEmpty())
        f.setFamily(family);
    const double size = readNumber(o, "size", defaultSize);
    f.setPointSizeF(std::clamp(size, 1.0, 500.0));
    f.setBold(o.value("bold").toBool());
    f.setItalic(o.value("italic").toBool());
    f.setUnderline(o.value("underline").toBool());
    return f;
}

QJsonArray writeTexts(const QList<TextCell> &texts)
{
    QJsonArray a;
    for (const TextCell &t : texts) {
        QJsonObject o;
        o["text"] = t.text;
        o["font"] = writeFont(t.font);
        o["color"] = colorName(t.color);
        o["visible"] = t.visible;
        a.append(o);
    }
    return a;
}

// "texts" is the list of cells; a plain "label" string stands for a first cell
// with the default font, so that a host can write the simplest diagram briefly.
QList<TextCell> readTexts(const QJsonObject &owner, double defaultSize)
{
    QList<TextCell> cells;
    const QJsonValue texts = owner.value("texts");
    if (texts.isArray()) {
        for (const QJsonValue &v : texts.toArray()) {
            const QJsonObject o = v.toObject();
            TextCell cell;
            cell.text = o.value("text").toString();
            cell.font = readFont(o.value("font"), defaultSize);
            cell.color = readColor(o.value("color"), Qt::black);
            cell.visible = o.value("visible").toBool(true);
            cells.append(cell);
        }
    } else if (owner.value("label").isString()) {
        TextCell cell;
        cell.text = owner.value("label").toString();
        cell.font = defaultLabelFont(defaultSize);
        cells.append(cell);
    }
    return cells;
}

[[noreturn]] void fail(const QString &what)
{
    throw DiagramStreamError(
        QCoreApplication::translate("Diagram", "The diagram cannot be read: %1.").arg(what));
}

double readExtent(const QJsonObject &o, const char *key, double fallback, int index,
                  bool mustBePositive)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return fallback;
    if (!v.isDouble())
        fail(QCoreApplication::translate("Diagram", "block %1 has a %2 that is not a number")
                 .arg(index)
                 .arg(key));
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::abs(d) > DiagramStream::MaxExtent)
        fail(QCoreApplication::translate("Diagram", "block %1 has a %2 out of range")
                 .arg(index)
                 .arg(key));
    if (mustBePositive && d < 0)
        fail(QCoreApplication::translate("Diagram", "block %1 has a negative %2 (%3)")
                 .arg(index)
                 .arg(key)
                 .arg(d));
    return d;
}

QJsonObject writePage(const QPageLayout &page)
{
    QJsonObject o;
    o["paper"] = page.pageSize().key();
    o["orientation"] = page.orientation() == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                                    : QStringLiteral("portrait");
    const QMarginsF m = page.margins(QPageLayout::Millimeter);
    o["margins"] = QJsonArray{m.left(), m.top(), m.right(), m.bottom()};
    return o;
}

QPageLayout readPage(const QJsonValue &v)
{
    QPageLayout page = DiagramDocument::defaultPageLayout();
    if (!v.isObject())
        return page;
    const QJsonObject o = v.toObject();
    const QString paper = o.value("paper").toString();
    for (int id = 0; id <= int(QPageSize::LastPageSize) && !paper.isEmpty(); ++id) {
        const QPageSize size{QPageSize::PageSizeId(id)};
        if (size.key().compare(paper, Qt::CaseInsensitive) == 0) {
            page.setPageSize(size);
            break;
        }
    }
    if (o.value("orientation").toString() == QLatin1String("landscape"))
        page.setOrientation(QPageLayout::Landscape);
    const QJsonArray m = o.value("margins").toArray();
    if (m.size() == 4) {
        auto mm = [&](int i) { return std::clamp(m.at(i).toDouble(25.4), 0.0, 100.0); };
        page.setMinimumMargins(QMarginsF());
        page.setMargins(QMarginsF(mm(0), mm(1), mm(2), mm(3)));
    }
    return page;
}

int readEnd(const QJsonValue &v, const QHash<QString, int> &ids, int blockCount, int link,
            const char *which)
{
    if (v.isString()) {
        const auto it = ids.constFind(v.toString());
        if (it == ids.constEnd())
            fail(QCoreApplication::translate("Diagram",
                                             "link %1 has a %2 \"%3\" that names no block")
                     .arg(link)
                     .arg(which, v.toString()));
        return it.value();
    }
    if (!v.isDouble())
        fail(
            QCoreApplication::translate("Diagram", "link %1 has no %2 block").arg(link).arg(which));
    const double d = v.toDouble();
    if (d != std::floor(d) || d < 0 || d >= blockCount)
        fail(QCoreApplication::translate("Diagram",
                                         "link %1 has a %2 (%3) that is not a block of the diagram")
                 .arg(link)
                 .arg(which)
                 .arg(d));
    return int(d);
}

} // namespace

QByteArray DiagramStream::write(const DiagramDocument &doc)
{
    QJsonObject root;
    root["format"] = formatName();
    root["version"] = Version;
    root["zoom"] = doc.zoom;
    root["page"] = writePage(doc.page);
    QJsonArray blocks;
    for (const BlockData &b : doc.blocks) {
        QJsonObject o;
        if (!b.id.isEmpty())
            o["id"] = b.id;
        o["left"] = b.left;
        o["top"] = b.top;
        o["width"] = b.width;
        o["height"] = b.height;
        o["shape"] = blockShapeName(b.shape);
        o["color"] = colorName(b.color);
        o["gradientStart"] = colorName(b.gradientStart);
        o["borderColor"] = colorName(b.borderColor);
        o["borderWidth"] = b.borderWidth;
        o["texts"] = writeTexts(b.texts);
        blocks.append(o);
    }
    root["blocks"] = blocks;
    QJsonArray links;
    for (const LinkData &l : doc.links) {
        QJsonObject o;
        o["source"] = l.source;
        o["target"] = l.target;
        o["width"] = l.penWidth;
        o["color"] = colorName(l.penColor);
        o["style"] = linkStyleName(l.style);
        o["texts"] = writeTexts(l.texts);
        links.append(o);
    }
    root["links"] = links;
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

DiagramDocument DiagramStream::read(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QCoreApplication::translate("Diagram", "it is not valid JSON (%1 at byte %2)")
                 .arg(error.errorString())
                 .arg(error.offset));
    if (!json.isObject())
        fail(QCoreApplication::translate("Diagram", "it is not a JSON object"));
    const QJsonObject root = json.object();
    if (root.value("format").toString() != formatName())
        fail(QCoreApplication::translate("Diagram", "its format is \"%1\", not \"%2\"")
                 .arg(root.value("format").toString(), formatName()));
    const double version = root.value("version").toDouble(1);
    if (version > Version)
        fail(QCoreApplication::translate("Diagram",
                                         "it was written by a newer version (%1) of the program")
                 .arg(version));

    DiagramDocument doc;
    doc.zoom = int(std::clamp(readNumber(root, "zoom", 100), 5.0, 5000.0));
    doc.page = readPage(root.value("page"));

    const QJsonValue blocksValue = root.value("blocks");
    if (!blocksValue.isUndefined() && !blocksValue.isArray())
        fail(QCoreApplication::translate("Diagram", "\"blocks\" is not a list"));
    const QJsonArray blocks = blocksValue.toArray();
    QHash<QString, int> ids;
    doc.blocks.reserve(blocks.size());
    for (int i = 0; i < blocks.size(); ++i) {
        if (!blocks.at(i).isObject())
            fail(QCoreApplication::translate("Diagram", "block %1 is not an object").arg(i));
        const QJsonObject o = blocks.at(i).toObject();
        BlockData b;
        b.id = o.value("id").toString();
        if (!b.id.isEmpty())
            ids.insert(b.id, i);
        b.left = readExtent(o, "left", 0, i, false);
        b.top = readExtent(o, "top", 0, i, false);
        b.width = readExtent(o, "width", b.width, i, true);
        b.height = readExtent(o, "height", b.height, i, true);
        b.shape = blockShapeFromName(o.value("shape").toString(blockShapeName(b.shape)));
        b.color = readColor(o.value("color"), b.color);
        b.gradientStart = readColor(o.value("gradientStart"), b.gradientStart);
        b.borderColor = readColor(o.value("borderColor"), b.borderColor);
        b.borderWidth = std::clamp(readNumber(o, "borderWidth", b.borderWidth), 0.0, 100.0);
        b.texts = readTexts(o, 8);
        doc.blocks.append(b);
    }

    const QJsonValue linksValue = root.value("links");
    if (!linksValue.isUndefined() && !linksValue.isArray())
        fail(QCoreApplication::translate("Diagram", "\"links\" is not a list"));
    const QJsonArray links = linksValue.toArray();
    doc.links.reserve(links.size());
    for (int i = 0; i < links.size(); ++i) {
        if (!links.at(i).isObject())
            fail(QCoreApplication::translate("Diagram", "link %1 is not an object").arg(i));
        const QJsonObject o = links.at(i).toObject();
        LinkData l;
        l.source = readEnd(o.value("source"), ids, doc.blocks.size(), i, "source");
        l.target = readEnd(o.value("target"), ids, doc.blocks.size(), i, "target");
        const double width = readNumber(o, "width", l.penWidth);
        if (width < 0)
            fail(QCoreApplication::translate("Diagram", "link %1 has a negative width (%2)")
                     .arg(i)
                     .arg(width));
        l.penWidth = std::min(width, 1000.0);
        l.penColor = readColor(o.value("color"), l.penColor);
        l.style = linkStyleFromName(o.value("style").toString());
        l.texts = readTexts(o, 5);
        doc.links.append(l);
    }
    return doc;
}

bool DiagramStream::isDiagramStream(const QByteArray &bytes)
{
    const QJsonDocument json = QJsonDocument::fromJson(bytes);
    return json.isObject() && json.object().value("format").toString() == formatName();
}
