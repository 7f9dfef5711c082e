#include "timeline/TimeLineText.h"

#include "timeline/TimeLineColors.h"
#include "timeline/TimeLineDates.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

const QChar kTab(9);
const QChar kBackspace(8);
const QChar kLineSeparator(0x2028);

QString lineBreaksOut(QString s)
{
    s.replace(QLatin1String("\r\n"), QString(kLineSeparator));
    s.replace(QLatin1Char('\r'), kLineSeparator);
    s.replace(QLatin1Char('\n'), kLineSeparator);
    return s;
}

QString lineBreaksIn(QString s)
{
    return s.replace(kLineSeparator, QLatin1Char('\n'));
}

// Annotation and hint: one field each, so tabs become spaces.
QString oneField(const QString &s)
{
    return lineBreaksOut(QString(s).replace(kTab, QLatin1Char(' ')));
}

QString quoted(const QString &s)
{
    const QString shown = s.size() > 60 ? s.left(57) + QStringLiteral("...") : s;
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// The fields of a record that hold a colour or a date. Each has whole
// sentences of its own for what can be wrong with it, so that every message
// translates as one sentence rather than as pieces put together.
enum class ColourField
{
    First,
    Second,
    Only
};
enum class DateField
{
    Event,
    TotalStart,
    TotalEnd,
    VisibleStart,
    VisibleEnd
};

struct ColourTexts
{
    const char *missing; // %1 line, %2 record
    const char *wrong;   // %1 line, %2 record, %3 the field
};

const ColourTexts &colourTexts(ColourField f)
{
    static const ColourTexts texts[] = {
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the first colour of the %2 record is missing."),
         QT_TRANSLATE_NOOP("TimeLine",
                           "Line %1: the first colour of the %2 record, %3, is not a colour.")},
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the second colour of the %2 record is missing."),
         QT_TRANSLATE_NOOP("TimeLine",
                           "Line %1: the second colour of the %2 record, %3, is not a colour.")},
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the colour of the %2 record is missing."),
         QT_TRANSLATE_NOOP("TimeLine",
                           "Line %1: the colour of the %2 record, %3, is not a colour.")},
    };
    return texts[int(f)];
}

struct DateTexts
{
    const char *missing; // %1 line
    const char *wrong;   // %1 line, %2 the field
    const char *foreign; // %1 line, %2 the field, %3 this computer's date format
};

const DateTexts &dateTexts(DateField f)
{
    static const DateTexts texts[] = {
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the event date is missing."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the event date %2 is not a date."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the event date %2 does not fit this computer's "
                                       "date format (%3).")},
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the start of the total range is missing."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the start of the total range, %2, is not a date."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the start of the total range, %2, does not fit "
                                       "this computer's date format (%3).")},
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the end of the total range is missing."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the end of the total range, %2, is not a date."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the end of the total range, %2, does not fit "
                                       "this computer's date format (%3).")},
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the start of the visible range is missing."),
         QT_TRANSLATE_NOOP("TimeLine",
                           "Line %1: the start of the visible range, %2, is not a date."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the start of the visible range, %2, does not fit "
                                       "this computer's date format (%3).")},
        {QT_TRANSLATE_NOOP("TimeLine", "Line %1: the end of the visible range is missing."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the end of the visible range, %2, is not a date."),
         QT_TRANSLATE_NOOP("TimeLine", "Line %1: the end of the visible range, %2, does not fit "
                                       "this computer's date format (%3).")},
    };
    return texts[int(f)];
}

QString tl(const char *text)
{
    return QCoreApplication::translate("TimeLine", text);
}

// A date-time read on a line; remembered for the check of mixed date settings.
struct ReadDate
{
    int line;
    QString text;
    QDateTime value;
};

class Reader
{
public:
    Reader(const QLocale &locale, TimeLineDocument &doc) : m_dates(locale), m_doc(doc) {}

    void line(int number, const QString &text);
    void finish();

private:
    void problem(int line, const QString &message) { m_doc.Problems.append({line, message}); }
    bool color(int line, const QString &record, const QString &field, ColourField which,
               std::optional<quint32> *out);
    bool date(int line, const QString &field, DateField which, std::optional<QDateTime> *out);

    TimeLineDates m_dates;
    TimeLineDocument &m_doc;
    QVector<ReadDate> m_read;
    QString m_foreign; // date format of other settings met in the text
};

bool Reader::color(int line, const QString &record, const QString &field, ColourField which,
                   std::optional<quint32> *out)
{
    quint32 v = 0;
    if (!TimeLineColors::NameToColor(field, &v)) {
        const ColourTexts &t = colourTexts(which);
        if (field.trimmed().isEmpty())
            problem(line, tl(t.missing).arg(line).arg(record));
        else
            problem(line, tl(t.wrong).arg(line).arg(record, quoted(field)));
        return false;
    }
    *out = v;
    return true;
}

