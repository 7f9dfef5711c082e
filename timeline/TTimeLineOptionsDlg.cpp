#include "timeline/TTimeLineOptionsDlg.h"

#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/timebar/BgrColor.h"
#include "platform/timebar/TTimeBar.h"
#include "timeline/TColorBox.h"
#include "timeline/TimeLineText.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

// ---- The timeline text -------------------------------------------------------

QString TTimeLineOptionsDlg::FontDescription(const QFont &font)
{
    QString d = QLatin1Char(' ') + font.family();
    if (font.bold())
        d += QStringLiteral(" Bold");
    if (font.italic())
        d += QStringLiteral(" Italic");
    const double pt = font.pointSizeF();
    d += QLatin1Char(' ') +
         (pt > 0 ? QString::number(qRound(pt)) : QString::number(font.pixelSize()));
    return d;
}

TimeLineDocument TTimeLineOptionsDlg::DocumentOf(const TTimeBar &t, const QStringList &descriptions)
{
    TimeLineDocument doc;
    doc.BackColor = BgrColor::fromColor(t.Fill().Color);
    doc.BackColorTo = BgrColor::fromColor(t.Fill().ColorTo);
    doc.BarColor = BgrColor::fromColor(t.TimeLineBar().Fill.Color);
    doc.BarColorTo = BgrColor::fromColor(t.TimeLineBar().Fill.ColorTo);
    doc.IndicatorColor = BgrColor::fromColor(t.DefaultIndicator().AnnotationColor);
    doc.IndicatorRounded = t.DefaultIndicator().AnnotationRounded;
    doc.TimelineFont = FontDescription(t.RangeAppearance().DivisionFont);
    doc.EventFont = FontDescription(t.TimeLineBar().AnnotationFont);
    doc.MinimumRange = t.MinimumRange();
    doc.MaximumRange = t.MaximumRange();
    doc.RangeFrom = t.RangeFrom();
    doc.RangeTo = t.RangeTo();
    doc.Events.reserve(t.IndicatorCount());
    for (int i = 0; i < t.IndicatorCount(); ++i) {
        const TTimeBarIndicator &ind = t.Indicator(i);
        TimeLineEvent e;
        e.Annotation = ind.Annotation;
        e.Hint = ind.Hint;
        e.Position = ind.Position;
        e.Description = descriptions.value(ind.Tag);
        e.ImageIndex = ind.AnnotationImageIndex;
        e.AnnotationColor = BgrColor::fromColor(ind.AnnotationColor);
        doc.Events.append(e);
    }
    return doc;
}

void TTimeLineOptionsDlg::ApplyDocument(const TimeLineDocument &doc, TTimeBar &t,
                                        QStringList &descriptions)
{
    t.BeginUpdate();
    t.ClearIndicators();
    descriptions.clear();

    TTimeBarFill fill = t.Fill();
    if (doc.BackColor)
        fill.Color = BgrColor::toColor(*doc.BackColor);
    if (doc.BackColorTo)
        fill.ColorTo = BgrColor::toColor(*doc.BackColorTo);
    t.SetFill(fill);
    TTimeBarBar bar = t.TimeLineBar();
    if (doc.BarColor)
        bar.Fill.Color = BgrColor::toColor(*doc.BarColor);
    if (doc.BarColorTo)
        bar.Fill.ColorTo = BgrColor::toColor(*doc.BarColorTo);
    t.SetTimeLineBar(bar);
    TTimeBarIndicator def = t.DefaultIndicator();
    if (doc.IndicatorColor) {
        def.AnnotationColor = BgrColor::toColor(*doc.IndicatorColor);
        def.Color = def.ColorTo = def.AnnotationColor;
    }
    if (doc.IndicatorRounded)
        def.AnnotationRounded = *doc.IndicatorRounded;
    t.SetDefaultIndicator(def);

    // Ranges: what the text gives; without them, the span of the events.
    qint64 minMs = t.MinimumMSecs(), maxMs = t.MaximumMSecs();
    if (doc.MinimumRange)
        minMs = doc.MinimumRange->toMSecsSinceEpoch();
    if (doc.MaximumRange)
        maxMs = doc.MaximumRange->toMSecsSinceEpoch();
    if (!doc.MinimumRange && !doc.MaximumRange && !doc.Events.isEmpty()) {
        qint64 lo = std::numeric_limits<qint64>::max(), hi = std::numeric_limits<qint64>::min();
        for (const TimeLineEvent &e : doc.Events) {
            lo = qMin(lo, e.Position.toMSecsSinceEpoch());
            hi = qMax(hi, e.Position.toMSecsSinceEpoch());
        }
        const qint64 pad = qMax<qint64>((hi - lo) / 20, 86400000);
        minMs = lo - pad;
        maxMs = hi + pad;
    }
    t.SetRangeLimits(QDateTime::fromMSecsSinceEpoch(minMs, Qt::UTC),
                     QDateTime::fromMSecsSinceEpoch(maxMs, Qt::UTC));
    // The visible range: as given; a missing end keeps the span shown before;
    // without any range the whole total range shows.
    const qint64 oldSpan = t.ToMSecs() - t.FromMSecs();
    qint64 fromMs = t.MinimumMSecs(), toMs = t.MaximumMSecs();
    if (doc.RangeFrom && doc.RangeTo) {
        fromMs = doc.RangeFrom->toMSecsSinceEpoch();
        toMs = doc.RangeTo->toMSecsSinceEpoch();
    } else if (doc.RangeFrom) {
        fromMs = doc.RangeFrom->toMSecsSinceEpoch();
        toMs = fromMs + oldSpan;
    } else if (doc.RangeTo) {
        toMs = doc.RangeTo->toMSecsSinceEpoch();
        fromMs = toMs - oldSpan;
    } else if (!doc.MinimumRange && !doc.MaximumRange && doc.Events.isEmpty()) {
        fromMs = t.FromMSecs();
        toMs = t.ToMSecs();
    }
    t.SetRangeMSecs(fromMs, toMs);

    for (const TimeLineEvent &e : doc.Events) {
        TTimeBarIndicator ind = def;
        ind.Annotation = e.Annotation;
        ind.Hint = e.Hint;
        ind.Position = e.Position;
        ind.Tag = int(descriptions.size());
        descriptions.append(e.Description);
        ind.AnnotationImageIndex = e.ImageIndex;
        if (e.AnnotationColor)
            ind.AnnotationColor = BgrColor::toColor(*e.AnnotationColor);
        ind.Color = ind.ColorTo = ind.AnnotationColor;
        t.AddIndicator(ind);
    }
    t.EndUpdate();
}

