#include "wordcloud/TzqCloudEngine.h"

#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqMath.h"
#include "wordcloud/TzqMtRandom.h"
#include "wordcloud/TzqPalettes.h"
#include "wordcloud/TzqWord.h"
#include "wordcloud/WordCloudLogging.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

using TzqMath::Ceil;
using TzqMath::Round;
using TzqMath::Trunc;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr qint64 kEndless = std::numeric_limits<qint64>::max();
// Upper bound of the one-point-at-a-time size correction, so that a word
// whose box cannot grow (no glyphs) never loops for ever.
constexpr int kMaxFontSize = 16384;

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

// Number of consecutive positions, from r on, moving by (sx, sy) per step,
// at which r still shares a point with p. r touches p on entry.
qint64 touchRun(const TzqRect &r, const TzqRect &p, int sx, int sy)
{
    if (sy == 0)
        return sx > 0 ? (p.Right - r.Left) / sx + 1 : (r.Right - p.Left) / -sx + 1;
    return sy > 0 ? (p.Bottom - r.Top) / sy + 1 : (r.Bottom - p.Top) / -sy + 1;
}

// Number of consecutive positions, from r on, at which r is still not inside
// the rectangle c. r is not inside c on entry.
qint64 outsideRun(const TzqRect &r, const TzqRect &c, int sx, int sy)
{
    if (sy == 0) {
        if (r.Top < c.Top || r.Bottom > c.Bottom)
            return kEndless;
        if (sx > 0)
            return r.Right > c.Right ? kEndless : ceilDiv(c.Left - r.Left, sx);
        return r.Left < c.Left ? kEndless : ceilDiv(r.Right - c.Right, -sx);
    }
    if (r.Left < c.Left || r.Right > c.Right)
        return kEndless;
    if (sy > 0)
        return r.Bottom > c.Bottom ? kEndless : ceilDiv(c.Top - r.Top, sy);
    return r.Top < c.Top ? kEndless : ceilDiv(r.Bottom - c.Bottom, -sy);
}

} // namespace

TzqCloudEngine::TzqCloudEngine()
    : m_font(QStringLiteral("Arial"), 10), m_random(std::make_unique<TzqMtRandom>())
{
}

TzqCloudEngine::~TzqCloudEngine() = default;

// ---- options ---------------------------------------------------------------

void TzqCloudEngine::SetBackgroundColor(TColor color)
{
    m_backgroundColor = m_parentColor ? ParentBrushColor() : color;
    BackgroundColorChanged();
    CloudChanged();
}

void TzqCloudEngine::SetParentColor(bool on)
{
    m_parentColor = on;
    if (on) {
        m_backgroundColor = ParentBrushColor();
        BackgroundColorChanged();
    }
    CloudChanged();
}

void TzqCloudEngine::SetFont(const QFont &font)
{
    m_font = font;
    if (font.pointSize() > 0)
        m_fontPointSize = font.pointSize();
    else if (font.pixelSize() > 0)
        m_fontPointSize = int(Round(font.pixelSize() * 72.0 / 96.0));
}

void TzqCloudEngine::SetFontPointSize(int size)
{
    m_fontPointSize = size;
    if (size > 0)
        m_font.setPointSize(size);
}

int TzqCloudEngine::Coverage() const
{
    return int(Round(double(m_coverage) * 100.0));
}

void TzqCloudEngine::SetCoverage(int percent)
{
    if (percent == Coverage())
        return;
    float fraction;
    if (percent > 100)
        fraction = 1.0f;
    else if (percent <= 0)
        fraction = 0.01f;
    else
        fraction = float(percent / 100.0);
    m_coverage = fraction;
    m_workingCoverage = fraction;
}

void TzqCloudEngine::SetShadow(bool on)
{
    m_shadow = on;
    for (auto &w : m_words)
        w->SetShadow(on);
    CloudChanged();
}

TzqWord *TzqCloudEngine::AddWord(const QString &text, int weight, TColor textColor)
{
    auto word = std::make_unique<TzqWord>(text, weight, textColor);
    word->SetFont(m_font);
    word->SetShadow(m_shadow);
    word->SetBackColor(m_backgroundColor);
    return AddWord(std::move(word));
}

