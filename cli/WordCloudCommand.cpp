// tessary-cli wordcloud: lays out a weighted word list with the word-cloud
// engine and writes the cloud as a PNG, JPEG or SVG picture, or as the
// word-cloud document that a word-cloud page stores.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "platform/TessaryError.h"
#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqMtRandom.h"
#include "wordcloud/TzqWord.h"
#include "wordcloud/TzqWordList.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace {

const char *const kPaletteNames[] = {
    "Excel",   "Victorian", "Pastels", "Solid",        "Classic",   "Web",     "Modern",
    "Rainbow", "WindowsXP", "MacOS",   "WindowsVista", "GrayScale", "Opera",   "Warm",
    "Cool",    "OnBlack",   "Metro",   "iOS",          "Android",   "Lookout", "Seawash"};
static_assert(sizeof(kPaletteNames) / sizeof(kPaletteNames[0]) == TzqPaletteCount,
              "one name per palette");

const char kHelp[] =
    "usage: tessary-cli wordcloud --words FILE --size WxH --to OUT\n"
    "                             [--weights count|sqrt|log] [--font NAME]\n"
    "                             [--palette NAME | --gradient START,MIDDLE,END]\n"
    "                             [--shape rectangle|ellipse] [--random-start]\n"
    "                             [--coverage N] [--seed N]\n"
    "\n"
    "Lays out a weighted word list as a word cloud and writes it as a picture or\n"
    "as a word-cloud document (the stored form of a word-cloud page).\n"
    "\n"
    "  --words FILE     UTF-8 text, one word per line: the word, a tab, a positive\n"
    "                   whole number (a weight or a count). Empty lines and lines\n"
    "                   starting with # are skipped.\n"
    "  --size WxH       cloud size in pixels, e.g. 800x600\n"
    "  --to OUT         .png, .jpg/.jpeg or .svg picture, or .xml document\n"
    "  --weights MODE   how the numbers become weights (type size follows weight):\n"
    "                     count  as they are (default)\n"
    "                     sqrt   square roots: frequent words still stand out, and\n"
    "                            rare ones stay readable\n"
    "                     log    1 + natural logarithm: the flattest, every word\n"
    "                            readable\n"
    "                   With raw word counts use sqrt or log: counts span a hundred\n"
    "                   times and more, and the rarest words come out tiny.\n"
    "  --font NAME      font family of every word (default Arial)\n"
    "  --palette NAME   colour the words from a palette, in list order\n"
    "  --gradient S,M,E colour the words by weight from S through M to E; colours as\n"
    "                   #RRGGBB or names; M may be 'none' (or give only S,E).\n"
    "                   Default: grey to black.\n"
    "  --shape SHAPE    rectangle (default) or ellipse\n"
    "  --random-start   start every word at a random spot instead of the centre\n"
    "  --coverage N     percent of the cloud the words should fill (default 60);\n"
    "                   lowered by 5 until every word fits\n"
    "  --seed N         fixed random sequence, for repeatable pictures\n"
    "\n"
    "Prints how many words were placed, the coverage finally used and the range of\n"
    "type sizes.\n";

int usageError(QTextStream &err, const QString &message)
{
    err << "tessary-cli wordcloud: " << message << "\n"
        << "Try 'tessary-cli wordcloud --help'.\n";
    return 2;
}

int failure(QTextStream &err, const QString &message)
{
    err << "tessary-cli wordcloud: " << message << "\n";
    return 1;
}

QString paletteList()
{
    QStringList names;
    for (const char *n : kPaletteNames)
        names << QString::fromLatin1(n);
    return names.join(QLatin1String(", "));
}

