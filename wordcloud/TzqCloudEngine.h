#pragma once

#include "wordcloud/TzqGradient.h"
#include "wordcloud/TzqMargins.h"
#include "wordcloud/TzqPlacedSet.h"
#include "wordcloud/TzqRect.h"
#include "wordcloud/TzqTypes.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QVector>
#include <memory>
#include <vector>

class QIODevice;
class QPainter;
class TzqRandom;
class TzqWord;

// The spiral's position in its walk, carried from one word to the next.
struct TzqSpiralState
{
    int LegLength = 1;
    int LegStep = 0;
    int DirX = -99;
    int DirY = -99;
    bool operator==(const TzqSpiralState &o) const
    {
        return LegLength == o.LegLength && LegStep == o.LegStep && DirX == o.DirX && DirY == o.DirY;
    }
};

// Counters of the last Generate call, coverage retries included.
struct TzqLayoutStats
{
    qint64 Positions = 0; // spiral positions walked
    qint64 BoxTests = 0;  // collision queries answered
    int Layouts = 0;      // layouts run (1 + coverage retries)
};

// The word-cloud layout engine without a window: the weighted words, the
// options, the layout (sizing, spiral placement, coverage retries), fitting an
// arrangement to a new size, colouring and drawing. TzqWordCloud is this
// engine on a widget; the command line uses it on an image.
class TzqCloudEngine
{
public:
    // How PlaceWord decides that a box touches a placed box: the occupancy
    // bitmap with runs of positions skipped at once, or the plain walk that
    // tests the list of placed boxes at every position. Both give the same
    // arrangement.
    enum class CollisionTest
    {
        Occupancy,
        BoxList
    };

    TzqCloudEngine();
    virtual ~TzqCloudEngine();
    TzqCloudEngine(const TzqCloudEngine &) = delete;
    TzqCloudEngine &operator=(const TzqCloudEngine &) = delete;

    // Published options.
    bool AutoResizeCoverage() const { return m_autoResizeCoverage; }
    void SetAutoResizeCoverage(bool on) { m_autoResizeCoverage = on; }
    TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(TColor color);
    TzqCloudShape CloudShape() const { return m_cloudShape; }
    void SetCloudShape(TzqCloudShape shape) { m_cloudShape = shape; }
    bool ContinueFromLastWord() const { return m_continueFromLastWord; }
    void SetContinueFromLastWord(bool on) { m_continueFromLastWord = on; }
    int Coverage() const;
    void SetCoverage(int percent);
    TzqWordDirection Direction() const { return m_direction; }
    void SetDirection(TzqWordDirection direction) { m_direction = direction; }
    const QFont &Font() const { return m_font; }
    // Copies the font; its point size becomes FontPointSize.
    void SetFont(const QFont &font);
    // What a stored font carries beside the face: the character set, the
    // colour (a system colour on a new control) and the point size, which a
    // document may give as 0.
    int FontCharset() const { return m_fontCharset; }
    void SetFontCharset(int charset) { m_fontCharset = charset; }
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color) { m_fontColor = color; }
    int FontPointSize() const { return m_fontPointSize; }
    void SetFontPointSize(int size);
    const TzqGradient &Gradient() const { return m_gradient; }
    void SetGradient(const TzqGradient &gradient) { m_gradient.Assign(gradient); }
    const TzqMargins &Margins() const { return m_margins; }
    void SetMargins(const TzqMargins &margins) { m_margins.Assign(margins); }
    TzqColorPalette Palette() const { return m_palette; }
    void SetPalette(TzqColorPalette palette) { m_palette = palette; }
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);
    bool PlaceWordAtCenter() const { return m_placeWordAtCenter; }
    void SetPlaceWordAtCenter(bool on) { m_placeWordAtCenter = on; }
    bool Shadow() const { return m_shadow; }
    void SetShadow(bool on);
    bool UsePalette() const { return m_usePalette; }
    void SetUsePalette(bool on) { m_usePalette = on; }

    // Words, owned by the engine.
    int WordCount() const { return int(m_words.size()); }
    TzqWord *Word(int i) const { return m_words.at(size_t(i)).get(); }
    TzqWord *AddWord(const QString &text, int weight, TColor textColor = clBlack);
    TzqWord *AddWord(std::unique_ptr<TzqWord> word);
    void ClearWords();

    // The stored document: writes the options, the layout rectangle and every
    // word; reads them back, replacing the words, and fits the stored
    // arrangement to the current size without a new layout. LoadFromStream
    // returns true when at least one word was loaded, and throws
    // TzqDocumentError, leaving the cloud as it was, when the document is
    // malformed.
    void SaveToStream(QIODevice &stream) const;
    bool LoadFromStream(QIODevice &stream);

    // Layout state.
    float CoverageFraction() const { return m_coverage; }
    // Sets the fraction alone, leaving the working coverage (document loading).
    void SetCoverageFraction(float fraction) { m_coverage = fraction; }
    float WorkingCoverage() const { return m_workingCoverage; }
    int MaxWeight() const { return m_maxWeight; }
    void SetMaxWeight(int w) { m_maxWeight = w; }
    int MinWeight() const { return m_minWeight; }
    void SetMinWeight(int w) { m_minWeight = w; }
    const TzqRect &CloudRect() const { return m_cloudRect; }
    const TzqRect &LayoutRect() const { return m_layoutRect; }
    void SetLayoutRect(const TzqRect &r) { m_layoutRect = r; }
    int StepX() const { return m_stepX; }
    int StepY() const { return m_stepY; }
    const TzqSpiralState &SpiralState() const { return m_spiral; }
    int PlacedCount() const { return m_placedCount; }
    bool Cancel() const { return m_cancel; }
    TzqWord *HitWord() const { return m_hitWord; }
    const TzqLayoutStats &Stats() const { return m_stats; }

    // Size of the control (or picture) the cloud is drawn in. A change fits
    // the arrangement to the new size.
    virtual QSize ControlSize() const { return m_size; }
    void SetControlSize(const QSize &size);

    // The random generator; the engine owns it.
    TzqRandom &Random() { return *m_random; }
    void SetRandom(std::unique_ptr<TzqRandom> random);
    CollisionTest Collision() const { return m_collision; }
    void SetCollisionTest(CollisionTest test) { m_collision = test; }

    // Geometry.
    int CloudWidth() const;
    int CloudHeight() const;
    TzqRect GetCloudRect();
    qint64 CloudArea() const;
    void UpdateSteps();
    bool InCloud(const TzqRect &r) const;
    static bool Touch(const TzqRect &a, const TzqRect &b);

    // Layout.
    bool Generate(bool reset);
    void FitFontSizes();
    int FindFontSize(TzqWord &word, qint64 desired, int mid, int lo, int hi);
    bool PlaceWord(TzqWord &word, TzqPlacedSet &placed, bool cont, bool clockwise);
    void FitToArea();

    // Colouring and drawing.
    void AssignColors();
    void PaintTo(QPainter &painter, const QRect &clip);
    // Highlights the placed words whose boxes contain the point (edges
    // included) and clears the others; returns the last one hit, or nullptr.
    TzqWord *HighlightAt(int x, int y);

