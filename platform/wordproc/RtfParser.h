#pragma once

#include "platform/wordproc/RtfCodePage.h"
#include "platform/wordproc/RtfModel.h"
#include "platform/wordproc/RtfTableAssembler.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextOption>

#include <vector>

// Reads RTF bytes into an RtfModel::Document. The parser is a loop over the bytes
// with an explicit stack of group states (no recursion), so any nesting depth is
// safe; groups deeper than kMaxDepth share the deepest state. Unknown control words
// and destinations are skipped. Problems are collected as warnings, never thrown.
class RtfParser
{
public:
    static constexpr int kMaxDepth = 400;

    RtfParser();
    RtfModel::Document parse(const QByteArray &rtf);
    const QStringList &warnings() const { return m_warnings; }

private:
    enum class Dest : unsigned char
    {
        Body,
        Skip,
        FontTable,
        ColorTable,
        StyleSheet,
        ListTable,
        List,
        ListLevel,
        ListLevelText,
        ListOverrideTable,
        ListOverride,
        Pict,
        FieldInst,
        FieldResult,
        NestTableProps,
        Pn
    };

    struct CharState
    {
        int font = -1;
        int halfPoints = 24;
        int fg = -1;
        int bg = -1;
        int link = -1;        // index into m_fields
        short underline = 0;  // QTextCharFormat::UnderlineStyle
        signed char vert = 0; // -1 sub, 1 super
        signed char caps = 0; // 1 all caps, 2 small caps
        bool bold = false;
        bool italic = false;
        bool strike = false;
        bool hidden = false;
        bool operator==(const CharState &o) const;
        bool operator!=(const CharState &o) const { return !(*this == o); }
    };

    struct ParaState
    {
        int align = 0; // 0 left, 1 centre, 2 right, 3 justify
        int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0;
        bool slMult = false;
        bool intbl = false;
        bool pageBreakBefore = false;
        int itap = 0;
        int ls = 0, ilvl = 0;
        int outline = -1;
        int style = 0;
        int bg = -1;
        int pnKind = 0; // 1 bullet, 2 numbered
        int pnLevel = 0;
        int pnStart = 1;
        QTextListFormat::Style pnStyle = QTextListFormat::ListDecimal;
        QList<QTextOption::Tab> tabs;
    };

    struct GroupState
    {
        Dest dest = Dest::Body;
        bool ownsDest = false;
        int uc = 1;
        int field = -1;
        CharState ch;
        ParaState para;
    };

    struct Font
    {
        QString name;
        int codePage = 0;
    };
    struct Field
    {
        QByteArray instruction;
        QString href;
    };
    struct Picture
    {
        QByteArray data;
        int kind = 0; // 1 png, 2 jpeg, 3 dib, 4 metafile or other
        int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
        int nibble = -1;
    };
    enum class ParEnd
    {
        Par,
        Cell,
        NestCell,
        Page
    };
    enum class BorderTarget
    {
        None,
        Cell,
        Row,
        Para
    };

    // lexer and control words
    const char *controlWord(const char *p, const char *end);
    void word(int id, bool hasParam, int param, const char *&p, const char *end);
    bool openDestination(int id);
    void charWord(int id, bool hasParam, int param);
    void paraWord(int id, bool hasParam, int param);
    void tableWord(int id, bool hasParam, int param);
    void pushGroup();
    void popGroup();
    void closeDestination(const GroupState &closed);

    // text
    void bytesOut(const char *bytes, int length);
    void charOut(QChar c);
    void textOut(const QString &text);
    void flushText();
    int currentCodePage() const;
    bool consumeSkip();

    // paragraphs
    void endParagraph(ParEnd how);
    RtfModel::Paragraph takeParagraph();
    QTextBlockFormat blockFormat(const ParaState &para) const;
    QTextCharFormat charFormat(const CharState &ch);
    void assignList(RtfModel::Paragraph &paragraph, const ParaState &para);
    void recogniseTypedMarker(RtfModel::Paragraph &paragraph, const ParaState &para);

    // tables of fonts, styles and colours, and pictures
    void addPicture();
    void commitFont();
    void commitStyle();
    QColor colour(int index) const;

    void warnOnce(const QString &text);

    GroupState &state() { return m_stack.back(); }

    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;
    bool m_done = false;
    bool m_pageBreakPending = false;
    int m_tabType = 0;
    int m_skip = 0;
    bool m_starred = false;

    RtfModel::Document m_doc;
    RtfTableAssembler m_tables;
    RtfModel::Paragraph m_paragraph;
    CharState m_lastRunState;
    CharState m_cachedState;
    QTextCharFormat m_cachedFormat;
    bool m_hasCachedFormat = false;
    QByteArray m_pending;
    RtfCodePage m_codePages;
    int m_ansiCodePage = 1252;
    int m_defaultFont = 0;

    QHash<int, Font> m_fonts;
    int m_fontId = -1;
    int m_fontCodePage = 0;
    QByteArray m_fontName;
    QList<QColor> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;
    QHash<int, int> m_styleHeading; // paragraph style -> heading level
    int m_styleId = -1;
    int m_styleOutline = -1;
    QByteArray m_styleName;

    QHash<int, RtfModel::ListDef> m_listDefs; // by \listid
    QHash<int, int> m_listOfOverride;         // \ls -> \listid
    RtfModel::ListDef m_list;
    int m_listId = 0;
    int m_listLevel = -1;
    int m_levelNfc = 0;
    QString m_levelText;
    int m_overrideList = 0, m_overrideLs = 0;
    int m_typedListKey = 0; // current list recognised from typed markers
    int m_typedListCount = 0;

    std::vector<Field> m_fields;
    Picture m_picture;

    RtfModel::RowDef m_rowDefs[RtfTableAssembler::kMaxLevel + 1];
    int m_rowDefLevel = 1;
    RtfModel::CellDef m_cellDef;
    BorderTarget m_borderTarget = BorderTarget::None;
    int m_borderSide = 0;
    RtfModel::Border *currentBorder();

    QStringList m_warnings;
};