void TTimeLineOptionsDlg::SaveTimeLineToString(const TTimeBar &timeLine,
                                               const QStringList &descriptions, QString &text,
                                               const QLocale &locale)
{
    text = TimeLineText::Write(DocumentOf(timeLine, descriptions), locale);
}

TimeLineDocument TTimeLineOptionsDlg::LoadTimeLinefromString(TTimeBar &timeLine,
                                                             QStringList &descriptions,
                                                             const QString &text,
                                                             const QLocale &locale)
{
    TimeLineDocument doc = TimeLineText::Read(text, locale);
    ApplyDocument(doc, timeLine, descriptions);
    return doc;
}

void TTimeLineOptionsDlg::SaveTimeLineToFile(const TTimeBar &timeLine,
                                             const QStringList &descriptions,
                                             const QString &fileName, const QLocale &locale)
{
    QString text;
    SaveTimeLineToString(timeLine, descriptions, text, locale);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw TessaryError(tr("Cannot write the timeline file %1: %2")
                               .arg(QFileInfo(fileName).fileName(), file.errorString()));
}

TimeLineDocument TTimeLineOptionsDlg::LoadTimeLineFromFile(TTimeBar &timeLine,
                                                           QStringList &descriptions,
                                                           const QString &fileName,
                                                           const QLocale &locale)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TessaryError(tr("Cannot read the timeline file %1: %2")
                               .arg(QFileInfo(fileName).fileName(), file.errorString()));
    return LoadTimeLinefromString(timeLine, descriptions, TimeLineText::Decode(file.readAll()),
                                  locale);
}

// ---- The dialog ----------------------------------------------------------------

