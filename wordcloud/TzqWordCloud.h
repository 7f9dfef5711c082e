#pragma once

#include "wordcloud/TzqCloudEngine.h"

#include <QWidget>

// The word-cloud control: the layout engine on a widget. It paints the cloud,
// fits the arrangement when resized, highlights a clicked word and copies the
// cloud to the clipboard as a PNG bitmap or an SVG picture.
class TzqWordCloud : public QWidget, public TzqCloudEngine
{
    Q_OBJECT
    Q_PROPERTY(bool AutoResizeCoverage READ AutoResizeCoverage WRITE SetAutoResizeCoverage)
    Q_PROPERTY(int Coverage READ Coverage WRITE SetCoverage)
    Q_PROPERTY(bool ContinueFromLastWord READ ContinueFromLastWord WRITE SetContinueFromLastWord)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool PlaceWordAtCenter READ PlaceWordAtCenter WRITE SetPlaceWordAtCenter)
    Q_PROPERTY(bool Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(bool UsePalette READ UsePalette WRITE SetUsePalette)

public:
    explicit TzqWordCloud(QWidget *parent = nullptr);

    // Lays out all words and repaints; true when every word was placed.
    using TzqCloudEngine::Generate;
    // Puts the cloud on the clipboard as a PNG picture of the control's size.
    void CopyAsBitmap();
    // Puts the cloud on the clipboard as an SVG picture (image/svg+xml).
    void CopyAsMetafile();
    // The cloud drawn into a new picture of the control's size.
    QImage ToImage();
    QByteArray ToSvg();
    // The cloud drawn at another size, as the control would show it at that
    // size; the control itself is left as it is.
    QImage ToImage(const QSize &size);
    QByteArray ToSvg(const QSize &size);
    // The widget's own size, also while it is hidden and has not yet seen its
    // resize event (or the size being drawn by ToImage(size)).
    QSize ControlSize() const override { return m_drawSize.isValid() ? m_drawSize : size(); }

signals:
    // A placed word was clicked (only emitted, and words only highlighted,
    // while something is connected to this signal).
    void OnClickWord(TzqWordCloud *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                     int x, int y, TzqWord *word);
    // Before each word of a layout; setting *cancel stops the layout.
    void OnProgress(TzqWordCloud *sender, int percentDone, bool *cancel);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    void CloudChanged() override;
    void Progress(int percentDone, bool &cancel) override;
    TColor ParentBrushColor() const override;
    void BackgroundColorChanged() override;

private:
    // Fits the arrangement to size for the duration of draw, then back.
    template <typename Draw> void drawAtSize(const QSize &size, Draw draw);

    QSize m_drawSize;
};
