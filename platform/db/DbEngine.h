#pragma once

#include "platform/db/FieldDef.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <functional>
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
    // Connects to an existing database file (fails when it is missing or is not
    // a database). Nothing is written to the file by connecting: a read-only
    // connection never writes; a writable one is prepared for sharing with
    // other processes by shareWithOtherProcesses(), once the caller has checked
    // that the file is what it expects.
    virtual void connect(const QString &fileName, bool readOnly = false) = 0;
    virtual void shareWithOtherProcesses() = 0;
    virtual bool isReadOnly() const = 0;
    virtual void disconnect() = 0;
    virtual bool isConnected() const = 0;
    virtual QString fileName() const = 0;

    virtual bool tableExists(const QString &table) const = 0;
    virtual void dropTable(const QString &table) = 0;
    virtual void createTable(const QString &table, const FieldDefs &fields) = 0;
    // The field definitions of an existing table, as createTable received them.
    virtual FieldDefs tableFields(const QString &table) const = 0;

    // Transactions nest: only the outermost commit writes. Between begin and
    // commit, other processes see nothing of the changes.
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;

    // Called when an operation starts to wait for a lock another process holds
    // (it waits about ten seconds before it fails).
    std::function<void()> onBusy;

    // A cursor on the table; it must be opened before use and may outlive a
    // disconnect (it is then closed).
    virtual std::unique_ptr<DbTable> table(const QString &table) = 0;

    // A closed range of identities, first <= last.
    struct IdRange
    {
        qint64 first = 0;
        qint64 last = 0;
    };
    // The rows of table whose identity lies in none of the ranges held, in the
    // table's natural order: each row's identity and the value of the integer
    // field valueField (invalid when NULL). Only ids and that field are read;
    // engines answer it from their index, so that the cost follows the rows
    // found rather than the size of the table. held must be sorted and
    // disjoint. The default walks the table with a cursor.
    virtual QList<QPair<qint64, QVariant>>
    rowsOutside(const QString &table, const QString &valueField, const QList<IdRange> &held);

    // Announcements between connections to one report that rows were
    // appended. Engines on a server deliver them; engines on a file do not
    // (hosts of file reports use the intake signal file) and keep the defaults.
    // announceRowsAdded() tells the report's other connections (when the
    // current transaction commits). rowsAddedAnnounced() looks, without
    // waiting, whether another connection announced rows since the last
    // takeRowsAdded(); onRowsAdded runs from the event loop when one arrives.
    virtual bool deliversAnnouncements() const { return false; }
    virtual void announceRowsAdded() {}
    virtual bool rowsAddedAnnounced() { return false; }
    virtual void takeRowsAdded() {}
    std::function<void()> onRowsAdded;

    // Why the report cannot be reached just now (a lost connection to a
    // server, being made again), or empty.
    virtual QString connectionProblem() const { return QString(); }
};

// Runs a block of changes in one transaction: committed by commit(), rolled back
// when the scope is left without it (an exception).
class DbTransaction
{
public:
    explicit DbTransaction(DbEngine &engine) : m_engine(engine) { m_engine.beginTransaction(); }
    ~DbTransaction()
    {
        if (!m_done) {
            try {
                m_engine.rollbackTransaction();
            } catch (...) {
            }
        }
    }
    void commit()
    {
        m_done = true;
        m_engine.commitTransaction();
    }
    DbTransaction(const DbTransaction &) = delete;
    DbTransaction &operator=(const DbTransaction &) = delete;

private:
    DbEngine &m_engine;
    bool m_done = false;
};