bool Reader::date(int line, const QString &field, DateField which, std::optional<QDateTime> *out)
{
    const DateTexts &t = dateTexts(which);
    if (field.trimmed().isEmpty()) {
        problem(line, tl(t.missing).arg(line));
        return false;
    }
    const QDateTime iso = TimeLineDates::ParseIso(field);
    if (iso.isValid()) {
        *out = iso;
        return true;
    }
    const QDateTime dt = m_dates.Parse(field);
    if (dt.isValid()) {
        m_read.append({line, field, dt});
        *out = dt;
        return true;
    }
    const QString foreign = m_dates.ForeignFormat(field);
    if (!foreign.isEmpty()) {
        if (m_foreign.isEmpty())
            m_foreign = foreign;
        problem(
            line,
            tl(t.foreign).arg(line).arg(quoted(field), m_dates.DateFormat()) + QLatin1Char(' ') +
                tl(QT_TRANSLATE_NOOP("TimeLine", "The timeline was written under other date "
                                                 "settings (%1). The line is not loaded; dates "
                                                 "written as ISO 8601 (yyyy-MM-dd) read the same "
                                                 "everywhere."))
                    .arg(foreign));
    } else {
        problem(line, tl(t.wrong).arg(line).arg(quoted(field)) + QLatin1Char(' ') +
                          tl(QT_TRANSLATE_NOOP("TimeLine", "Dates are written as %1 or as ISO "
                                                           "8601 (yyyy-MM-dd). The line is not "
                                                           "loaded."))
                              .arg(m_dates.DateFormat()));
    }
    return false;
}

void Reader::line(int number, const QString &text)
{
    if (text.trimmed().isEmpty())
        return;
    const QString record = TimeLineText::Field(text, 1);
    const auto f = [&text](int n) { return TimeLineText::Field(text, n); };

    if (record == QLatin1String("Event")) {
        ++m_doc.Records;
        TimeLineEvent e;
        e.Annotation = lineBreaksIn(f(2));
        e.Hint = lineBreaksIn(f(3));
        std::optional<QDateTime> pos;
        if (!date(number, f(4), DateField::Event, &pos))
            return;
        e.Position = *pos;
        e.Description = lineBreaksIn(f(5).replace(kBackspace, kTab));
        bool ok = false;
        const int image = f(6).trimmed().toInt(&ok);
        e.ImageIndex = ok ? image : -1;
        const QString colour = f(7).trimmed();
        if (!colour.isEmpty()) {
            quint32 v = 0;
            if (TimeLineColors::NameToColor(colour, &v))
                e.AnnotationColor = v;
            else
                problem(number, tl(QT_TRANSLATE_NOOP("TimeLine",
                                                     "Line %1: the annotation colour %2 is not a "
                                                     "colour; the event takes the default "
                                                     "colour."))
                                    .arg(number)
                                    .arg(quoted(colour)));
        }
        m_doc.Events.append(e);
    } else if (record == QLatin1String("BackGround")) {
        ++m_doc.Records;
        if (color(number, record, f(2), ColourField::First, &m_doc.BackColor))
            color(number, record, f(3), ColourField::Second, &m_doc.BackColorTo);
    } else if (record == QLatin1String("LineBar")) {
        ++m_doc.Records;
        if (color(number, record, f(2), ColourField::First, &m_doc.BarColor))
            color(number, record, f(3), ColourField::Second, &m_doc.BarColorTo);
    } else if (record == QLatin1String("Indicator")) {
        ++m_doc.Records;
        if (color(number, record, f(2), ColourField::Only, &m_doc.IndicatorColor))
            m_doc.IndicatorRounded = f(3) == QLatin1String("True");
    } else if (record == QLatin1String("Max Range")) {
        ++m_doc.Records;
        if (date(number, f(2), DateField::TotalStart, &m_doc.MinimumRange))
            date(number, f(3), DateField::TotalEnd, &m_doc.MaximumRange);
    } else if (record == QLatin1String("Range")) {
        ++m_doc.Records;
        if (date(number, f(2), DateField::VisibleStart, &m_doc.RangeFrom))
            date(number, f(3), DateField::VisibleEnd, &m_doc.RangeTo);
    } else if (record == QLatin1String("Timeline Font") ||
               record == QLatin1String("Timeline font") || record == QLatin1String("Event font") ||
               record == QLatin1String("Image")) {
        // Written for the host's information; the control keeps its own fonts.
        ++m_doc.Records;
    } else {
        problem(number, tl(QT_TRANSLATE_NOOP("TimeLine", "Line %1: %2 is not a timeline record; "
                                                         "the line is ignored."))
                            .arg(number)
                            .arg(quoted(record)));
    }
}

