#pragma once

#include <QImage>
#include <QWidget>

// The picture control of the image editor: holds the working bitmap and draws
// it stretched to the control's size, only the exposed part. Views down to half
// size are filtered smoothly from the bitmap; smaller ones are drawn from a
// copy reduced by area averaging (made once per size, a quarter of the bitmap
// at most), so that every source pixel counts and repaints stay cheap.
// Enlarged views show the pixels as blocks.
class TImageView : public QWidget
{
    Q_OBJECT
public:
    explicit TImageView(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    // Takes the picture (move it in to avoid a copy); the control keeps its size.
    void setPicture(QImage picture);
    // Empties the picture and frees its memory; the control keeps its size.
    void clearPicture();

    // Draws the picture stretched to target; only the part inside exposed is
    // painted. Used by paintEvent and by off-screen rendering.
    void paintPicture(QPainter &painter, const QRect &target, const QRect &exposed);

    // Size of the reduced copy currently kept (empty when none), for tests.
    QSize reducedCopySize() const { return m_reduced.size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage &reducedCopy(const QSize &size);

    QImage m_picture;
    QImage m_reduced;
};
