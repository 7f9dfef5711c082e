// The word-processor control: construction, character styles, paragraphs, lists, and
// find and replace. Tables, pictures and links, and printing and the clipboard, have
// files of their own.
#include "platform/wordproc/view/WPView.h"

#include "platform/wordproc/view/WPLanguage.h"

#include <QPageSize>
#include <QTextBlock>
#include <QTextList>

namespace {
bool isNumbered(QTextListFormat::Style style)
{
    return style < QTextListFormat::ListSquare;
}
} // namespace

WPView::WPView(QWidget *parent) : QTextEdit(parent), m_language(new WPLanguage(this))
{
    setObjectName(QStringLiteral("WPView"));
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setMouseTracking(true);
    document()->setDocumentMargin(12);
    m_page.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    connect(document(), &QTextDocument::contentsChanged, this, &WPView::contentChanged);
    connect(this, &QTextEdit::currentCharFormatChanged, this, &WPView::caretFormatChanged);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        emit caretFormatChanged(currentCharFormat());
        emit paragraphChanged();
    });
}

WPView::~WPView() = default;

QString WPView::wpText(const QString &english) const
{
    return m_language->text(english);
}

// --- characters -----------------------------------------------------------

void WPView::changeCharFormat(const std::function<void(QTextCharFormat &)> &change)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        QTextCharFormat format = currentCharFormat();
        change(format);
        setCurrentCharFormat(format);
        emit caretFormatChanged(format);
        return;
    }
    // Collect the parts first: changing formats splits and merges fragments.
    struct Part
    {
        int start, end;
        QTextCharFormat format;
    };
    QList<Part> parts;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock b = document()->findBlock(start); b.isValid() && b.position() < end;
         b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int fs = qMax(f.position(), start);
            const int fe = qMin(f.position() + f.length(), end);
            if (fs < fe) {
                QTextCharFormat format = f.charFormat();
                change(format);
                parts.append({fs, fe, format});
            }
        }
    }
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (const Part &p : parts) {
        edit.setPosition(p.start);
        edit.setPosition(p.end, QTextCursor::KeepAnchor);
        edit.setCharFormat(p.format);
    }
    edit.endEditBlock();
    emit caretFormatChanged(currentCharFormat());
}

void WPView::setBold(bool on)
{
    changeCharFormat(
        [on](QTextCharFormat &f) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); });
}

void WPView::setItalic(bool on)
{
    changeCharFormat([on](QTextCharFormat &f) { f.setFontItalic(on); });
}

void WPView::setUnderline(bool on)
{
    changeCharFormat([on](QTextCharFormat &f) { f.setFontUnderline(on); });
}

void WPView::setStrikeOut(bool on)
{
    changeCharFormat([on](QTextCharFormat &f) { f.setFontStrikeOut(on); });
}

void WPView::setSubscript(bool on)
{
    changeCharFormat([on](QTextCharFormat &f) {
        f.setVerticalAlignment(on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal);
    });
}

void WPView::setSuperscript(bool on)
{
    changeCharFormat([on](QTextCharFormat &f) {
        f.setVerticalAlignment(on ? QTextCharFormat::AlignSuperScript
                                  : QTextCharFormat::AlignNormal);
    });
}

void WPView::setFontName(const QString &family)
{
    if (family.isEmpty())
        return;
    changeCharFormat([&family](QTextCharFormat &f) { f.setFontFamilies({family}); });
}

void WPView::setFontSize(qreal points)
{
    if (points <= 0)
        return;
    changeCharFormat([points](QTextCharFormat &f) { f.setFontPointSize(points); });
}

void WPView::setCharColor(const QColor &color)
{
    changeCharFormat([&color](QTextCharFormat &f) {
        if (color.isValid())
            f.setForeground(color);
        else
            f.clearForeground();
    });
}

void WPView::setCharBackground(const QColor &color)
{
    changeCharFormat([&color](QTextCharFormat &f) {
        if (color.isValid())
            f.setBackground(color);
        else
            f.clearBackground();
    });
}

// --- paragraphs -----------------------------------------------------------

void WPView::forEachSelectedBlock(const std::function<void(QTextBlock &)> &visit)
{
    const QTextCursor cursor = textCursor();
    QTextBlock b = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    while (b.isValid()) {
        visit(b);
        if (b == last)
            break;
        b = b.next();
    }
}

void WPView::changeBlockFormat(const std::function<void(QTextBlockFormat &)> &change)
{
    QTextCursor edit(document());
    edit.beginEditBlock();
    forEachSelectedBlock([&](QTextBlock &b) {
        QTextBlockFormat format = b.blockFormat();
        change(format);
        edit.setPosition(b.position());
        edit.setBlockFormat(format);
    });
    edit.endEditBlock();
    emit paragraphChanged();
}

void WPView::setParagraphAlignment(Qt::Alignment alignment)
{
    changeBlockFormat([alignment](QTextBlockFormat &f) { f.setAlignment(alignment); });
}

void WPView::setTabStops(const QList<QTextOption::Tab> &tabs)
{
    changeBlockFormat([&tabs](QTextBlockFormat &f) { f.setTabPositions(tabs); });
}

QList<QTextOption::Tab> WPView::tabStops() const
{
    return textCursor().blockFormat().tabPositions();
}

// --- lists ----------------------------------------------------------------

