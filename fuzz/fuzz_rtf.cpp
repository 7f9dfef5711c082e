// Any bytes given to the RTF reader load without crashing; what was read writes out
// as RTF and reads back.
#include "platform/TessaryError.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QTextDocument doc;
    QStringList warnings;
    try {
        RtfReader::read(bytes, &doc, &warnings);
    } catch (const TessaryError &) {
        // Not RTF at all: the only case the reader refuses.
        if (RtfReader::looksLikeRtf(bytes))
            __builtin_trap();
        return 0;
    }
    QTextDocument again;
    RtfReader::read(RtfWriter::write(&doc), &again, &warnings);
    return 0;
}
