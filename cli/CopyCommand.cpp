// tessary-cli copy: a report copied between any two addresses (files and
// server reports alike), row by row with every field, so that the tree, the
// pages and their comments arrive as they were and ids stay the same.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ReportAddress.h"
#include "store/ReportSchema.h"

#include <QFileInfo>
#include <optional>

namespace {
int usageError(QTextStream &err, const QString &message)
{
    err << "tessary-cli copy: " << message << "\n"
        << "Try 'tessary-cli copy --help'.\n";
    return 2;
}

// Copies the current row of from into a new row of to, field by field.
void copyRow(const DbTable &from, DbTable &to, const FieldDefs &fields)
{
    to.append();
    for (const FieldDef &f : fields) {
        if (from.isNull(f.name)) {
            to.setNull(f.name);
            continue;
        }
        switch (f.type) {
        case FieldType::AutoInc:
        case FieldType::Integer:
            to.setInteger(f.name, from.asInteger(f.name));
            break;
        case FieldType::DateTime:
            to.setDateTime(f.name, from.asDateTime(f.name));
            break;
        case FieldType::Memo:
            to.setText(f.name, from.asText(f.name));
            break;
        case FieldType::Blob:
            to.setBytes(f.name, from.asBytes(f.name));
            break;
        }
    }
    to.post();
}
} // namespace

int cmdCopy(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help", "force"});
    if (a.has("help")) {
        out << "usage: tessary-cli copy SOURCE TARGET [--force]\n\n"
               "Copies a report: every row of its page table with every field (the stored\n"
               "tree, the pages and their comments), keeping the page ids. SOURCE and TARGET\n"
               "are report files or server addresses\n"
               "  postgresql://[user@]host[:port]/database?report=NAME\n"
               "in any combination. An existing TARGET is refused unless --force is given;\n"
               "then its pages are replaced.\n";
        return 0;
    }
    if (!a.ok())
        return usageError(err, a.error());
    if (a.positional().size() != 2)
        return usageError(err, QStringLiteral("name a source and a target report"));
    const QString source = a.positional().at(0);
    const QString target = a.positional().at(1);

    const std::unique_ptr<DbEngine> from = EngineFactory::engineFor(source);
    if (!ReportAddress::isServer(source) && !QFileInfo(source).isFile())
        throw TessaryError(QStringLiteral("no such report: %1").arg(source));
    from->connect(source, true);
    if (!from->tableExists(ReportSchema::Table))
        throw TessaryError(QStringLiteral("%1 is not a report: it has no table %2")
                               .arg(source, ReportSchema::Table));
    const FieldDefs fields = from->tableFields(ReportSchema::Table);

    const std::unique_ptr<DbEngine> to = EngineFactory::engineFor(target);
    const bool targetIsFile = !ReportAddress::isServer(target);
    if (targetIsFile && QFileInfo::exists(target)) {
        if (!a.has("force")) {
            err << "tessary-cli copy: " << target
                << " exists already (use --force to replace its pages)\n";
            return 1;
        }
        to->connect(target);
        to->shareWithOtherProcesses();
    } else {
        to->createDatabase(target);
        if (!targetIsFile && to->tableExists(ReportSchema::Table) && !a.has("force")) {
            err << "tessary-cli copy: " << target
                << " exists already (use --force to replace its pages)\n";
            return 1;
        }
    }

    // The target shows the copy whole or not at all; a server source is read
    // as one state (a file source is read without a lock, as every reader does).
    std::optional<DbTransaction> reading;
    if (ReportAddress::isServer(source))
        reading.emplace(*from);
    DbTransaction writing(*to);
    if (to->tableExists(ReportSchema::Table))
        to->dropTable(ReportSchema::Table);
    to->createTable(ReportSchema::Table, fields);
    std::unique_ptr<DbTable> in = from->table(ReportSchema::Table);
    std::unique_ptr<DbTable> dest = to->table(ReportSchema::Table);
    in->open();
    dest->open();
    int rows = 0;
    for (in->first(); !in->eof(); in->next()) {
        try {
            copyRow(*in, *dest, fields);
        } catch (const TessaryError &e) {
            throw TessaryError(QStringLiteral("row %1 cannot be copied: %2")
                                   .arg(in->currentRowId())
                                   .arg(e.message()));
        }
        ++rows;
    }
    writing.commit();
    if (reading)
        reading->commit();
    out << "copied " << rows << " rows to " << target << "\n";
    return 0;
}
