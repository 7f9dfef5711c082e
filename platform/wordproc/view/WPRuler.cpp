#include "platform/wordproc/view/WPRuler.h"

#include "platform/wordproc/view/WPView.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextList>

namespace {
const qreal kPixelsPerCm = 96.0 / 2.54;
const int kGrab = 5;
} // namespace

WPRuler::WPRuler(WPView *view, QWidget *parent) : QWidget(parent), m_view(view)
{
    setObjectName(QStringLiteral("WPRuler1"));
    setFixedHeight(26);
    setMouseTracking(true);
    connect(view, &WPView::paragraphChanged, this, qOverload<>(&QWidget::update));
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            qOverload<>(&QWidget::update));
    connect(view->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
            this, qOverload<>(&QWidget::update));
}

QSize WPRuler::sizeHint() const
{
    return QSize(400, 26);
}

qreal WPRuler::toRuler(qreal docX) const
{
    const QPoint origin =
        m_view->viewport()->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
    return origin.x() - m_view->horizontalScrollBar()->value() +
           m_view->document()->documentMargin() + docX;
}

qreal WPRuler::toDocument(qreal rulerX) const
{
    return rulerX - toRuler(0);
}

WPRuler::Indents WPRuler::currentIndents() const
{
    const QTextDocument *doc = m_view->document();
    const QTextBlock block = m_view->textCursor().block();
    const QTextBlockFormat f = block.blockFormat();
    qreal indent = f.indent() * doc->indentWidth();
    if (const QTextList *list = block.textList())
        indent += list->format().indent() * doc->indentWidth();
    const qreal width = m_view->viewport()->width() - 2 * doc->documentMargin();
    return {f.leftMargin() + indent + f.textIndent(), f.leftMargin() + indent,
            width - f.rightMargin(), width};
}

void WPRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window));
    const Indents in = currentIndents();
    const QRectF band(toRuler(0), 4, in.width, height() - 9);
    p.fillRect(band, Qt::white);
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(band);

    // The scale: a tick every quarter centimetre, numbers every centimetre.
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    p.setPen(QColor(90, 90, 90));
    const int quarters = int(in.width / (kPixelsPerCm / 4));
    for (int q = 1; q <= quarters; ++q) {
        const qreal x = toRuler(q * kPixelsPerCm / 4);
        if (q % 4 == 0) {
            p.drawText(QRectF(x - 10, band.top(), 20, band.height()), Qt::AlignCenter,
                       QString::number(q / 4));
        } else {
            const qreal len = q % 2 == 0 ? 5 : 3;
            const qreal mid = band.center().y();
            p.drawLine(QPointF(x, mid - len / 2), QPointF(x, mid + len / 2));
        }
    }

    // Tab stops: an L for left stops, mirrored for right, a T for centred.
    p.setPen(QPen(Qt::black, 1.5));
    const QList<QTextOption::Tab> tabs = m_view->tabStops();
    for (int i = 0; i < tabs.size(); ++i) {
        const qreal x =
            m_drag == Marker::Tab && m_dragTab == i ? m_dragX : toRuler(tabs[i].position);
        const qreal y = band.bottom() - 2;
        p.drawLine(QPointF(x, y - 6), QPointF(x, y));
        if (tabs[i].type == QTextOption::LeftTab || tabs[i].type == QTextOption::DelimiterTab)
            p.drawLine(QPointF(x, y), QPointF(x + 5, y));
        else if (tabs[i].type == QTextOption::RightTab)
            p.drawLine(QPointF(x - 5, y), QPointF(x, y));
        else
            p.drawLine(QPointF(x - 3, y), QPointF(x + 3, y));
    }

    // Indent markers: triangles in the colour of the selection.
    auto triangle = [&](qreal x, bool down, qreal top) {
        QPainterPath path;
        if (down) {
            path.moveTo(x - 5, top);
            path.lineTo(x + 5, top);
            path.lineTo(x, top + 6);
        } else {
            path.moveTo(x - 5, top + 6);
            path.lineTo(x + 5, top + 6);
            path.lineTo(x, top);
        }
        path.closeSubpath();
        p.fillPath(path, pal.color(QPalette::Highlight).lighter(130));
        p.setPen(QPen(pal.color(QPalette::Highlight).darker(150), 1));
        p.drawPath(path);
    };
    const qreal first = m_drag == Marker::FirstLine ? m_dragX : toRuler(in.first);
    const qreal left = m_drag == Marker::Left ? m_dragX : toRuler(in.left);
    const qreal right = m_drag == Marker::Right ? m_dragX : toRuler(in.right);
    triangle(first, true, 0);
    triangle(left, false, height() - 7);
    triangle(right, false, height() - 7);
    if (m_drag != Marker::None && m_drag != Marker::Tab) {
        p.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
        p.drawLine(QPointF(m_dragX, 0), QPointF(m_dragX, height()));
    }
}

