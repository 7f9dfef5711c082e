#include "platform/db/EngineFactory.h"

#include "platform/db/AddressedEngine.h"
#include "platform/db/PgEngine.h"
#include "platform/db/ReportAddress.h"
#include "platform/db/SqliteEngine.h"

namespace EngineFactory {

std::unique_ptr<DbEngine> engineFor(const QString &address)
{
    if (ReportAddress::isServer(address))
        return std::make_unique<PgEngine>();
    return std::make_unique<SqliteEngine>();
}

std::unique_ptr<DbEngine> anyAddress()
{
    return std::make_unique<AddressedEngine>();
}

} // namespace EngineFactory
