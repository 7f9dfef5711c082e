#include "wordcloud/TzqCloudDocument.h"

#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqWord.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <memory>
#include <vector>

namespace {

const QString kVersion = QStringLiteral("1.0");

// ---- writing ---------------------------------------------------------------

QString intText(qint64 v)
{
    return QString::number(v);
}

// Colours are written as signed 32-bit numbers, so a system colour such as
// 0x80000008 reads -2147483640.
QString colorText(TColor c)
{
    return QString::number(qint32(c));
}

QString boxText(const TzqRect &r)
{
    return QStringLiteral("%1;%2;%3;%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}

int fontStyle(const QFont &f)
{
    return (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) |
           (f.strikeOut() ? 8 : 0);
}

// ---- reading ---------------------------------------------------------------

// Elements are kept down to a word's children; anything deeper is skipped.
constexpr int kKeptDepth = 4;

struct Node
{
    QString name;
    QString text;
    qint64 line = 0;
    QString version; // the root's version attribute
    std::vector<Node> children;

    const Node *child(const QString &n) const
    {
        for (const Node &c : children)
            if (c.name == n)
                return &c;
        return nullptr;
    }
};

[[noreturn]] void fail(const QString &what)
{
    throw TzqDocumentError(
        QCoreApplication::translate("WordCloud", "The word-cloud document cannot be read: %1.")
            .arg(what));
}

QString quoted(const QString &text)
{
    const QString t = text.trimmed();
    return t.size() > 40 ? QStringLiteral("\"%1...\"").arg(t.left(40))
                         : QStringLiteral("\"%1\"").arg(t);
}

QString where(const Node &n, const QString &owner)
{
    const QString element = QStringLiteral("<%1>").arg(n.name);
    const QString of =
        owner.isEmpty() ? element
                        : QCoreApplication::translate("WordCloud", "%1 of %2").arg(element, owner);
    return QCoreApplication::translate("WordCloud", "%1 (line %2)").arg(of).arg(n.line);
}

Node parseTree(QIODevice &device)
{
    QXmlStreamReader xml(&device);
    Node root;
    std::vector<Node *> open;
    int skipped = 0; // depth inside an element below the kept depth
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (skipped > 0 || int(open.size()) >= kKeptDepth) {
                ++skipped;
            } else if (open.empty()) {
                root.name = xml.name().toString();
                root.line = xml.lineNumber();
                root.version = xml.attributes().value(QLatin1String("version")).toString();
                open.push_back(&root);
            } else {
                Node n;
                n.name = xml.name().toString();
                n.line = xml.lineNumber();
                open.back()->children.push_back(std::move(n));
                open.push_back(&open.back()->children.back());
            }
            break;
        case QXmlStreamReader::EndElement:
            if (skipped > 0)
                --skipped;
            else if (!open.empty())
                open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (skipped == 0 && !open.empty())
                open.back()->text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        fail(QCoreApplication::translate("WordCloud",
                                         "it is not well-formed XML (%1, line %2, column %3)")
                 .arg(xml.errorString())
                 .arg(xml.lineNumber())
                 .arg(xml.columnNumber()));
    if (root.name.isEmpty())
        fail(QCoreApplication::translate("WordCloud", "it holds no element"));
    return root;
}

qint64 readInteger(const Node &n, const QString &owner, qint64 lo, qint64 hi)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]{1,18}$"));
    const QString t = n.text.trimmed();
    if (!digits.match(t).hasMatch())
        fail(QCoreApplication::translate("WordCloud", "%1 is %2, not a whole number")
                 .arg(where(n, owner), quoted(n.text)));
    const qint64 v = t.toLongLong();
    if (v < lo || v > hi)
        fail(QCoreApplication::translate("WordCloud", "%1 is %2, outside %3 to %4")
                 .arg(where(n, owner), quoted(n.text))
                 .arg(lo)
                 .arg(hi));
    return v;
}

// Colours: signed 32-bit numbers; their unsigned spelling is accepted too.
TColor readColor(const Node &n, const QString &owner)
{
    return TColor(quint32(readInteger(n, owner, -2147483648LL, 4294967295LL)));
}

int readInt32(const Node &n, const QString &owner)
{
    return int(readInteger(n, owner, -2147483648LL, 2147483647LL));
}

bool readBool(const Node &n)
{
    const QString t = n.text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0"))
        return false;
    fail(QCoreApplication::translate("WordCloud", "%1 is %2, not \"true\" or \"false\"")
             .arg(where(n, {}), quoted(n.text)));
}

double readCoverage(const Node &n)
{
    bool ok = false;
    const double v = n.text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        fail(QCoreApplication::translate("WordCloud", "%1 is %2, not a decimal number")
                 .arg(where(n, {}), quoted(n.text)));
    if (v < 0 || v > 1)
        fail(QCoreApplication::translate("WordCloud", "%1 is %2, outside 0 to 1")
                 .arg(where(n, {}), quoted(n.text)));
    return v;
}

// A box: four items split at ";" (white space also separates). Anything but
// four items gives no box; an item that is not a number is left empty; a
// number beyond the coordinate range is an error.
std::optional<TzqCloudDocument::BoxItems> readBox(const Node &n, const QString &owner)
{
    static const QRegularExpression separators(QStringLiteral("\\s*;\\s*|\\s+"));
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]{1,18}$"));
    const QStringList items = n.text.trimmed().split(separators);
    if (items.size() != 4)
        return std::nullopt;
    TzqCloudDocument::BoxItems box;
    for (int i = 0; i < 4; ++i) {
        if (!number.match(items[i]).hasMatch())
            continue;
        const qint64 v = items[i].toLongLong();
        if (qAbs(v) > TzqCloudDocument::MaxCoordinate)
            fail(QCoreApplication::translate("WordCloud", "%1 holds %2, outside -%3 to %3")
                     .arg(where(n, owner), items[i])
                     .arg(TzqCloudDocument::MaxCoordinate));
        box[size_t(i)] = int(v);
    }
    return box;
}