TzqWord *TzqCloudEngine::AddWord(std::unique_ptr<TzqWord> word)
{
    m_words.push_back(std::move(word));
    return m_words.back().get();
}

void TzqCloudEngine::ClearWords()
{
    m_hitWord = nullptr;
    m_placed.Reset(TzqRect());
    m_words.clear();
    m_placedCount = 0;
}

void TzqCloudEngine::SetControlSize(const QSize &size)
{
    m_size = size;
    if (!m_words.empty()) {
        UpdateSteps();
        FitToArea();
    }
    CloudChanged();
}

void TzqCloudEngine::SetRandom(std::unique_ptr<TzqRandom> random)
{
    if (random)
        m_random = std::move(random);
}

// ---- the stored document ---------------------------------------------------

void TzqCloudEngine::SaveToStream(QIODevice &stream) const
{
    TzqCloudDocument::Write(*this, stream);
}

bool TzqCloudEngine::LoadFromStream(QIODevice &stream)
{
    // Read in full first: a malformed document throws before the cloud changes.
    const TzqCloudDocument document = TzqCloudDocument::Read(stream);
    const bool loaded = document.Apply(*this);
    CloudChanged();
    return loaded;
}

// ---- geometry --------------------------------------------------------------

int TzqCloudEngine::CloudWidth() const
{
    return qMax(0, ControlSize().width() - m_margins.Left - m_margins.Right);
}

int TzqCloudEngine::CloudHeight() const
{
    return qMax(0, ControlSize().height() - m_margins.Top - m_margins.Bottom);
}

TzqRect TzqCloudEngine::GetCloudRect()
{
    const QSize size = ControlSize();
    m_cloudRect = TzqRect(m_margins.Left, m_margins.Top, qMax(0, size.width() - m_margins.Right),
                          qMax(0, size.height() - m_margins.Bottom));
    return m_cloudRect;
}

qint64 TzqCloudEngine::CloudArea() const
{
    const qint64 w = CloudWidth();
    const qint64 h = CloudHeight();
    if (m_cloudShape == csRectangle)
        return w * h;
    return Round(h / 2.0 * (w / 2.0 * kPi));
}

void TzqCloudEngine::UpdateSteps()
{
    // Both steps are bytes; a step of 0 becomes 1.
    m_stepX = quint8(Round(CloudWidth() / 150.0));
    m_stepY = quint8(Round(CloudHeight() / 150.0));
    if (m_stepX == 0)
        m_stepX = 1;
    if (m_stepY == 0)
        m_stepY = 1;
}

