#pragma once

#include <QString>
#include <memory>

class DbEngine;

namespace EngineFactory {
// A new, unconnected engine for the report at address: PostgreSQL for
// postgresql://... addresses, SQLite for file paths.
std::unique_ptr<DbEngine> engineFor(const QString &address);
// An engine that picks the engine for each address it is given to create or
// connect (see AddressedEngine): the one to hand to the report store.
std::unique_ptr<DbEngine> anyAddress();
} // namespace EngineFactory