TzqCloudDocument::FontSpec readFont(const Node &n)
{
    TzqCloudDocument::FontSpec f;
    const QStringList fields = n.text.split(QLatin1Char(','));
    f.Name = fields.at(0).trimmed();
    // Fields 2 to 5 are numbers; a missing one counts as 0.
    const qint64 lo[] = {0, -2147483648LL, 0, 0};
    const qint64 hi[] = {TzqCloudDocument::MaxCharset, 4294967295LL, TzqCloudDocument::MaxFontSize,
                         TzqCloudDocument::MaxFontStyle};
    const char *names[] = {"character set", "colour", "size", "style"};
    qint64 v[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i + 1 < fields.size(); ++i) {
        Node field;
        field.name = n.name;
        field.line = n.line;
        field.text = fields[i + 1];
        v[i] = readInteger(
            field,
            QCoreApplication::translate("WordCloud", "the font (%1)").arg(QLatin1String(names[i])),
            lo[i], hi[i]);
    }
    f.Charset = int(v[0]);
    f.Color = TColor(quint32(v[1]));
    f.Size = int(v[2]);
    f.Style = int(v[3]);
    return f;
}

TzqCloudDocument::WordSpec readWord(const Node &n, int number)
{
    const QString owner = QCoreApplication::translate("WordCloud", "word %1").arg(number);
    TzqCloudDocument::WordSpec w;
    if (const Node *t = n.child(QStringLiteral("Text")))
        w.Text = t->text;
    if (const Node *c = n.child(QStringLiteral("TextColor")))
        w.TextColor = readColor(*c, owner);
    if (const Node *c = n.child(QStringLiteral("Weight")))
        w.Weight = readInt32(*c, owner);
    if (const Node *c = n.child(QStringLiteral("FontSize")))
        w.FontSize = int(readInteger(*c, owner, 0, TzqCloudDocument::MaxFontSize));
    if (const Node *c = n.child(QStringLiteral("StartingBounds")))
        w.StartingBounds = readBox(*c, owner);
    return w;
}

