#include "platform/grid/GridXml.h"

#include "platform/grid/GridData.h"

#include <QXmlStreamWriter>

namespace GridXml {

QString XmlFieldName(const QString &header)
{
    QString s = header;
    s.replace(QLatin1Char('#'), QLatin1String("no"));
    for (QChar &ch : s) {
        const ushort u = ch.unicode();
        const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                        (u >= '0' && u <= '9') || u == '-' || u == '.' || u == ':' || u == '_';
        if (!ok)
            ch = QLatin1Char('_');
    }
    while (s.contains(QLatin1String("__")))
        s.replace(QLatin1String("__"), QLatin1String("_"));
    return s;
}

QString elementName(const QString &header)
{
    QString s = XmlFieldName(header);
    s.replace(QLatin1Char(':'), QLatin1Char('_'));
    if (s.isEmpty())
        return QStringLiteral("_");
    const QChar first = s.at(0);
    if (first.isDigit() || first == QLatin1Char('-') || first == QLatin1Char('.'))
        s.prepend(QLatin1Char('_'));
    return s;
}

QByteArray write(const GridData &grid)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("Table"));
    QVector<int> columns;
    QStringList names;
    for (int c = grid.fixedColumns(); c < grid.columnCount(); ++c) {
        if (grid.isColumnHidden(c))
            continue;
        columns << c;
        names << elementName(grid.text(0, c));
    }
    for (int r = 1; r < grid.rowCount(); ++r) {
        w.writeStartElement(QStringLiteral("Row"));
        for (int i = 0; i < columns.size(); ++i) {
            // Characters XML 1.0 cannot hold (control codes) are left out.
            QString t = grid.text(r, columns[i]);
            t.removeIf([](QChar ch) {
                return ch.unicode() < 0x20 && ch != QLatin1Char('\n') && ch != QLatin1Char('\r') &&
                       ch != QLatin1Char('\t');
            });
            w.writeTextElement(names[i], t);
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

} // namespace GridXml