TTimeLineOptionsDlg::TTimeLineOptionsDlg(TTimeBar *timeLine, QWidget *parent)
    : QDialog(parent), m_timeLine(timeLine)
{
    setWindowTitle(tr("Timeline Options"));
    auto *layout = new QVBoxLayout(this);

    auto *colours = new QGroupBox(tr("Colors"), this);
    auto *form = new QFormLayout(colours);
    auto row = [this, form](const QString &label, TColorBox *&a, TColorBox **b) {
        auto *line = new QHBoxLayout;
        a = new TColorBox(this);
        line->addWidget(a);
        if (b) {
            line->addWidget(new QLabel(tr("to"), this));
            *b = new TColorBox(this);
            line->addWidget(*b);
        }
        line->addStretch();
        form->addRow(label, line);
    };
    row(tr("Background:"), BkColor, &BkColorTo);
    row(tr("Time bar:"), TimeLineFrom, &TimeLineTo);
    row(tr("Annotations:"), IndicatorColor, nullptr);
    isRoundCorners = new QCheckBox(tr("Round corners"), this);
    form->addRow(QString(), isRoundCorners);
    layout->addWidget(colours);

    auto *fonts = new QGroupBox(tr("Fonts"), this);
    auto *fontForm = new QFormLayout(fonts);
    auto fontRow = [this, fontForm](const QString &label, QLabel *&panel, QPushButton *&button) {
        auto *line = new QHBoxLayout;
        panel = new QLabel(this);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMinimumWidth(180);
        panel->setCursor(Qt::PointingHandCursor);
        // It shows a font's name and size: nothing to translate.
        panel->setProperty("i18nKeep", true);
        button = new QPushButton(tr("Font..."), this);
        line->addWidget(panel, 1);
        line->addWidget(button);
        fontForm->addRow(label, line);
    };
    fontRow(tr("Dates:"), TimeLineFont, TimeLineFontBtn);
    fontRow(tr("Annotations:"), AnnotationFont, AnnotationFontBtn);
    layout->addWidget(fonts);

    CloseBtn = new QPushButton(tr("Close"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);

    for (TColorBox *box : {BkColor, BkColorTo, TimeLineFrom, TimeLineTo, IndicatorColor})
        connect(box, &TColorBox::ColorChanged, this, [this] { AdjustColors(); });
    connect(isRoundCorners, &QCheckBox::toggled, this, [this] {
        if (!m_activating)
            AdjustColors();
    });
    TimeLineFont->installEventFilter(this);
    AnnotationFont->installEventFilter(this);
    connect(TimeLineFontBtn, &QPushButton::clicked, this, &TTimeLineOptionsDlg::TimeLineFontClick);
    connect(AnnotationFontBtn, &QPushButton::clicked, this,
            &TTimeLineOptionsDlg::AnnotationFontClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    FormActivate();
}

void TTimeLineOptionsDlg::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

bool TTimeLineOptionsDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == TimeLineFont) {
            TimeLineFontClick();
            return true;
        }
        if (watched == AnnotationFont) {
            AnnotationFontClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTimeLineOptionsDlg::FormActivate()
{
    m_activating = true;
    BkColor->SetColor(m_timeLine->Fill().Color);
    BkColorTo->SetColor(m_timeLine->Fill().ColorTo);
    TimeLineFrom->SetColor(m_timeLine->TimeLineBar().Fill.Color);
    TimeLineTo->SetColor(m_timeLine->TimeLineBar().Fill.ColorTo);
    IndicatorColor->SetColor(m_timeLine->DefaultIndicator().AnnotationColor);
    isRoundCorners->setChecked(m_timeLine->DefaultIndicator().AnnotationRounded);
    const QFont dates = m_timeLine->RangeAppearance().DivisionFont;
    TimeLineFont->setFont(dates);
    TimeLineFont->setText(FontDescription(dates));
    const QFont notes = m_timeLine->TimeLineBar().AnnotationFont;
    AnnotationFont->setFont(notes);
    AnnotationFont->setText(FontDescription(notes));
    m_activating = false;
}

void TTimeLineOptionsDlg::AdjustColors()
{
    TTimeBar &t = *m_timeLine;
    t.BeginUpdate();
    t.SetFill({BkColor->Color(), BkColorTo->Color()});
    TTimeBarBar bar = t.TimeLineBar();
    bar.Fill = {TimeLineFrom->Color(), TimeLineTo->Color()};
    t.SetTimeLineBar(bar);

    TTimeBarIndicator def = t.DefaultIndicator();
    const QColor old = def.AnnotationColor;
    const QColor now = IndicatorColor->Color();
    const bool rounded = isRoundCorners->isChecked();
    def.AnnotationColor = def.Color = def.ColorTo = now;
    def.AnnotationRounded = rounded;
    t.SetDefaultIndicator(def);
    // Events that wear the old default colour follow it; all take the corners.
    for (int i = 0; i < t.IndicatorCount(); ++i) {
        TTimeBarIndicator ind = t.Indicator(i);
        if (ind.AnnotationColor == old)
            ind.AnnotationColor = ind.Color = ind.ColorTo = now;
        ind.AnnotationRounded = rounded;
        t.SetIndicator(i, ind);
    }
    t.EndUpdate();
}

void TTimeLineOptionsDlg::TimeLineFontClick()
{
    TTimeBarRangeAppearance look = m_timeLine->RangeAppearance();
    const std::optional<QFont> font = dialogs().chooseFont(this, look.DivisionFont);
    if (!font)
        return;
    TimeLineFont->setFont(*font);
    TimeLineFont->setText(FontDescription(*font));
    look.DivisionFont = *font;
    look.SubDivisionFont = *font;
    m_timeLine->SetRangeAppearance(look);
}

void TTimeLineOptionsDlg::AnnotationFontClick()
{
    TTimeBarBar bar = m_timeLine->TimeLineBar();
    const std::optional<QFont> font = dialogs().chooseFont(this, bar.AnnotationFont);
    if (!font)
        return;
    AnnotationFont->setFont(*font);
    AnnotationFont->setText(FontDescription(*font));
    bar.AnnotationFont = *font;
    // A new font lays the annotation boxes out again.
    m_timeLine->SetTimeLineBar(bar);
}
