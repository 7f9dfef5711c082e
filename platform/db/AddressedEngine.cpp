#include "platform/db/AddressedEngine.h"

#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/SqliteEngine.h"

#include <typeinfo>

AddressedEngine::AddressedEngine() : m_engine(std::make_unique<SqliteEngine>()) {}

AddressedEngine::~AddressedEngine() = default;

void AddressedEngine::choose(const QString &address)
{
    std::unique_ptr<DbEngine> wanted = EngineFactory::engineFor(address);
    if (typeid(*wanted) != typeid(*m_engine)) {
        m_engine->disconnect();
        m_engine = std::move(wanted);
    }
    // The callbacks are this engine's: whoever set them sees the inner engine's events.
    m_engine->onBusy = [this] {
        if (onBusy)
            onBusy();
    };
    m_engine->onRowsAdded = [this] {
        if (onRowsAdded)
            onRowsAdded();
    };
}

void AddressedEngine::createDatabase(const QString &address)
{
    choose(address);
    m_engine->createDatabase(address);
}

void AddressedEngine::connect(const QString &address, bool readOnly)
{
    choose(address);
    m_engine->connect(address, readOnly);
}
