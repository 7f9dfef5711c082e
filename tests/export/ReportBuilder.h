#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class DbTable;
class SqliteEngine;

// A report file written as a host writes one: page rows with their stored
// content and the outline row holding the tree. Nodes are placed in the order
// they are added, under the root or under a folder made before; the root has
// absolute index 0.
class ReportBuilder
{
public:
    explicit ReportBuilder(const QString &file);
    ~ReportBuilder();

    // A folder under parent (0: the root); returns its handle.
    int folder(const QString &title, int parent = 0);
    // A page under parent (0: the root); returns its page id.
    qint32 page(int kind, const QString &title, const QByteArray &content, int parent = 0);
    // A node for a page id that has no row.
    void missingPage(int kind, const QString &title, qint32 id, int parent = 0);
    // Writes the tree into the outline row and closes the file.
    void finish();

    // Stored forms of the page kinds.
    static QByteArray document(const QString &bodyHtml);
    static QByteArray table(int rows, int columns, const QString &prefix = QStringLiteral("c"));
    static QByteArray chart(const QString &title, int points = 5);
    static QByteArray picture(const QSize &size, const QColor &colour);
    static QByteArray pngDocument(const QString &text);

private:
    struct Node
    {
        QString text;
        int kind;
        qint32 data;
        int parent;
    };
    std::unique_ptr<SqliteEngine> m_engine;
    std::unique_ptr<DbTable> m_table;
    std::vector<Node> m_nodes;
};
