#pragma once

#include "platform/TessaryError.h"

// An error of the database engine, carrying the engine's own message.
class EngineError : public TessaryError
{
public:
    using TessaryError::TessaryError;
};
