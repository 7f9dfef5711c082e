#include "GridTestUtil.h"

#include "platform/grid/GridData.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtDebug>

QJsonValue runPython(const QString &script, const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning().noquote() << "python3 failed:" << p.readAllStandardError();
        return QJsonValue();
    }
    QJsonParseError err;
    const QJsonDocument doc =
        QJsonDocument::fromJson("{\"v\":" + p.readAllStandardOutput() + "}", &err);
    if (err.error != QJsonParseError::NoError) {
        qWarning() << "python3 printed no JSON:" << err.errorString();
        return QJsonValue();
    }
    return doc.object().value("v");
}

QByteArray readFileBytes(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeFileBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile f(fileName);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void makeCrosstab(GridData &g)
{
    g.clear();
    g.setFixedRows(1);
    g.setFixedColumns(1);
    g.reset(5, 4);
    const char *cells[5][4] = {{"Region", "Yes", "No", "Total"},
                               {"North", "120", "80", "200"},
                               {"South", "95", "105", "200"},
                               {"East", "-12,5", "3.25", "1000"},
                               {"Total", "203", "188", "1400"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c)
            g.setText(r, c, QString::fromUtf8(cells[r][c]));
    CellFormat header;
    header.fontStyle = CellFormat::Bold;
    header.backColor = QColor(0x1F, 0x4E, 0x79);
    header.fontColor = QColor(Qt::white);
    header.alignment = CellFormat::Center;
    for (int c = 0; c < 4; ++c)
        g.setFormat(0, c, header);
    CellFormat number;
    number.alignment = CellFormat::Right;
    for (int r = 1; r < 5; ++r)
        for (int c = 1; c < 4; ++c)
            g.setFormat(r, c, number);
    CellFormat total = number;
    total.fontStyle = CellFormat::Bold;
    total.backColor = QColor(0xF2, 0xF2, 0xF2);
    for (int c = 1; c < 4; ++c)
        g.setFormat(4, c, total);
    g.setColumnWidth(0, 110);
}