bool TzqCloudEngine::InCloud(const TzqRect &r) const
{
    const TzqRect &c = m_cloudRect;
    if (m_cloudShape == csRectangle)
        return r.Left >= c.Left && r.Right <= c.Right && r.Top >= c.Top && r.Bottom <= c.Bottom;
    const double rx = (c.Right - c.Left) / 2.0;
    const double ry = (c.Bottom - c.Top) / 2.0;
    const double cx = c.Left + rx;
    const double cy = c.Top + ry;
    auto inside = [&](int x, int y) {
        const double u = (x - cx) / rx;
        const double v = (y - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    // Only the top-left and bottom-right corners are tested.
    return inside(r.Left, r.Top) && inside(r.Right, r.Bottom);
}

bool TzqCloudEngine::Touch(const TzqRect &a, const TzqRect &b)
{
    return !(a.Left > b.Right || a.Right < b.Left || a.Top > b.Bottom || a.Bottom < b.Top);
}

// ---- layout ----------------------------------------------------------------

bool TzqCloudEngine::Generate(bool reset)
{
    if (m_words.empty() || CloudWidth() == 0 || CloudHeight() == 0)
        return false;
    if (m_generateDepth == 0)
        m_stats = TzqLayoutStats();
    ++m_stats.Layouts;

    m_cancel = false;
    std::stable_sort(m_words.begin(), m_words.end(),
                     [](const auto &a, const auto &b) { return a->Weight() > b->Weight(); });
    if (reset)
        m_workingCoverage = m_coverage;
    UpdateSteps();
    m_layoutRect = GetCloudRect();

    // Weights above 1024 are scaled so that the heaviest is about 1024.
    const int heaviest = m_words.front()->Weight();
    const double k = heaviest > 1024 ? 1024.0 / heaviest : 1.0;
    for (auto &w : m_words) {
        w->SetFont(m_font);
        w->SetWeight(int(Ceil(w->Weight() * k)));
    }
    m_maxWeight = m_words.front()->Weight();
    m_minWeight = m_words.back()->Weight();

    FitFontSizes();

    for (auto &w : m_words) {
        w->SetPlaced(false);
        if (reset)
            w->SetStartPosition(m_placeWordAtCenter, m_cloudRect, *m_random);
    }

    m_placedCount = 0;
    // A new empty placed list (its bitmap memory is kept from layout to layout).
    TzqPlacedSet &placed = m_placed;
    placed.Reset(m_cloudRect);
    m_spiral = TzqSpiralState();
    m_random->Randomize();

    const int count = int(m_words.size());
    TzqRect previous;
    for (int i = 0; i < count && !m_cancel; ++i) {
        TzqWord &word = *m_words[size_t(i)];
        Progress(int(Round((i + 1) / double(count) * 100.0)), m_cancel);

        bool clockwise = true;
        if (m_direction == wdAlternate)
            clockwise = m_random->Random(2) == 0;
        else if (m_direction == wdAntiClockWise)
            clockwise = false;

        bool cont = false;
        if (m_placeWordAtCenter && m_continueFromLastWord) {
            clockwise = true;
            if (i > count / 10 && placed.Count() % 8 != 0) {
                const TzqRect &b = word.Bounds();
                word.SetBounds(TzqRect(previous.Left, previous.Top, previous.Left + b.Width(),
                                       previous.Top + b.Height()));
                cont = true;
            }
        }
        if (!PlaceWord(word, placed, cont, clockwise))
            break;
        placed.Add(&word);
        word.SetPlaced(true);
        previous = word.StartingBounds();
    }
    m_placedCount = placed.Count();
    bool result = m_placedCount == count;

    if (!result) {
        qCDebug(lcWordCloud).noquote()
            << QStringLiteral("Coverage Too High: ") + QString::number(m_workingCoverage, 'g', 6);
        if (m_autoResizeCoverage) {
            m_workingCoverage = float(double(m_workingCoverage) - 0.05);
            if (m_workingCoverage > 0) {
                for (auto &w : m_words)
                    w->ResetWord(m_cloudRect, *m_random);
                ++m_generateDepth;
                result = Generate(false);
                --m_generateDepth;
            }
        }
    }
    CloudChanged();
    return result;
}

void TzqCloudEngine::FitFontSizes()
{
    const qint64 target = Trunc(double(CloudArea()) * double(m_workingCoverage));
    if (target == 0)
        return;
    qint64 total = 0;
    for (const auto &w : m_words)
        total += w->StartingBounds().Area();
    const double ratio = double(total) / double(target);
    if (ratio == 0)
        return;

    double factor = 1.0;
    for (size_t i = 0; i < m_words.size(); ++i) {
        TzqWord &word = *m_words[i];
        auto area = [&word] { return word.StartingBounds().Area(); };
        qint64 a = area();
        if (a < 0)
            a = 1;
        qint64 desired = Round(a / ratio);
        if (desired < 0)
            desired = 1;

        int size = FindFontSize(word, desired, 512, 0, 1024);
        word.SetFontSize(size);
        while (area() < desired && size < kMaxFontSize)
            word.SetFontSize(++size);
        while (area() > desired && size > 1)
            word.SetFontSize(--size);

        size = int(Round(size * factor));
        if (size == 0)
            size = 1;
        word.SetFontSize(size);

        if (i == 0) {
            // The heaviest word keeps 10 pixels off the cloud's size; every
            // later word shrinks with it.
            const int first = size;
            while (size > 1 && (word.Bounds().Width() + 10 > CloudWidth() ||
                                word.Bounds().Height() + 10 > CloudHeight()))
                word.SetFontSize(--size);
            factor = double(size) / first;
        }
        word.BuildOutline();
    }
}

int TzqCloudEngine::FindFontSize(TzqWord &word, qint64 desired, int mid, int lo, int hi)
{
    if (mid <= 1)
        return 1;
    if (mid == lo || mid == hi)
        return mid;
    word.SetFontSize(mid);
    const qint64 a = word.StartingBounds().Area();
    if (a == desired)
        return mid;
    if (a > desired)
        return FindFontSize(word, desired, int(Trunc((mid - lo) / 2.0)) + lo, lo, mid);
    return FindFontSize(word, desired, int(Ceil((hi - mid) / 2.0)) + mid, mid, hi);
}

bool TzqCloudEngine::PlaceWord(TzqWord &word, TzqPlacedSet &placed, bool cont, bool clockwise)
{
    static const int kDirections[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    const int d = m_random->Random(4);
    TzqSpiralState s;
    s.DirX = kDirections[d][0];
    s.DirY = kDirections[d][1];
    if (cont)
        s = m_spiral;

    TzqRect r = word.Bounds();
    TzqWord *lastHit = nullptr;
    // The bitmap answers for closed boxes of non-negative size only.
    const bool plain = m_collision == CollisionTest::BoxList || !placed.Exact() ||
                       r.Left > r.Right || r.Top > r.Bottom;
    bool found = false;
    qint64 left = CloudArea();
    while (left > 0) {
        int sx = m_stepX * s.DirX;
        int sy = m_stepY * s.DirY;
        if (!clockwise) {
            sx = -sx;
            sy = -sy;
        }
        // run: how many positions from r on are certainly taken (0: r is free).
        qint64 run = plain ? walkBoxList(r, lastHit, placed) : walkRun(r, sx, sy, lastHit, placed);
        if (run == 0) {
            found = true;
            ++m_stats.Positions;
            break;
        }
        const qint64 legLeft = s.LegStep < s.LegLength ? s.LegLength - s.LegStep : kEndless;
        run = std::min({run, legLeft, left});
        r.Offset(int(sx * run), int(sy * run));
        s.LegStep += int(run);
        left -= run;
        m_stats.Positions += run;
        if (s.LegStep == s.LegLength) {
            // A quarter turn at the end of every leg; legs grow after each
            // vertical one.
            s.LegStep = 0;
            const int dirX = -s.DirY;
            s.DirY = s.DirX;
            s.DirX = dirX;
            if (s.DirY == 0)
                ++s.LegLength;
        }
    }
    word.SetBounds(r);
    m_spiral = s;
    if (!found && cont) {
        m_spiral = TzqSpiralState{1, 0, 1, 0};
        return PlaceWord(word, placed, false, clockwise);
    }
    return found;
}

// One position of the plain walk: 1 when r is outside the cloud or touches a
// placed box, else 0. The last word tested is tested first at the next
// position, since consecutive positions mostly collide with the same word.
qint64 TzqCloudEngine::walkBoxList(TzqRect &r, TzqWord *&lastHit, const TzqPlacedSet &placed)
{
    if (!InCloud(r))
        return 1;
    if (lastHit) {
        ++m_stats.BoxTests;
        if (Touch(r, lastHit->Bounds()))
            return 1;
    }
    for (TzqWord *w : placed.Words()) {
        lastHit = w;
        ++m_stats.BoxTests;
        if (Touch(r, w->Bounds()))
            return 1;
    }
    return 0;
}

// One position of the fast walk: 0 when r is free, else the number of
// positions along the current leg that are taken for the same reason (outside
// the cloud rectangle, or touching the same placed box), which the walk then
// skips at once.
qint64 TzqCloudEngine::walkRun(const TzqRect &r, int sx, int sy, TzqWord *&lastHit,
                               const TzqPlacedSet &placed)
{
    const TzqRect &c = m_cloudRect;
    if (r.Left < c.Left || r.Right > c.Right || r.Top < c.Top || r.Bottom > c.Bottom)
        return outsideRun(r, c, sx, sy);
    // Inside the rectangle but possibly outside the ellipse.
    if (m_cloudShape == csEllipse && !InCloud(r))
        return 1;
    ++m_stats.BoxTests;
    if (lastHit && Touch(r, lastHit->Bounds()))
        return touchRun(r, lastHit->Bounds(), sx, sy);
    TzqWord *w = placed.FindTouching(r);
    if (!w)
        return 0;
    lastHit = w;
    return touchRun(r, w->Bounds(), sx, sy);
}

void TzqCloudEngine::FitToArea()
{
    const int sw = m_layoutRect.Width();
    const int sh = m_layoutRect.Height();
    if (sw == 0 || sh == 0)
        return;
    // Boxes of a document may lie far outside its layout rectangle; shown
    // boxes are kept within a range where their edges and sizes stay integers.
    static constexpr qint64 kLimit = 1 << 28;
    auto clampInt = [](qint64 v) { return int(qBound(-kLimit, v, kLimit)); };
    const double s = std::min(double(CloudWidth()) / sw, double(CloudHeight()) / sh);
    const qint64 nw = Round(sw * s);
    const qint64 nh = Round(sh * s);
    const qint64 left = Round((CloudWidth() - nw) / 2.0) + m_layoutRect.Left;
    const qint64 top = Round((CloudHeight() - nh) / 2.0) + m_layoutRect.Top;
    // Every edge of a box is mapped alike into the fitted arrangement, so
    // boxes that were apart when laid out stay apart at any size: rounding
    // never makes neighbours share a pixel. The glyphs are scaled with the
    // arrangement.
    auto mapX = [&](qint64 x) {
        return clampInt(Round((x - m_margins.Left) / double(sw) * nw) + left);
    };
    auto mapY = [&](qint64 y) {
        return clampInt(Round((y - m_margins.Top) / double(sh) * nh) + top);
    };
    for (auto &word : m_words) {
        const TzqRect &sb = word->StartingBounds();
        word->ScaleOutline(s);
        word->SetShownBounds(TzqRect(mapX(sb.Left), mapY(sb.Top), mapX(sb.Right), mapY(sb.Bottom)));
    }
}

// ---- colouring and drawing -------------------------------------------------

void TzqCloudEngine::AssignColors()
{
    if (m_usePalette) {
        const TzqArrayOfColor colors = TzqPalettes::Colors(m_palette);
        for (size_t i = 0; i < m_words.size(); ++i)
            m_words[i]->SetTextColor(colors.at(int(i % size_t(colors.size()))));
    } else {
        m_gradient.BuildTable();
        for (auto &w : m_words) {
            qint64 pct = 100;
            if (m_maxWeight != m_minWeight)
                pct = Round(double(w->Weight() - qint64(m_minWeight)) /
                            double(qint64(m_maxWeight) - m_minWeight) * 100.0);
            w->SetTextColor(m_gradient.Entry(int(qBound(qint64(1), pct, qint64(100)))));
        }
    }
    for (auto &w : m_words)
        w->SetBackColor(m_backgroundColor);
}

void TzqCloudEngine::PaintTo(QPainter &painter, const QRect &clip)
{
    painter.fillRect(clip, TzqColorToQColor(m_backgroundColor));
    AssignColors();
    for (auto &w : m_words) {
        if (!w->Placed())
            continue;
        w->RenderWord();
        painter.drawImage(QPoint(w->Bounds().Left, w->Bounds().Top), w->Raster());
    }
}

TzqWord *TzqCloudEngine::HighlightAt(int x, int y)
{
    m_hitWord = nullptr;
    for (auto &w : m_words) {
        const bool hit = w->Placed() && w->Bounds().Contains(x, y);
        w->SetHighlighted(hit);
        if (hit)
            m_hitWord = w.get();
    }
    return m_hitWord;
}