TzqRect boxFrom(const TzqCloudDocument::BoxItems &items, const TzqRect &defaults)
{
    return TzqRect(items[0].value_or(defaults.Left), items[1].value_or(defaults.Top),
                   items[2].value_or(defaults.Right), items[3].value_or(defaults.Bottom));
}

} // namespace

void TzqCloudDocument::Write(const TzqCloudEngine &cloud, QIODevice &device)
{
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // one tab per level
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("WordCloud"));
    xml.writeAttribute(QStringLiteral("version"), kVersion);

    xml.writeTextElement(QStringLiteral("BackgroundColor"), colorText(cloud.BackgroundColor()));
    // The setting, not the coverage a layout may have lowered it to.
    xml.writeTextElement(QStringLiteral("Coverage"),
                         QString::number(double(cloud.CoverageFraction()), 'g', 6));
    xml.writeTextElement(QStringLiteral("Shadow"),
                         cloud.Shadow() ? QStringLiteral("true") : QStringLiteral("false"));
    if (cloud.UsePalette()) {
        xml.writeTextElement(QStringLiteral("Palette"), intText(cloud.Palette()));
    } else {
        const TzqGradient &g = cloud.Gradient();
        xml.writeStartElement(QStringLiteral("Gradient"));
        xml.writeTextElement(QStringLiteral("StartColor"), colorText(g.StartColor));
        xml.writeTextElement(QStringLiteral("MiddleColor"), colorText(g.MiddleColor));
        xml.writeTextElement(QStringLiteral("EndColor"), colorText(g.EndColor));
        xml.writeEndElement();
    }
    const QFont &font = cloud.Font();
    xml.writeTextElement(QStringLiteral("Font"),
                         QStringList{font.family(), intText(cloud.FontCharset()),
                                     colorText(cloud.FontColor()), intText(cloud.FontPointSize()),
                                     intText(fontStyle(font))}
                             .join(QLatin1Char(',')));
    xml.writeTextElement(QStringLiteral("StartingBounds"), boxText(cloud.LayoutRect()));

    xml.writeStartElement(QStringLiteral("Words"));
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        xml.writeStartElement(QStringLiteral("Word"));
        xml.writeTextElement(QStringLiteral("Text"), w->Text());
        xml.writeTextElement(QStringLiteral("TextColor"), colorText(w->TextColor()));
        xml.writeTextElement(QStringLiteral("Weight"), intText(w->Weight()));
        xml.writeTextElement(QStringLiteral("FontSize"), intText(w->FontSize()));
        xml.writeTextElement(QStringLiteral("StartingBounds"), boxText(w->StartingBounds()));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
}

QByteArray TzqCloudDocument::Write(const TzqCloudEngine &cloud)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Write(cloud, buffer);
    return bytes;
}

TzqCloudDocument TzqCloudDocument::Read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Read(buffer);
}

