// Any bytes given to the field decompressor either inflate or raise EngineError.
#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray in(reinterpret_cast<const char *>(data), int(size));
    try {
        FieldCompression::decompress(in);
    } catch (const EngineError &) {
    }
    // Compressing and inflating gives the input back.
    if (FieldCompression::decompress(FieldCompression::compress(in, 2)) != in)
        __builtin_trap();
    return 0;
}