QTextListFormat::Style WPView::styleForLevel(bool numbered, int level)
{
    static const QTextListFormat::Style bullets[] = {
        QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
    static const QTextListFormat::Style numbers[] = {QTextListFormat::ListDecimal,
                                                     QTextListFormat::ListLowerAlpha,
                                                     QTextListFormat::ListLowerRoman};
    const int i = (qMax(1, level) - 1) % 3;
    return numbered ? numbers[i] : bullets[i];
}

// The list a paragraph at level joins: the nearest list item above it at the
// same level and of the same kind, unless a shallower item comes first.
QTextList *WPView::listToJoin(const QTextBlock &block, int level, bool numbered) const
{
    for (QTextBlock b = block.previous(); b.isValid(); b = b.previous()) {
        QTextList *list = b.textList();
        if (!list)
            return nullptr;
        const int l = list->format().indent();
        if (l < level)
            return nullptr;
        if (l == level)
            return isNumbered(list->format().style()) == numbered ? list : nullptr;
    }
    return nullptr;
}

void WPView::setListStyle(QTextListFormat::Style style)
{
    QTextCursor edit(document());
    edit.beginEditBlock();
    if (style == QTextListFormat::ListStyleUndefined) {
        forEachSelectedBlock([&](QTextBlock &b) {
            if (QTextList *list = b.textList()) {
                list->remove(b);
                edit.setPosition(b.position());
                QTextBlockFormat f = b.blockFormat();
                f.setIndent(0);
                f.setObjectIndex(-1);
                edit.setBlockFormat(f);
            }
        });
    } else {
        const QTextList *current = textCursor().currentList();
        const int level = current ? current->format().indent() : 1;
        QTextListFormat format;
        if (current)
            format = current->format();
        format.setIndent(level);
        format.setStyle(style);
        QTextCursor c = textCursor();
        c.createList(format);
    }
    edit.endEditBlock();
    emit paragraphChanged();
}

void WPView::toggleBullets()
{
    const QTextList *list = textCursor().currentList();
    const bool bulleted = list && !isNumbered(list->format().style());
    setListStyle(bulleted ? QTextListFormat::ListStyleUndefined
                          : styleForLevel(false, list ? list->format().indent() : 1));
}

void WPView::toggleNumbers()
{
    const QTextList *list = textCursor().currentList();
    const bool numbered = list && isNumbered(list->format().style());
    setListStyle(numbered ? QTextListFormat::ListStyleUndefined
                          : styleForLevel(true, list ? list->format().indent() : 1));
}

void WPView::changeLevel(int delta)
{
    QList<QTextBlock> blocks;
    forEachSelectedBlock([&](QTextBlock &b) { blocks << b; });
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (QTextBlock &b : blocks) {
        QTextList *list = b.textList();
        if (!list) {
            QTextBlockFormat f = b.blockFormat();
            f.setIndent(qMax(0, f.indent() + delta));
            edit.setPosition(b.position());
            edit.setBlockFormat(f);
            continue;
        }
        QTextListFormat format = list->format();
        const bool numbered = isNumbered(format.style());
        const int level = format.indent() + delta;
        if (level < 1) {
            // Out of the first level: an ordinary paragraph again.
            list->remove(b);
            QTextBlockFormat f = b.blockFormat();
            f.setIndent(0);
            f.setObjectIndex(-1);
            edit.setPosition(b.position());
            edit.setBlockFormat(f);
            continue;
        }
        list->remove(b);
        if (QTextList *join = listToJoin(b, qMin(level, 9), numbered)) {
            join->add(b);
        } else {
            format.setIndent(qMin(level, 9));
            format.setStyle(styleForLevel(numbered, level));
            edit.setPosition(b.position());
            edit.createList(format);
        }
    }
    edit.endEditBlock();
    emit paragraphChanged();
}

// --- find and replace -----------------------------------------------------

bool WPView::findNext(const QString &text, QTextDocument::FindFlags flags)
{
    if (text.isEmpty())
        return false;
    QTextCursor found = document()->find(text, textCursor(), flags);
    if (found.isNull()) {
        QTextCursor from(document());
        if (flags & QTextDocument::FindBackward)
            from.movePosition(QTextCursor::End);
        found = document()->find(text, from, flags);
    }
    if (found.isNull())
        return false;
    setTextCursor(found);
    return true;
}

bool WPView::replaceNext(const QString &text, const QString &replacement,
                         QTextDocument::FindFlags flags)
{
    QTextCursor c = textCursor();
    const Qt::CaseSensitivity cs =
        (flags & QTextDocument::FindCaseSensitively) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (c.hasSelection() && QString::compare(c.selectedText(), text, cs) == 0) {
        c.insertText(replacement);
        setTextCursor(c);
    }
    return findNext(text, flags);
}

int WPView::replaceAll(const QString &text, const QString &replacement,
                       QTextDocument::FindFlags flags)
{
    if (text.isEmpty())
        return 0;
    flags &= ~QTextDocument::FindBackward;
    int count = 0;
    QTextCursor edit(document());
    edit.beginEditBlock();
    QTextCursor found = document()->find(text, 0, flags);
    while (!found.isNull()) {
        found.insertText(replacement);
        ++count;
        found = document()->find(text, found, flags);
    }
    edit.endEditBlock();
    return count;
}