TzqCloudDocument TzqCloudDocument::Read(QIODevice &device)
{
    const Node root = parseTree(device);
    if (root.name != QLatin1String("WordCloud"))
        fail(QCoreApplication::translate("WordCloud", "its root element is <%1>, not <WordCloud>")
                 .arg(root.name));

    TzqCloudDocument doc;
    doc.Version = root.version;
    doc.VersionSupported = root.version == kVersion;
    if (!doc.VersionSupported)
        return doc;

    if (const Node *n = root.child(QStringLiteral("BackgroundColor")))
        doc.BackgroundColor = readColor(*n, {});
    if (const Node *n = root.child(QStringLiteral("Coverage")))
        doc.Coverage = readCoverage(*n);
    if (const Node *n = root.child(QStringLiteral("Shadow")))
        doc.Shadow = readBool(*n);
    if (const Node *n = root.child(QStringLiteral("Palette"))) {
        doc.Palette = int(readInteger(*n, {}, 0, TzqPaletteCount - 1));
    } else if (const Node *g = root.child(QStringLiteral("Gradient"))) {
        // The gradient counts only when there is no palette.
        doc.HasGradient = true;
        const QString owner = QStringLiteral("<Gradient>");
        if (const Node *c = g->child(QStringLiteral("StartColor")))
            doc.StartColor = readColor(*c, owner);
        if (const Node *c = g->child(QStringLiteral("MiddleColor")))
            doc.MiddleColor = readColor(*c, owner);
        if (const Node *c = g->child(QStringLiteral("EndColor")))
            doc.EndColor = readColor(*c, owner);
    }
    if (const Node *n = root.child(QStringLiteral("Font")))
        doc.Font = readFont(*n);
    if (const Node *n = root.child(QStringLiteral("StartingBounds")))
        doc.StartingBounds = readBox(*n, {});

    const Node *words = root.child(QStringLiteral("Words"));
    if (!words)
        fail(QCoreApplication::translate("WordCloud", "<WordCloud> has no <Words> element"));
    int number = 0;
    for (const Node &n : words->children) {
        if (n.name != QLatin1String("Word"))
            continue;
        doc.Words.append(readWord(n, ++number));
    }
    return doc;
}

bool TzqCloudDocument::Apply(TzqCloudEngine &cloud) const
{
    cloud.ClearWords();
    if (!VersionSupported)
        return false;

    if (BackgroundColor)
        cloud.SetBackgroundColor(*BackgroundColor);
    if (Coverage)
        cloud.SetCoverageFraction(float(*Coverage)); // the working coverage stays
    if (Shadow)
        cloud.SetShadow(*Shadow);
    if (Palette) {
        cloud.SetPalette(TzqColorPalette(*Palette));
        cloud.SetUsePalette(true);
    } else {
        if (HasGradient) {
            TzqGradient g = cloud.Gradient();
            g.StartColor = StartColor.value_or(g.StartColor);
            g.MiddleColor = MiddleColor.value_or(g.MiddleColor);
            g.EndColor = EndColor.value_or(g.EndColor);
            cloud.SetGradient(g);
        }
        cloud.SetUsePalette(false);
    }
    if (Font) {
        QFont f = cloud.Font();
        if (!Font->Name.isEmpty())
            f.setFamily(Font->Name);
        f.setBold(Font->Style & 1);
        f.setItalic(Font->Style & 2);
        f.setUnderline(Font->Style & 4);
        f.setStrikeOut(Font->Style & 8);
        cloud.SetFont(f);
        cloud.SetFontCharset(Font->Charset);
        cloud.SetFontColor(Font->Color);
        cloud.SetFontPointSize(Font->Size);
    }
    if (StartingBounds)
        cloud.SetLayoutRect(boxFrom(*StartingBounds, cloud.GetCloudRect()));

    for (const WordSpec &spec : Words) {
        auto word =
            std::make_unique<TzqWord>(spec.Text, spec.Weight, spec.TextColor.value_or(clBlack));
        word->SetFont(cloud.Font());
        word->SetStoredFontSize(spec.FontSize.value_or(cloud.FontPointSize()));
        if (spec.StartingBounds) {
            word->SetBounds(boxFrom(*spec.StartingBounds, TzqRect()));
            word->BuildOutline();
        }
        word->SetBackColor(cloud.BackgroundColor());
        word->SetShadow(cloud.Shadow());
        word->SetPlaced(true);
        cloud.AddWord(std::move(word));
    }
    if (cloud.WordCount() == 0)
        return false;
    cloud.SetMaxWeight(cloud.Word(0)->Weight());
    if (cloud.WordCount() >= 2)
        cloud.SetMinWeight(cloud.Word(cloud.WordCount() - 1)->Weight());
    cloud.FitToArea();
    return true;
}
