#include "platform/chart/ChartStream.h"

#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QObject>
#include <cmath>

namespace {
const char *const kAxisNames[4] = {"left", "right", "bottom", "depth"};

QJsonValue colorValue(const QColor &c)
{
    if (!c.isValid())
        return QJsonValue();
    return c.alpha() == 255 ? c.name(QColor::HexRgb) : c.name(QColor::HexArgb);
}

QColor readColor(const QJsonValue &v, const QColor &fallback = QColor())
{
    if (v.isString()) {
        const QColor c = QColor::fromString(v.toString());
        return c.isValid() ? c : fallback;
    }
    return fallback;
}

double readNumber(const QJsonValue &v, double fallback)
{
    if (!v.isDouble())
        return fallback;
    const double d = v.toDouble();
    return std::isfinite(d) ? d : fallback;
}

int readInt(const QJsonValue &v, int fallback, int lo, int hi)
{
    if (!v.isDouble())
        return fallback;
    const double d = v.toDouble();
    if (!std::isfinite(d))
        return fallback;
    return int(qBound(double(lo), std::round(d), double(hi)));
}

bool readBool(const QJsonValue &v, bool fallback)
{
    return v.isBool() ? v.toBool() : fallback;
}

QJsonValue number(double v)
{
    // JSON has no NaN or infinity: a missing value is written as null.
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
}

QJsonObject writeAxis(const TChartAxis &a)
{
    QJsonObject o;
    o["automatic"] = a.automatic();
    if (!a.automatic()) {
        o["minimum"] = a.fixedMinimum();
        o["maximum"] = a.fixedMaximum();
    }
    o["increment"] = a.increment();
    o["inverted"] = a.inverted();
    o["grid"] = a.gridVisible();
    o["labelsAngle"] = a.labelsAngle();
    o["labels"] = a.labelsVisible();
    o["startPosition"] = a.startPosition();
    o["endPosition"] = a.endPosition();
    o["title"] = a.title();
    o["visible"] = a.visible();
    return o;
}

void readAxis(TChartAxis &a, const QJsonObject &o)
{
    a.setIncrement(readNumber(o["increment"], 0));
    a.setInverted(readBool(o["inverted"], a.inverted()));
    a.setGridVisible(readBool(o["grid"], a.gridVisible()));
    a.setLabelsAngle(readInt(o["labelsAngle"], 0, -3600, 3600));
    a.setLabelsVisible(readBool(o["labels"], true));
    a.setStartPosition(readNumber(o["startPosition"], 0));
    a.setEndPosition(readNumber(o["endPosition"], 100));
    a.setTitle(o["title"].toString());
    a.setVisible(readBool(o["visible"], true));
    const bool automatic = readBool(o["automatic"], true);
    const double lo = readNumber(o["minimum"], qQNaN());
    const double hi = readNumber(o["maximum"], qQNaN());
    if (!automatic && std::isfinite(lo) && std::isfinite(hi) && lo <= hi)
        a.setMinMax(lo, hi);
    else
        a.setAutomatic(true);
}

QJsonObject writeSeries(const TChartSeries &s)
{
    QJsonObject o;
    o["kind"] = ChartNames::kindName(s.kind());
    o["title"] = s.title();
    o["color"] = colorValue(s.color());
    o["colorEachPoint"] = s.colorEachPoint();
    o["active"] = s.active();
    o["valueAxis"] = s.valueAxis() == TChartSeries::ValueAxis::Right ? "right" : "left";
    o["penWidth"] = s.penWidth();
    const ChartMarks &m = s.marks();
    o["marks"] = QJsonObject{{"visible", m.visible},
                             {"style", ChartNames::markStyleName(m.style)},
                             {"arrowLength", m.arrowLength},
                             {"frame", m.frameVisible},
                             {"arrow", m.arrowVisible},
                             {"transparent", m.transparent},
                             {"clip", m.clip}};
    const ChartPointer &p = s.pointer();
    o["pointer"] = QJsonObject{{"visible", p.visible},
                               {"style", ChartNames::pointerStyleName(p.style)},
                               {"width", p.horizSize},
                               {"height", p.vertSize}};
    o["percentFormat"] = s.percentFormat();
    o["circled"] = s.circled();
    o["baseLines"] = s.baseLinesVisible();

    // Points as columns: compact, and easy for a host to write.
    const int n = s.count();
    QJsonArray ys, xs, zs, labels, colors;
    bool needX = false, needZ = false, anyLabel = false, anyColor = false;
    for (int i = 0; i < n; ++i) {
        const ChartPoint &pt = s.point(i);
        needX |= pt.x != double(i);
        needZ |= pt.z != 0;
        anyLabel |= !pt.label.isEmpty();
        anyColor |= pt.color.isValid();
    }
    for (int i = 0; i < n; ++i) {
        const ChartPoint &pt = s.point(i);
        ys.append(number(pt.y));
        if (needX)
            xs.append(number(pt.x));
        if (needZ)
            zs.append(number(pt.z));
        if (anyLabel)
            labels.append(pt.label);
        if (anyColor)
            colors.append(colorValue(pt.color));
    }
    o["y"] = ys;
    if (needX)
        o["x"] = xs;
    if (needZ)
        o["z"] = zs;
    if (anyLabel)
        o["labels"] = labels;
    if (anyColor)
        o["colors"] = colors;
    return o;
}

void readSeries(TChart &chart, const QJsonObject &o, int index)
{
    SeriesKind kind = SeriesKind::Bar;
    ChartNames::parseKind(o["kind"].toString(), &kind);
    TChartSeries *s = chart.addSeries(kind);
    s->setTitle(o["title"].toString());
    s->setColor(readColor(o["color"], chartPaletteColor(index)));
    s->setColorEachPoint(readBool(o["colorEachPoint"], false));
    s->setActive(readBool(o["active"], true));
    s->setValueAxis(o["valueAxis"].toString() == QLatin1String("right")
                        ? TChartSeries::ValueAxis::Right
                        : TChartSeries::ValueAxis::Left);
    s->setPenWidth(readInt(o["penWidth"], 2, 0, 50));
    const QJsonObject mo = o["marks"].toObject();
    ChartMarks m;
    m.visible = readBool(mo["visible"], false);
    m.style = ChartNames::parseMarkStyle(mo["style"].toString());
    m.arrowLength = readInt(mo["arrowLength"], 8, 0, 200);
    m.frameVisible = readBool(mo["frame"], true);
    m.arrowVisible = readBool(mo["arrow"], true);
    m.transparent = readBool(mo["transparent"], false);
    m.clip = readBool(mo["clip"], false);
    s->setMarks(m);
    const QJsonObject po = o["pointer"].toObject();
    ChartPointer p;
    p.visible = readBool(po["visible"], true);
    p.style = ChartNames::parsePointerStyle(po["style"].toString());
    p.horizSize = readInt(po["width"], 4, 1, 50);
    p.vertSize = readInt(po["height"], p.horizSize, 1, 50);
    s->setPointer(p);
    if (o["percentFormat"].isString())
        s->setPercentFormat(o["percentFormat"].toString());
    s->setCircled(readBool(o["circled"], false));
    s->setBaseLinesVisible(readBool(o["baseLines"], false));

    const QJsonArray ys = o["y"].toArray();
    const QJsonArray xs = o["x"].toArray();
    const QJsonArray zs = o["z"].toArray();
    const QJsonArray labels = o["labels"].toArray();
    const QJsonArray colors = o["colors"].toArray();
    std::vector<ChartPoint> pts(size_t(ys.size()));
    for (int i = 0; i < ys.size(); ++i) {
        ChartPoint &pt = pts[size_t(i)];
        pt.y = readNumber(ys[i], qQNaN());
        pt.x = i < xs.size() ? readNumber(xs[i], qQNaN()) : double(i);
        pt.z = i < zs.size() ? readNumber(zs[i], qQNaN()) : 0.0;
        if (i < labels.size())
            pt.label = labels[i].toString();
        if (i < colors.size())
            pt.color = readColor(colors[i]);
    }
    s->setPoints(std::move(pts));
}
} // namespace

