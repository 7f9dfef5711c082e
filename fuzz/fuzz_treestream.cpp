// Any bytes given to the tree-stream reader either give a tree or a TessaryError.
#include "platform/TessaryError.h"
#include "platform/treeview/TreeStream.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const QVector<TreeNodeRecord> nodes =
            TreeStream::read(QByteArray(reinterpret_cast<const char *>(data), int(size)));
        // What was read writes and reads back the same.
        if (TreeStream::read(TreeStream::write(nodes)).size() != nodes.size())
            __builtin_trap();
    } catch (const TessaryError &) {
    }
    return 0;
}
