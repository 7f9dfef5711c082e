#include "wordcloud/TzqWord.h"

#include "wordcloud/TzqMath.h"
#include "wordcloud/TzqRandom.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <limits>

using TzqMath::Ceil;
using TzqMath::Round;
using TzqMath::Trunc;

namespace {

// Fonts are measured and outlined at 96 dots per inch on every platform, so
// that a point size gives the same pixels everywhere.
const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.setDotsPerMeterX(3780);
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return device;
}

// Fonts of one face at one size, made once: a new QFont per measurement
// would resolve the face (and its fallbacks) again every time. Layouts run
// on the user-interface thread only. The entries are deliberately never
// freed: fonts must not outlive the application object at exit.
struct SizedFont
{
    QFont font;
    QFontMetrics metrics;
};

const SizedFont &sizedFont(const QFont &face, int size)
{
    static QHash<QString, QHash<int, SizedFont *>> cache;
    QHash<int, SizedFont *> &sizes = cache[face.key()];
    SizedFont *&entry = sizes[size];
    if (!entry) {
        QFont f(face);
        f.setPointSize(size);
        const QFont device(f, &referenceDevice());
        entry = new SizedFont{device, QFontMetrics(device)};
    }
    return *entry;
}

bool sameFace(const QFont &a, const QFont &b)
{
    QFont x(a), y(b);
    x.setPointSize(10);
    y.setPointSize(10);
    return x == y;
}

void fillOutline(QPainter &p, const QVector<QPolygonF> &polygons, QRgb color)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF &poly : polygons) {
        path.addPolygon(poly);
        path.closeSubpath();
    }
    p.fillPath(path, QColor::fromRgba(color));
}

} // namespace

TzqWord::TzqWord()
    : m_font(QStringLiteral("Arial"), 10), m_face(m_font), m_raster(1, 1, QImage::Format_ARGB32)
{
    m_raster.fill(TzqColorToArgb(m_backColor));
}

TzqWord::TzqWord(const QString &text, int weight, TColor textColor) : TzqWord()
{
    m_text = text;
    m_weight = weight;
    m_textColor = textColor;
}

void TzqWord::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    clearCaches();
}

QFont TzqWord::Font() const
{
    QFont f(m_font);
    if (m_fontSize > 0)
        f.setPointSize(m_fontSize);
    return f;
}

void TzqWord::SetFont(const QFont &font)
{
    if (!sameFace(font, m_font))
        clearCaches();
    m_font = font;
    m_face = font;
    m_face.setPointSize(10);
    if (font.pointSize() > 0)
        m_fontSize = font.pointSize();
    else if (font.pixelSize() > 0)
        m_fontSize = int(Round(font.pixelSize() * 72.0 / 96.0));
}

void TzqWord::clearCaches()
{
    m_extentCache.clear();
    m_outlineCache.clear();
}

const QFont &TzqWord::deviceFont(int size) const
{
    return sizedFont(m_face, qMax(1, size)).font;
}

QSize TzqWord::TextExtent(int size) const
{
    if (size <= 0)
        return QSize(0, 0);
    auto it = m_extentCache.constFind(size);
    if (it != m_extentCache.constEnd())
        return *it;
    const QFontMetrics &fm = sizedFont(m_face, size).metrics;
    const QSize extent(fm.horizontalAdvance(m_text), fm.height());
    m_extentCache.insert(size, extent);
    return extent;
}

void TzqWord::SetWeight(int w)
{
    m_weight = w;
    SetFontSize(w);
}

void TzqWord::SetFontSize(int size)
{
    m_fontSize = size;
    m_shadowOffset = float(double(size) * 0.02);
    const QSize extent = TextExtent(size);
    const int shadow = int(Ceil(m_shadowOffset));
    const int w = extent.width() + shadow;
    const int h = int(Round(extent.height() * 0.75)) + shadow;
    const TzqRect &old = m_startingBounds;
    if (old.Width() == 0 || old.Height() == 0) {
        SetBounds(TzqRect(0, 0, w, h));
        return;
    }
    const int dx = int(Round((w - old.Width()) / 2.0));
    const int dy = int(Round((h - old.Height()) / 2.0));
    SetBounds(TzqRect(old.Left - dx, old.Top - dy, old.Right + dx, old.Bottom + dy));
}

void TzqWord::SetBounds(const TzqRect &r)
{
    m_startingBounds = r;
    m_bounds = r;
    m_textRect = QRectF(0, 0, r.Width(), r.Height());
}

