#pragma once

#include "platform/db/FieldDef.h"

#include <QString>
#include <memory>

class DbTable;

// The operations the report store needs of a database engine. One engine object
// is one connection to one database file; several processes may connect to the
// same file at once. Every failure is thrown as EngineError.
class DbEngine
{
public:
    virtual ~DbEngine() = default;

    // Creates a new, empty database file (fails when it cannot be created).
    virtual void createDatabase(const QString &fileName) = 0;
    // Connects to an existing database file (fails when it is missing or is not a database).
    virtual void connect(const QString &fileName) = 0;
    virtual void disconnect() = 0;
    virtual bool isConnected() const = 0;
    virtual QString fileName() const = 0;

    virtual bool tableExists(const QString &table) const = 0;
    virtual void dropTable(const QString &table) = 0;
    virtual void createTable(const QString &table, const FieldDefs &fields) = 0;
    // The field definitions of an existing table, as createTable received them.
    virtual FieldDefs tableFields(const QString &table) const = 0;

    // A cursor on the table; it must be opened before use and may outlive a
    // disconnect (it is then closed).
    virtual std::unique_ptr<DbTable> table(const QString &table) = 0;
};
