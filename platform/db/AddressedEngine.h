#pragma once

#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"

#include <memory>

// A database engine for reports named by any address: on createDatabase() or
// connect() it makes the engine the address calls for (EngineFactory) and
// passes every later call to it, so that one store opens file reports and
// server reports alike. Before the first connection it behaves as an
// unconnected file engine.
class AddressedEngine : public DbEngine
{
public:
    AddressedEngine();
    ~AddressedEngine() override;

    void createDatabase(const QString &address) override;
    void connect(const QString &address, bool readOnly = false) override;
    void shareWithOtherProcesses() override { m_engine->shareWithOtherProcesses(); }
    bool isReadOnly() const override { return m_engine->isReadOnly(); }
    void disconnect() override { m_engine->disconnect(); }
    bool isConnected() const override { return m_engine->isConnected(); }
    QString fileName() const override { return m_engine->fileName(); }

    bool tableExists(const QString &table) const override { return m_engine->tableExists(table); }
    void dropTable(const QString &table) override { m_engine->dropTable(table); }
    void createTable(const QString &table, const FieldDefs &fields) override
    {
        m_engine->createTable(table, fields);
    }
    FieldDefs tableFields(const QString &table) const override
    {
        return m_engine->tableFields(table);
    }

    void beginTransaction() override { m_engine->beginTransaction(); }
    void commitTransaction() override { m_engine->commitTransaction(); }
    void rollbackTransaction() override { m_engine->rollbackTransaction(); }

    std::unique_ptr<DbTable> table(const QString &table) override { return m_engine->table(table); }
    QList<QPair<qint64, QVariant>> rowsOutside(const QString &table, const QString &valueField,
                                               const QList<IdRange> &held) override
    {
        return m_engine->rowsOutside(table, valueField, held);
    }

    bool deliversAnnouncements() const override { return m_engine->deliversAnnouncements(); }
    void announceRowsAdded() override { m_engine->announceRowsAdded(); }
    bool rowsAddedAnnounced() override { return m_engine->rowsAddedAnnounced(); }
    void takeRowsAdded() override { m_engine->takeRowsAdded(); }
    QString connectionProblem() const override { return m_engine->connectionProblem(); }

    // The engine in use.
    DbEngine &current() const { return *m_engine; }

private:
    void choose(const QString &address);

    std::unique_ptr<DbEngine> m_engine;
};