void Reader::finish()
{
    // When some dates were written under other date settings, the dates that
    // this locale did read may be other days than meant: name each of them.
    if (m_foreign.isEmpty())
        return;
    for (const ReadDate &d : m_read) {
        const QDateTime other = m_dates.ParseForeign(d.text, m_foreign);
        if (other.isValid() && other != d.value)
            problem(d.line,
                    tl(QT_TRANSLATE_NOOP("TimeLine",
                                         "Line %1: the date %2 is read as %3 under this "
                                         "computer's date format (%4), but the timeline seems to "
                                         "be written under other date settings (%5), where it is "
                                         "%6. Check this date."))
                        .arg(d.line)
                        .arg(quoted(d.text), TimeLineDates::Describe(d.value), m_dates.DateFormat(),
                             m_foreign, TimeLineDates::Describe(other)));
    }
    std::stable_sort(
        m_doc.Problems.begin(), m_doc.Problems.end(),
        [](const TimeLineProblem &a, const TimeLineProblem &b) { return a.Line < b.Line; });
}

} // namespace

QString TimeLineText::Field(const QString &line, int n)
{
    int start = 0;
    for (int k = 1; k < n; ++k) {
        const int tab = line.indexOf(kTab, start);
        if (tab < 0)
            return QString();
        start = tab + 1;
    }
    const int end = line.indexOf(kTab, start);
    return end < 0 ? line.mid(start) : line.mid(start, end - start);
}

QString TimeLineText::Decode(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(body);
}

QString TimeLineText::Write(const TimeLineDocument &doc, const QLocale &locale)
{
    const TimeLineDates dates(locale);
    const auto colour = [](const std::optional<quint32> &c, quint32 fallback) {
        return TimeLineColors::ColorToName(c.value_or(fallback));
    };
    const auto when = [&dates](const std::optional<QDateTime> &t) {
        return t ? dates.Format(*t) : QString();
    };
    // Ranges the document leaves open are those of its events, a little wider.
    TimeLineDocument ranged;
    if (!doc.MinimumRange || !doc.MaximumRange) {
        QDateTime lo, hi;
        for (const TimeLineEvent &e : doc.Events) {
            if (!e.Position.isValid())
                continue;
            if (!lo.isValid() || e.Position < lo)
                lo = e.Position;
            if (!hi.isValid() || e.Position > hi)
                hi = e.Position;
        }
        if (!lo.isValid()) {
            const QDate today = QDate::currentDate();
            lo = QDateTime(QDate(today.year(), 1, 1), QTime(0, 0), Qt::UTC);
            hi = lo.addYears(1);
        }
        const qint64 pad = qMax<qint64>(lo.msecsTo(hi) / 20, 86400000);
        ranged.MinimumRange =
            doc.MinimumRange.value_or(QDateTime(lo.addMSecs(-pad).date(), QTime(0, 0), Qt::UTC));
        ranged.MaximumRange =
            doc.MaximumRange.value_or(QDateTime(hi.addMSecs(pad).date(), QTime(0, 0), Qt::UTC));
    } else {
        ranged.MinimumRange = doc.MinimumRange;
        ranged.MaximumRange = doc.MaximumRange;
    }
    ranged.RangeFrom = doc.RangeFrom ? doc.RangeFrom : ranged.MinimumRange;
    ranged.RangeTo = doc.RangeTo ? doc.RangeTo : ranged.MaximumRange;
    QStringList lines;
    const QString tab(kTab);
    lines << QStringLiteral("BackGround") + tab +
                 colour(doc.BackColor, TimeLineDefaults::BackColor) + tab +
                 colour(doc.BackColorTo, TimeLineDefaults::BackColorTo)
          << QStringLiteral("LineBar") + tab + colour(doc.BarColor, TimeLineDefaults::BarColor) +
                 tab + colour(doc.BarColorTo, TimeLineDefaults::BarColorTo)
          << QStringLiteral("Indicator") + tab +
                 colour(doc.IndicatorColor, TimeLineDefaults::IndicatorColor) + tab +
                 (doc.IndicatorRounded.value_or(true) ? QStringLiteral("True")
                                                      : QStringLiteral("False"))
          << QStringLiteral("Timeline Font") + tab + doc.TimelineFont
          << QStringLiteral("Event font") + tab + doc.EventFont
          << QStringLiteral("Image") + tab + QString::number(doc.ImageWidth) + tab +
                 QString::number(doc.ImageHeight)
          << QStringLiteral("Max Range") + tab + when(ranged.MinimumRange) + tab +
                 when(ranged.MaximumRange)
          << QStringLiteral("Range") + tab + when(ranged.RangeFrom) + tab + when(ranged.RangeTo);
    for (const TimeLineEvent &e : doc.Events) {
        QString description = lineBreaksOut(e.Description);
        description.replace(kTab, kBackspace);
        lines << QStringLiteral("Event") + tab + oneField(e.Annotation) + tab + oneField(e.Hint) +
                     tab + dates.Format(e.Position) + tab + description + tab +
                     QString::number(e.ImageIndex) + tab +
                     (e.AnnotationColor ? QString::number(*e.AnnotationColor) : QString());
    }
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

TimeLineDocument TimeLineText::Read(const QString &text, const QLocale &locale)
{
    TimeLineDocument doc;
    Reader reader(locale, doc);
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = text.split(breaks);
    for (int i = 0; i < lines.size(); ++i)
        reader.line(i + 1, lines[i]);
    reader.finish();
    return doc;
}