void TzqWord::SetStartPosition(bool atCenter, const TzqRect &cloudRect, TzqRandom &random)
{
    m_atCenter = atCenter;
    const int cx = int(Round((cloudRect.Right - cloudRect.Left) / 2.0)) + cloudRect.Left;
    const int w = m_startingBounds.Width();
    const int h = m_startingBounds.Height();
    const int hw = int(Round(w / 2.0));
    const int hh = int(Round(h / 2.0));
    if (atCenter) {
        const int cy = int(Round((cloudRect.Bottom - cloudRect.Top) / 2.0)) + cloudRect.Top;
        SetBounds(TzqRect(cx - hw, cy - hh, cx + hw, cy + hh));
        return;
    }
    random.Randomize();
    const int x = random.RandomRange(int(Round(cx - cx / 2.0)), int(Round(cx + cx / 2.0)));
    const int y = random.RandomRange(cloudRect.Top, cloudRect.Bottom);
    const int left = x - hw;
    const int top = y - hh;
    SetBounds(TzqRect(left, top, left + w, top + h));
}

void TzqWord::ResetWord(const TzqRect &cloudRect, TzqRandom &random)
{
    m_startingBounds = TzqRect();
    SetFontSize(m_weight);
    SetStartPosition(m_atCenter, cloudRect, random);
}

void TzqWord::BuildOutline()
{
    auto cached = m_outlineCache.constFind(m_fontSize);
    if (cached != m_outlineCache.constEnd()) {
        m_outline = *cached;
    } else {
        // One line of text in the word's font, its top-left corner at the
        // frame's origin, as glyph polygons (curves flattened).
        const QFont &f = deviceFont(m_fontSize);
        const QFontMetricsF fm(f);
        QPainterPath path;
        path.addText(QPointF(0, fm.ascent()), f, m_text);
        m_outline = path.toSubpathPolygons();
        m_outlineCache.insert(m_fontSize, m_outline);
    }

    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool first = true;
    for (const QPolygonF &poly : qAsConst(m_outline)) {
        for (const QPointF &p : poly) {
            if (first) {
                minX = maxX = int(Round(p.x()));
                minY = maxY = int(Round(p.y()));
                first = false;
            }
            minX = qMin(minX, int(Trunc(p.x())));
            minY = qMin(minY, int(Trunc(p.y())));
            maxX = qMax(maxX, int(Ceil(p.x())));
            maxY = qMax(maxY, int(Ceil(p.y())));
        }
    }
    const int ow = maxX - minX;
    const int oh = maxY - minY;
    const int width = m_startingBounds.Width();
    const int height = m_startingBounds.Height();
    TzqRect r = m_startingBounds;
    const int shadow = int(Ceil(m_shadowOffset));
    r.Right += shadow;
    r.Bottom += shadow;
    if (ow >= width)
        r.Right += ow - width + 2;
    if (oh >= height)
        r.Bottom += oh - height + 2;
    SetBounds(r);
    ScaleOutline(1.0);
}

void TzqWord::ScaleOutline(double s)
{
    if (s < 0)
        s = 0.01;
    const int off = int(qMax<qint64>(1, TzqMath::RoundHalfEven(double(m_shadowOffset) * s)));
    double mx = std::numeric_limits<double>::max();
    double my = std::numeric_limits<double>::max();
    for (const QPolygonF &poly : qAsConst(m_outline)) {
        for (const QPointF &p : poly) {
            mx = std::min(mx, p.x() * s);
            my = std::min(my, p.y() * s);
        }
    }
    m_drawOutline.resize(m_outline.size());
    m_shadowOutline.resize(m_outline.size());
    for (int i = 0; i < m_outline.size(); ++i) {
        const QPolygonF &src = m_outline.at(i);
        QPolygonF &draw = m_drawOutline[i];
        QPolygonF &shadow = m_shadowOutline[i];
        draw.resize(src.size());
        shadow.resize(src.size());
        for (int j = 0; j < src.size(); ++j) {
            const QPointF q(src.at(j).x() * s - mx + 1, src.at(j).y() * s - my + 1);
            draw[j] = q;
            shadow[j] = q + QPointF(off, off);
        }
    }
}

void TzqWord::RenderWord()
{
    const int w = qMax(0, m_bounds.Width());
    const int h = qMax(0, m_bounds.Height());
    if (qint64(w) * h > MaxRasterPixels) {
        m_raster = QImage();
        return;
    }
    m_raster = QImage(w, h, QImage::Format_ARGB32);
    if (m_raster.isNull())
        return;
    m_raster.fill(TzqColorToArgb(m_backColor));
    QPainter p(&m_raster);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRgb color = m_highlighted ? qRgba(0, 0, 0, 255) : TzqColorToArgb(m_textColor);
    if (m_shadow)
        fillOutline(p, m_shadowOutline, 0xFFC0C0C0u);
    fillOutline(p, m_drawOutline, color);
}

void TzqWord::SetHighlighted(bool flag)
{
    if (flag == m_highlighted)
        return;
    m_highlighted = flag;
    RenderWord();
}