WPRuler::Marker WPRuler::markerAt(const QPoint &pos, int *tabIndex) const
{
    const Indents in = currentIndents();
    if (pos.y() < height() / 2 && qAbs(pos.x() - toRuler(in.first)) <= kGrab)
        return Marker::FirstLine;
    if (pos.y() >= height() / 2) {
        if (qAbs(pos.x() - toRuler(in.left)) <= kGrab)
            return Marker::Left;
        if (qAbs(pos.x() - toRuler(in.right)) <= kGrab)
            return Marker::Right;
    }
    const QList<QTextOption::Tab> tabs = m_view->tabStops();
    for (int i = 0; i < tabs.size(); ++i) {
        if (qAbs(pos.x() - toRuler(tabs[i].position)) <= kGrab) {
            *tabIndex = i;
            return Marker::Tab;
        }
    }
    return Marker::None;
}

void WPRuler::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    m_drag = markerAt(pos, &m_dragTab);
    m_dragX = pos.x();
    if (m_drag == Marker::None) {
        // A click on the scale sets a left tab stop there.
        const qreal x = toDocument(pos.x());
        if (x > 0 && x < currentIndents().width) {
            QList<QTextOption::Tab> tabs = m_view->tabStops();
            tabs.append(QTextOption::Tab(x, QTextOption::LeftTab));
            std::sort(tabs.begin(), tabs.end(),
                      [](const auto &a, const auto &b) { return a.position < b.position; });
            m_view->setTabStops(tabs);
        }
    }
    update();
}

void WPRuler::mouseMoveEvent(QMouseEvent *event)
{
    int tab = -1;
    if (m_drag == Marker::None) {
        setCursor(markerAt(event->position().toPoint(), &tab) != Marker::None ? Qt::SizeHorCursor
                                                                              : Qt::ArrowCursor);
        return;
    }
    const qreal lo = toRuler(0), hi = toRuler(currentIndents().width);
    m_dragX = qBound(lo, event->position().x(), hi);
    update();
}

void WPRuler::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Marker::None)
        return;
    const Marker drag = m_drag;
    m_drag = Marker::None;
    const Indents in = currentIndents();
    const qreal x = toDocument(m_dragX);
    if (drag == Marker::Tab) {
        QList<QTextOption::Tab> tabs = m_view->tabStops();
        if (m_dragTab >= 0 && m_dragTab < tabs.size()) {
            const bool off = event->position().y() < -8 || event->position().y() > height() + 8;
            if (off)
                tabs.removeAt(m_dragTab);
            else
                tabs[m_dragTab].position = x;
            std::sort(tabs.begin(), tabs.end(),
                      [](const auto &a, const auto &b) { return a.position < b.position; });
            m_view->setTabStops(tabs);
        }
    } else {
        // Indents from lists and levels stay; the dragged marker sets the margin.
        const qreal levelIndent = in.left - m_view->textCursor().blockFormat().leftMargin();
        m_view->changeBlockFormat([&](QTextBlockFormat &f) {
            if (drag == Marker::FirstLine) {
                f.setTextIndent(x - in.left);
            } else if (drag == Marker::Left) {
                // The first line keeps its place, as in every word processor.
                f.setLeftMargin(qMax<qreal>(0, x - levelIndent));
                f.setTextIndent(in.first - qMax<qreal>(levelIndent, x));
            } else {
                f.setRightMargin(qMax<qreal>(0, in.width - x));
            }
        });
    }
    update();
}
