// Any bytes given to the report tree either load or throw TessaryError; what
// the fast reader takes, the general reader takes too, to as many nodes, and
// what was loaded writes and reads back the same.
#include "platform/TessaryError.h"
#include "platform/treeview/TreeStream.h"
#include "store/ReportTree.h"
#include "store/TreeJson.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const bool fast = TreeJson::read(bytes).has_value();
    ReportTree tree;
    try {
        tree.loadFromStream(bytes);
    } catch (const TessaryError &) {
        if (fast)
            __builtin_trap(); // the fast reader took what the general one refuses
        return 0;
    }
    if (fast && TreeStream::countNodes(TreeStream::read(bytes)) != tree.nodeCount())
        __builtin_trap();
    const QByteArray written = tree.saveToStream();
    if (written != TreeStream::write(tree.records()))
        __builtin_trap();
    // (A surrogate standing alone is not kept by the general reader.)
    if (written.contains("\\ud"))
        return 0;
    ReportTree again;
    again.loadFromStream(written);
    if (again.saveToStream() != written)
        __builtin_trap();
    return 0;
}
