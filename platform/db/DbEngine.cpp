#include "platform/db/DbEngine.h"

#include "platform/db/DbTable.h"

#include <algorithm>

QList<QPair<qint64, QVariant>> DbEngine::rowsOutside(const QString &tableName,
                                                     const QString &valueField,
                                                     const QList<IdRange> &held)
{
    std::unique_ptr<DbTable> t = table(tableName);
    t->open();
    QList<QPair<qint64, QVariant>> out;
    for (t->first(); !t->eof(); t->next()) {
        const qint64 id = t->currentRowId();
        const auto it = std::lower_bound(held.cbegin(), held.cend(), id,
                                         [](const IdRange &r, qint64 v) { return r.last < v; });
        if (it != held.cend() && it->first <= id)
            continue;
        out.append({id, t->isNull(valueField) ? QVariant() : QVariant(t->asInteger(valueField))});
    }
    return out;
}
