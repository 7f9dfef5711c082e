#include "export/DocumentFinder.h"

#include "platform/wordproc/DocumentForm.h"

#include <QHash>

namespace {
// text without its white space (spaces, tabs, line and paragraph breaks, no-break spaces).
QString squeezed(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out.append(c);
    return out;
}

// The character a named reference stands for; a null QChar for names not known here.
QChar namedReference(QStringView name)
{
    static const QHash<QString, QChar> names{
        {QStringLiteral("amp"), u'&'},         {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},          {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''},       {QStringLiteral("nbsp"), QChar(0x00A0)},
        {QStringLiteral("shy"), QChar(0x00AD)}};
    return names.value(name.toString());
}

// Appends the text of a character reference starting at html[at] == '&' and
// returns the position after it. Sets uncertain when the reference is one
// this reader does not know (the HTML parser might make any character of it).
int appendReference(const QString &html, int at, QString &out, bool &uncertain)
{
    const int limit = qMin(int(html.size()), at + 12);
    int semi = -1;
    for (int i = at + 1; i < limit; ++i) {
        const QChar c = html.at(i);
        if (c == u';') {
            semi = i;
            break;
        }
        if (!c.isLetterOrNumber() && c != u'#')
            break;
    }
    const bool looksLikeReference =
        at + 1 < html.size() && (html.at(at + 1).isLetter() || html.at(at + 1) == u'#');
    if (semi < 0) {
        // A lone ampersand is text; one that starts a name might be decoded anyway.
        if (looksLikeReference)
            uncertain = true;
        out.append(u'&');
        return at + 1;
    }
    const QStringView body = QStringView(html).mid(at + 1, semi - at - 1);
    if (body.startsWith(u'#')) {
        bool ok = false;
        const uint code = body.size() > 1 && (body.at(1) == u'x' || body.at(1) == u'X')
                              ? body.mid(2).toUInt(&ok, 16)
                              : body.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            out.append(QString::fromUcs4(&c, 1));
            return semi + 1;
        }
        uncertain = true;
        return semi + 1;
    }
    const QChar c = namedReference(body);
    if (c.isNull()) {
        uncertain = true;
        return semi + 1;
    }
    out.append(c);
    return semi + 1;
}

// The text of HTML as a reader sees it, tags left out and references decoded;
// every character the document can show is in it (it may hold more, such as
// style sheets and titles, which only makes the test answer "may hold" more often).
QString visibleText(const QString &html, bool &uncertain)
{
    QString out;
    out.reserve(html.size() / 2);
    const int n = int(html.size());
    for (int i = 0; i < n;) {
        const QChar c = html.at(i);
        if (c == u'<' && i + 1 < n) {
            const QChar next = html.at(i + 1);
            if (html.mid(i, 4) == QLatin1String("<!--")) {
                const int end = int(html.indexOf(QLatin1String("-->"), i + 4));
                i = end < 0 ? n : end + 3;
                continue;
            }
            if (next.isLetter() || next == u'/' || next == u'!' || next == u'?') {
                const int end = int(html.indexOf(u'>', i + 1));
                i = end < 0 ? n : end + 1;
                continue;
            }
        }
        if (c == u'&') {
            i = appendReference(html, i, out, uncertain);
            continue;
        }
        out.append(c);
        ++i;
    }
    return out;
}
} // namespace

QTextDocument::FindFlags DocumentFinder::flags() const
{
    QTextDocument::FindFlags f;
    if (matchCase)
        f |= QTextDocument::FindCaseSensitively;
    if (wholeWord)
        f |= QTextDocument::FindWholeWords;
    return f;
}

QTextCursor DocumentFinder::findNext(const QTextDocument *document, const QTextCursor &from,
                                     const QString &text) const
{
    if (!document || text.isEmpty())
        return QTextCursor();
    return document->find(text, from, flags());
}

QList<QTextCursor> DocumentFinder::findAll(const QTextDocument *document, const QString &text) const
{
    QList<QTextCursor> hits;
    QTextCursor at(const_cast<QTextDocument *>(document));
    for (;;) {
        const QTextCursor hit = findNext(document, at, text);
        if (hit.isNull())
            break;
        hits.append(hit);
        at = hit;
    }
    return hits;
}

bool DocumentFinder::storedMayHold(const QByteArray &stored, const QString &text)
{
    const QString needle = squeezed(text);
    if (needle.isEmpty())
        return true;
    // Bytes the editor refuses are shown all the same, so that the user sees
    // the message about the damaged page as the walk passes it.
    for (const char *binary :
         {"PK\x03\x04", "\xD0\xCF\x11\xE0", "%PDF", "\x89PNG", "\xFF\xD8\xFF", "GIF8"})
        if (stored.startsWith(binary))
            return true;
    if (stored.contains('\0'))
        return true;
    const DocumentForm::Kind kind = DocumentForm::detect(stored);
    if (kind == DocumentForm::Kind::Rtf)
        return true;
    const QString decoded = DocumentForm::decodeText(stored);
    bool uncertain = false;
    const QString shown =
        kind == DocumentForm::Kind::Html ? visibleText(decoded, uncertain) : decoded;
    if (uncertain)
        return true;
    return squeezed(shown).contains(needle, Qt::CaseInsensitive);
}