int paletteIndex(const QString &name)
{
    QString n = name.trimmed();
    if (n.startsWith(QLatin1String("cp"), Qt::CaseInsensitive))
        n = n.mid(2);
    n.remove(QLatin1Char(' '));
    for (int i = 0; i < TzqPaletteCount; ++i)
        if (n.compare(QLatin1String(kPaletteNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool parseColor(const QString &text, bool allowNone, TColor &color)
{
    const QString t = text.trimmed();
    if (allowNone && (t.isEmpty() || t.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)) {
        color = clNone;
        return true;
    }
    const QColor c = QColor::fromString(t);
    if (!c.isValid())
        return false;
    color = TzqRgb(c.red(), c.green(), c.blue());
    return true;
}

using WordLine = TzqWordLine;

// Reads the word list; on failure returns false with a message naming the line.
bool readWords(const QString &path, QVector<WordLine> &words, QString &error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("no such word file: %1").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the word file %1: %2").arg(path, file.errorString());
        return false;
    }
    try {
        words = TzqWordList::parse(file.readAll(), path);
    } catch (const TessaryError &e) {
        error = e.message();
        return false;
    }
    return true;
}

bool writeSvg(TzqCloudEngine &cloud, const QString &path, const QSize &size)
{
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Word cloud"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    cloud.PaintTo(painter, QRect(QPoint(0, 0), size));
    return painter.end();
}

enum class WeightMode
{
    Count,
    Sqrt,
    Log
};

// Turns the numbers of the word list into weights. Count keeps them; sqrt
// and log compress their range and scale it so that the largest number
// becomes 1000, which leaves the weights enough steps to tell neighbours
// apart.
QVector<int> weightsFor(const QVector<WordLine> &words, WeightMode mode)
{
    QVector<int> weights;
    weights.reserve(words.size());
    if (mode == WeightMode::Count) {
        for (const WordLine &w : words)
            weights.append(w.weight);
        return weights;
    }
    auto curve = [mode](double c) {
        return mode == WeightMode::Sqrt ? std::sqrt(c) : 1.0 + std::log(c);
    };
    int largest = 1;
    for (const WordLine &w : words)
        largest = qMax(largest, w.weight);
    const double top = curve(largest);
    for (const WordLine &w : words)
        weights.append(qMax(1, int(std::lround(curve(w.weight) / top * 1000.0))));
    return weights;
}

bool writeDocument(const TzqCloudEngine &cloud, const QString &path, QString &error)
{
    QSaveFile file(path);
    const QByteArray bytes = TzqCloudDocument::Write(cloud);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = file.errorString();
    return false;
}

// Pixel height of a type size in points, at 96 dots per inch.
int pixelsOf(int points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

} // namespace

int cmdWordCloud(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args,
                    {"words", "size", "to", "palette", "gradient", "shape", "coverage", "seed",
                     "weights", "font"},
                    {"random-start", "help"});
    if (a.has(QStringLiteral("help")) || args.contains(QLatin1String("-h"))) {
        out << kHelp;
        return 0;
    }
    if (!a.ok())
        return usageError(err, a.error());
    if (!a.positional().isEmpty())
        return usageError(err,
                          QStringLiteral("unexpected argument \"%1\"").arg(a.positional().first()));
    for (const char *required : {"words", "size", "to"})
        if (!a.has(QLatin1String(required)))
            return usageError(err, QStringLiteral("--%1 is required").arg(QLatin1String(required)));

    static const QRegularExpression sizeRe(
        QStringLiteral("^\\s*(\\d{1,6})\\s*[xX]\\s*(\\d{1,6})\\s*$"));
    const QRegularExpressionMatch m = sizeRe.match(a.value(QStringLiteral("size")));
    const int width = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int height = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > 20000 || height > 20000)
        return usageError(err, QStringLiteral("bad size \"%1\": expected WIDTHxHEIGHT, each 1 to "
                                              "20000 pixels")
                                   .arg(a.value(QStringLiteral("size"))));

    const QString target = a.value(QStringLiteral("to"));
    const QString suffix = QFileInfo(target).suffix().toLower();
    const bool document = suffix == QLatin1String("xml");
    if (!document && suffix != QLatin1String("png") && suffix != QLatin1String("jpg") &&
        suffix != QLatin1String("jpeg") && suffix != QLatin1String("svg"))
        return usageError(err, QStringLiteral("cannot write \"%1\": the file must end in .png, "
                                              ".jpg, .jpeg, .svg or .xml")
                                   .arg(target));

    WeightMode mode = WeightMode::Count;
    if (a.has(QStringLiteral("weights"))) {
        const QString m = a.value(QStringLiteral("weights")).trimmed().toLower();
        if (m == QLatin1String("sqrt"))
            mode = WeightMode::Sqrt;
        else if (m == QLatin1String("log"))
            mode = WeightMode::Log;
        else if (m != QLatin1String("count"))
            return usageError(err, QStringLiteral("unknown weights \"%1\": count, sqrt or log")
                                       .arg(a.value(QStringLiteral("weights"))));
    }
    QString fontName = QStringLiteral("Arial");
    if (a.has(QStringLiteral("font"))) {
        fontName = a.value(QStringLiteral("font")).trimmed();
        if (fontName.isEmpty() || fontName.contains(QLatin1Char(',')))
            return usageError(err, QStringLiteral("bad font \"%1\": a font family name, without "
                                                  "commas")
                                       .arg(a.value(QStringLiteral("font"))));
    }

    if (a.has(QStringLiteral("palette")) && a.has(QStringLiteral("gradient")))
        return usageError(err, QStringLiteral("give either --palette or --gradient, not both"));
    int palette = -1;
    if (a.has(QStringLiteral("palette"))) {
        palette = paletteIndex(a.value(QStringLiteral("palette")));
        if (palette < 0)
            return usageError(err, QStringLiteral("unknown palette \"%1\"; known palettes: %2")
                                       .arg(a.value(QStringLiteral("palette")), paletteList()));
    }
    TzqGradient gradient;
    if (a.has(QStringLiteral("gradient"))) {
        const QStringList parts = a.value(QStringLiteral("gradient")).split(QLatin1Char(','));
        const bool ok = (parts.size() == 2 && parseColor(parts[0], false, gradient.StartColor) &&
                         parseColor(parts[1], false, gradient.EndColor)) ||
                        (parts.size() == 3 && parseColor(parts[0], false, gradient.StartColor) &&
                         parseColor(parts[1], true, gradient.MiddleColor) &&
                         parseColor(parts[2], false, gradient.EndColor));
        if (!ok)
            return usageError(err, QStringLiteral("bad gradient \"%1\": expected START,MIDDLE,END "
                                                  "colours such as #808080,none,#000000")
                                       .arg(a.value(QStringLiteral("gradient"))));
        if (parts.size() == 2)
            gradient.MiddleColor = clNone;
    }
    TzqCloudShape shape = csRectangle;
    if (a.has(QStringLiteral("shape"))) {
        const QString s = a.value(QStringLiteral("shape")).toLower();
        if (s == QLatin1String("ellipse"))
            shape = csEllipse;
        else if (s != QLatin1String("rectangle"))
            return usageError(err, QStringLiteral("unknown shape \"%1\": rectangle or ellipse")
                                       .arg(a.value(QStringLiteral("shape"))));
    }
    int coverage = 60;
    if (a.has(QStringLiteral("coverage"))) {
        bool ok = false;
        coverage = a.value(QStringLiteral("coverage")).toInt(&ok);
        if (!ok || coverage < 0 || coverage > 255)
            return usageError(err, QStringLiteral("bad coverage \"%1\": a percentage, 0 to 255")
                                       .arg(a.value(QStringLiteral("coverage"))));
    }
    std::unique_ptr<TzqRandom> random;
    if (a.has(QStringLiteral("seed"))) {
        bool ok = false;
        const uint seed = a.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok)
            return usageError(err, QStringLiteral("bad seed \"%1\": a whole number")
                                       .arg(a.value(QStringLiteral("seed"))));
        random = std::make_unique<TzqMtRandom>(seed);
    }

    QVector<WordLine> words;
    QString error;
    if (!readWords(a.value(QStringLiteral("words")), words, error))
        return failure(err, error);

    TzqCloudEngine cloud;
    if (random)
        cloud.SetRandom(std::move(random));
    cloud.SetControlSize(QSize(width, height));
    cloud.SetCoverage(coverage);
    cloud.SetCloudShape(shape);
    cloud.SetPlaceWordAtCenter(!a.has(QStringLiteral("random-start")));
    QFont font = cloud.Font();
    font.setFamily(fontName);
    cloud.SetFont(font);
    if (palette >= 0) {
        cloud.SetUsePalette(true);
        cloud.SetPalette(TzqColorPalette(palette));
    } else {
        cloud.SetGradient(gradient);
    }
    const QVector<int> weights = weightsFor(words, mode);
    for (int i = 0; i < words.size(); ++i)
        cloud.AddWord(words.at(i).text, weights.at(i));

    const bool all = cloud.Generate(true);
    const QSize size(width, height);
    if (document) {
        QString error;
        if (!writeDocument(cloud, target, error))
            return failure(err, QStringLiteral("cannot write %1: %2").arg(target, error));
    } else if (suffix == QLatin1String("svg")) {
        if (!writeSvg(cloud, target, size))
            return failure(err, QStringLiteral("cannot write %1").arg(target));
    } else {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            cloud.PaintTo(painter, image.rect());
        }
        QImageWriter writer(target);
        if (suffix != QLatin1String("png"))
            writer.setQuality(90);
        if (!writer.write(image))
            return failure(err,
                           QStringLiteral("cannot write %1: %2").arg(target, writer.errorString()));
    }

    out << "placed " << cloud.PlacedCount() << " of " << cloud.WordCount() << " words"
        << (all ? "" : " (the rest did not fit)") << "\n";
    // The coverage a layout ends with can fall to zero or a hair below it.
    const int used = int(std::lround(qMax(0.0, double(cloud.WorkingCoverage()) * 100.0)));
    out << "coverage " << used << "% (asked " << cloud.Coverage() << "%)\n";
    int smallest = 0, largest = 0, under8 = 0;
    bool any = false;
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        if (!w->Placed())
            continue;
        const int px = pixelsOf(w->FontSize());
        smallest = any ? qMin(smallest, px) : px;
        largest = any ? qMax(largest, px) : px;
        under8 += px < 8 ? 1 : 0;
        any = true;
    }
    if (any)
        out << "type " << smallest << " to " << largest << " px, " << under8
            << (under8 == 1 ? " word" : " words") << " under 8 px\n";
    const QString drawn = QFontInfo(cloud.Font()).family();
    if (a.has(QStringLiteral("font")) && drawn.compare(fontName, Qt::CaseInsensitive) != 0)
        out << "font " << fontName << " is drawn with " << drawn << " here\n";
    out << "wrote " << target << "\n";
    return 0;
}
