#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

// A fast reader of the grid stream's JSON. The cells and the row and column
// size lists, which grow with the table, are read straight from the bytes;
// the other members (small) are handed over as a QJsonObject. Throws
// TessaryError on bytes that are not well-formed JSON.
class GridStreamParser
{
public:
    struct Cell
    {
        QString text;
        int style = -1;
        QJsonObject properties; // inline style members, rarely present
    };

    explicit GridStreamParser(const QByteArray &bytes);
    void parse();

    QJsonObject members;
    QVector<QVector<Cell>> cells;
    QVector<int> columnWidths;
    QVector<int> rowHeights;
    QVector<int> hiddenColumns;

private:
    [[noreturn]] void fail(const char *what) const;
    void skipSpace();
    bool peek(char c);
    void expect(char c);
    QString parseString();
    double parseNumber();
    // Consumes the string "key" when it comes next (no escapes) and says so.
    bool takeKey(const char *key, int length);
    int parseStyleNumber();
    void skipValue(int depth = 0);
    QJsonValue parseSmallValue();
    QString parseCellText();
    void parseCell(Cell &cell);
    void parseCells();
    QVector<int> parseIntArray(int missing);

    const char *m_begin;
    const char *m_p;
    const char *m_end;
};
