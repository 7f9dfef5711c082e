// Any bytes given to the word-cloud document reader either load into a cloud
// or raise a TzqDocumentError; a loaded cloud paints, and what it writes
// reads back with the same words.
#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqCloudEngine.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>

// Fonts of every face and size a document names are made once and kept for
// the life of the process (as are Qt's own font caches), which the leak
// checker would report as soon as an input names a new face.
extern "C" const char *__lsan_default_options()
{
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Words are measured and outlined with fonts, which need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    try {
        const TzqCloudDocument doc = TzqCloudDocument::Read(bytes);
        TzqCloudEngine cloud;
        cloud.SetControlSize(QSize(200, 150));
        doc.Apply(cloud);
        QImage image(200, 150, QImage::Format_ARGB32);
        {
            QPainter painter(&image);
            cloud.PaintTo(painter, image.rect());
        }
        const TzqCloudDocument again = TzqCloudDocument::Read(TzqCloudDocument::Write(cloud));
        if (!again.VersionSupported || again.Words.size() != cloud.WordCount())
            __builtin_trap();
    } catch (const TzqDocumentError &) {
    }
    return 0;
}
