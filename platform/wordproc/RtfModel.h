#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>
#include <QVector>

#include <memory>
#include <vector>

// What the RTF parser makes of a file before it becomes a QTextDocument: paragraphs
// with runs of text, and tables whose cells hold paragraphs and tables again. The
// model is plain data, so the parser never touches a document and the builder never
// sees RTF.
namespace RtfModel {

struct Run
{
    QString text;
    QTextCharFormat format;
    // A picture run has no text: its bytes are a PNG, JPEG or BMP file and its
    // format is a QTextImageFormat whose name is set by the builder.
    bool isImage = false;
    QByteArray imageBytes;
    double imageWidth = 0; // pixels, 0 = natural size
    double imageHeight = 0;
};

struct Paragraph
{
    QTextBlockFormat format;
    QTextCharFormat markFormat; // format of the paragraph mark (used when it is empty)
    QVector<Run> runs;
    int listId = 0; // 0 = not a list item; otherwise a key into Document::lists
    int listLevel = 0;
    bool isEmpty() const { return runs.isEmpty(); }
};

enum class BorderSide
{
    Top,
    Left,
    Bottom,
    Right
};

struct Border
{
    bool present = false;
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_Solid;
    int widthTwips = 15;
    QColor colour; // invalid = automatic (black)
};

struct CellDef
{
    int rightTwips = 0; // right boundary measured from the row's left edge
    Border borders[4];  // indexed by BorderSide
    QColor background;
    Qt::Alignment verticalAlign = Qt::AlignTop;
    bool mergeFirst = false;            // \clmgf
    bool mergeContinue = false;         // \clmrg
    bool verticalMergeFirst = false;    // \clvmgf
    bool verticalMergeContinue = false; // \clvmrg
};

struct RowDef
{
    QVector<CellDef> cells;
    int leftTwips = 0;
    int gapTwips = 108; // half the space between cells
    Qt::Alignment alignment = Qt::AlignLeft;
    bool header = false;
    Border borders[4]; // row-level borders, used where a cell states none
    bool hasRowBorders = false;
};

struct Block;

struct Cell
{
    std::vector<Block> blocks;
};

struct Row
{
    RowDef def;
    std::vector<Cell> cells;
};

struct Table
{
    std::vector<Row> rows;
};

struct Block
{
    Paragraph paragraph;
    std::unique_ptr<Table> table; // set for a table block
    bool isTable() const { return bool(table); }
};

struct ListLevel
{
    QTextListFormat::Style style = QTextListFormat::ListDisc;
    int start = 1;
};

struct ListDef
{
    ListLevel levels[9];
    // Lists recognised from typed-out markers ("•<tab>", "1.<tab>") end at the first
    // paragraph that is not one of their items; real lists continue across them.
    bool endsAtOtherParagraph = false;
};

struct Document
{
    std::vector<Block> blocks;
    QHash<int, ListDef> lists;
};

} // namespace RtfModel