protected:
    // Called when the cloud must be drawn again.
    virtual void CloudChanged() {}

public:
    // Draws the cloud again (after options were changed from outside).
    void Repaint() { CloudChanged(); }

protected:
    // Called before each word of a layout; setting cancel stops the layout.
    virtual void Progress(int percentDone, bool &cancel) {}
    // The brush colour of the parent, for ParentColor.
    virtual TColor ParentBrushColor() const { return m_backgroundColor; }
    // Called after BackgroundColor changed.
    virtual void BackgroundColorChanged() {}

private:
    qint64 walkBoxList(TzqRect &r, TzqWord *&lastHit, const TzqPlacedSet &placed);
    qint64 walkRun(const TzqRect &r, int sx, int sy, TzqWord *&lastHit, const TzqPlacedSet &placed);

    bool m_autoResizeCoverage = true;
    TColor m_backgroundColor = clWhite;
    TzqCloudShape m_cloudShape = csRectangle;
    bool m_continueFromLastWord = true;
    TzqWordDirection m_direction = wdAlternate;
    QFont m_font;
    int m_fontCharset = 1;           // the default character set
    TColor m_fontColor = 0x80000008; // the system's window-text colour
    int m_fontPointSize = 10;
    TzqGradient m_gradient;
    TzqMargins m_margins;
    TzqColorPalette m_palette = cpExcel;
    bool m_parentColor = false;
    bool m_placeWordAtCenter = true;
    bool m_shadow = true;
    bool m_usePalette = false;

    std::vector<std::unique_ptr<TzqWord>> m_words;
    float m_coverage = 0.6f;
    float m_workingCoverage = 0.6f;
    int m_maxWeight = 0;
    int m_minWeight = 2147483647;
    TzqRect m_cloudRect;
    TzqRect m_layoutRect;
    quint8 m_stepX = 1;
    quint8 m_stepY = 1;
    TzqSpiralState m_spiral;
    int m_placedCount = 0;
    bool m_cancel = false;
    TzqWord *m_hitWord = nullptr;
    QSize m_size;
    std::unique_ptr<TzqRandom> m_random;
    CollisionTest m_collision = CollisionTest::Occupancy;
    TzqLayoutStats m_stats;
    TzqPlacedSet m_placed;
    int m_generateDepth = 0;
};
