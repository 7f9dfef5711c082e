#include "tests/export/ReportBuilder.h"

#include "platform/db/DbTable.h"
#include "platform/db/SqliteEngine.h"
#include "platform/imaging/Bmp24.h"
#include "platform/treeview/TreeStream.h"
#include "store/PageKind.h"
#include "store/ReportSchema.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <functional>

ReportBuilder::ReportBuilder(const QString &file) : m_engine(std::make_unique<SqliteEngine>())
{
    QFile::remove(file);
    m_engine->createDatabase(file);
    ReportSchema::createOutputTable(*m_engine);
    m_table = m_engine->table(ReportSchema::Table);
    m_table->open();
    ReportSchema::appendOutlineRow(*m_table, {});
    m_nodes.push_back({QStringLiteral("Project name"), PageKind::Root, 0, -1});
}

ReportBuilder::~ReportBuilder() = default;

int ReportBuilder::folder(const QString &title, int parent)
{
    m_nodes.push_back({title, PageKind::Folder, -1, parent});
    return int(m_nodes.size()) - 1;
}

qint32 ReportBuilder::page(int kind, const QString &title, const QByteArray &content, int parent)
{
    const qint32 id = ReportSchema::appendPageRow(
        *m_table, kind, QStringLiteral("Host\tX\t%1").arg(title), content);
    m_nodes.push_back({title, kind, id, parent});
    return id;
}

void ReportBuilder::missingPage(int kind, const QString &title, qint32 id, int parent)
{
    m_nodes.push_back({title, kind, id, parent});
}

void ReportBuilder::finish()
{
    std::function<TreeNodeRecord(int)> record = [&](int i) {
        TreeNodeRecord r;
        r.text = m_nodes[size_t(i)].text;
        r.kind = m_nodes[size_t(i)].kind;
        r.data = m_nodes[size_t(i)].data;
        for (size_t c = 0; c < m_nodes.size(); ++c)
            if (m_nodes[c].parent == i)
                r.children.append(record(int(c)));
        return r;
    };
    m_table->locate(ReportSchema::PageId, qint64(0));
    m_table->edit();
    m_table->setBytes(ReportSchema::PageContent, TreeStream::write({record(0)}));
    m_table->post();
    m_table.reset();
    m_engine.reset();
}

QByteArray ReportBuilder::document(const QString &bodyHtml)
{
    return QStringLiteral("<html><body>%1</body></html>").arg(bodyHtml).toUtf8();
}

QByteArray ReportBuilder::table(int rows, int columns, const QString &prefix)
{
    QString cells;
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << QStringLiteral("\"%1%2_%3\"").arg(prefix).arg(r).arg(c);
        cells += (r ? QStringLiteral(",[") : QStringLiteral("[")) + row.join(QLatin1Char(',')) +
                 QStringLiteral("]");
    }
    return QStringLiteral("{\"format\":\"tessary-grid\",\"version\":1,\"rows\":%1,\"columns\":%2,"
                          "\"fixedRows\":1,\"fixedColumns\":0,\"cells\":[%3]}")
        .arg(rows)
        .arg(columns)
        .arg(cells)
        .toUtf8();
}

QByteArray ReportBuilder::chart(const QString &title, int points)
{
    QStringList y;
    QStringList labels;
    for (int i = 0; i < points; ++i) {
        y << QString::number((i * 37) % 50 + 10);
        labels << QStringLiteral("\"P%1\"").arg(i);
    }
    return QStringLiteral("{\"format\":\"tessary-chart\",\"version\":1,\"title\":\"%1\","
                          "\"series\":[{\"kind\":\"bar\",\"title\":\"S\",\"y\":[%2],"
                          "\"labels\":[%3]}]}")
        .arg(title, y.join(QLatin1Char(',')), labels.join(QLatin1Char(',')))
        .toUtf8();
}

QByteArray ReportBuilder::picture(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.fillRect(QRect(QPoint(0, 0), size / 2), Qt::white);
    p.end();
    return Bmp24::encode(image);
}

QByteArray ReportBuilder::pngDocument(const QString &text)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return document(QStringLiteral("<p>%1</p><p><img src=\"data:image/png;base64,%2\"/></p>")
                        .arg(text, QString::fromLatin1(png.toBase64())));
}
