// Any bytes given to the diagram-stream reader either give a diagram or a
// DiagramStreamError; a diagram that was read writes and reads back the same,
// and builds a scene whose links all end at its blocks.
// Run with ASAN_OPTIONS=detect_leaks=0: fontconfig and Qt keep font caches for the life of
// the process, which the leak checker reports at exit.
#include "platform/diagramview/DiagramScene.h"
#include "platform/diagramview/DiagramStream.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scene needs the widgets application object.
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const DiagramDocument doc =
            DiagramStream::read(QByteArray(reinterpret_cast<const char *>(data), int(size)));
        const QByteArray written = DiagramStream::write(doc);
        const DiagramDocument again = DiagramStream::read(written);
        if (again.blocks.size() != doc.blocks.size() || again.links.size() != doc.links.size() ||
            DiagramStream::write(again) != written)
            __builtin_trap();
        if (doc.blocks.size() <= 500 && doc.links.size() <= 2000) {
            DiagramScene scene;
            scene.setContent(doc);
            if (scene.content().links.size() != doc.links.size())
                __builtin_trap();
        }
    } catch (const DiagramStreamError &) {
    }
    return 0;
}
