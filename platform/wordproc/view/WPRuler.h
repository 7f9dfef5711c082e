#pragma once

#include <QWidget>

class WPView;

// The horizontal ruler above a WPView: a centimetre scale from the left edge
// of the text, the text width in white, and the current paragraph's indents
// (first line and left on the left, right on the right) and tab stops. The
// indent markers and tab stops can be dragged; a click on the scale sets a
// left tab stop, dragging a stop off the ruler removes it.
class WPRuler : public QWidget
{
    Q_OBJECT
public:
    explicit WPRuler(WPView *view, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // Ruler x of a position in document units (pixels from the text's left edge
    // of the document frame) and back.
    qreal toRuler(qreal docX) const;
    qreal toDocument(qreal rulerX) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Marker
    {
        None,
        FirstLine,
        Left,
        Right,
        Tab
    };
    struct Indents
    {
        qreal first, left, right, width;
    };
    Indents currentIndents() const;
    Marker markerAt(const QPoint &pos, int *tabIndex) const;

    WPView *m_view;
    Marker m_drag = Marker::None;
    int m_dragTab = -1;
    qreal m_dragX = 0;
};