QByteArray ChartStream::write(const TChart &chart)
{
    QJsonObject root;
    root["format"] = "tessary-chart";
    root["version"] = kVersion;
    root["title"] = chart.title();
    root["background"] = colorValue(chart.backgroundColor());
    root["border"] = chart.borderVisible();
    root["wallColor"] = colorValue(chart.wallColor());
    root["legend"] = QJsonObject{
        {"visible", chart.legendVisible()},
        {"position",
         chart.legendPosition() == TChart::LegendPosition::Bottom ? "bottom" : "right"}};
    root["view"] = QJsonObject{{"view3D", chart.view3D()},
                               {"walls", chart.walls()},
                               {"backWallPen", chart.backWallPen()},
                               {"clipPoints", chart.clipPoints()},
                               {"rotation", chart.rotation()},
                               {"elevation", chart.elevation()},
                               {"depth", chart.depth3D()}};
    QJsonObject axes;
    for (int i = 0; i < 4; ++i)
        axes[kAxisNames[i]] = writeAxis(*chart.axis(TChartAxis::Id(i)));
    root["axes"] = axes;
    QJsonArray series;
    for (int i = 0; i < chart.seriesCount(); ++i)
        series.append(writeSeries(*chart.series(i)));
    root["series"] = series;
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

void ChartStream::read(TChart &chart, const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        throw TessaryError(QObject::tr("The chart is empty: there is no chart data to read."));
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        throw TessaryError(
            QObject::tr("This is not a chart: its data cannot be read (%1 at byte %2).")
                .arg(err.errorString())
                .arg(err.offset));
    const QJsonObject root = doc.object();
    if (root["format"].toString() != QLatin1String("tessary-chart"))
        throw TessaryError(QObject::tr("This is not a chart: its format is \"%1\".")
                               .arg(root["format"].toString()));
    const int version = root["version"].toInt(0);
    if (version < 1 || version > kVersion)
        throw TessaryError(
            QObject::tr("This chart was written in version %1 of the chart format, which this "
                        "program cannot read.")
                .arg(root["version"].toVariant().toString()));

    chart.setTitle(root["title"].toString());
    chart.setBackgroundColor(readColor(root["background"], QColor(Qt::white)));
    chart.setBorderVisible(readBool(root["border"], false));
    chart.setWallColor(readColor(root["wallColor"], chart.wallColor()));
    const QJsonObject legend = root["legend"].toObject();
    chart.setLegendVisible(readBool(legend["visible"], true));
    chart.setLegendPosition(legend["position"].toString() == QLatin1String("bottom")
                                ? TChart::LegendPosition::Bottom
                                : TChart::LegendPosition::Right);
    const QJsonObject view = root["view"].toObject();
    chart.setView3D(readBool(view["view3D"], false));
    chart.setWalls(readBool(view["walls"], true));
    chart.setBackWallPen(readBool(view["backWallPen"], true));
    chart.setClipPoints(readBool(view["clipPoints"], true));
    chart.setRotation(readInt(view["rotation"], chart.rotation(), -100000, 100000));
    chart.setElevation(readInt(view["elevation"], chart.elevation(), -100000, 100000));
    chart.setDepth3D(readInt(view["depth"], chart.depth3D(), 0, 100));
    const QJsonArray series = root["series"].toArray();
    for (int i = 0; i < series.size(); ++i)
        readSeries(chart, series[i].toObject(), i);
    // Axes last: a fixed range is kept as it was written, whatever the data.
    const QJsonObject axes = root["axes"].toObject();
    for (int i = 0; i < 4; ++i)
        readAxis(*chart.axis(TChartAxis::Id(i)), axes[kAxisNames[i]].toObject());
}
