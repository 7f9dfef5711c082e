#pragma once

#include <QtGlobal>

// Large picture buffers (tens of megabytes, filled once from start to end) ask
// the system for huge pages where it offers them on request: one page fault
// per 2 MB instead of one per 4 kB. A fresh 70 MB bitmap then costs a few
// milliseconds to fill instead of a quarter of a second on a virtual machine.
// Does nothing for small buffers and on systems without the request.
namespace HugePages {
// Advises the whole pages inside [data, data + size). Call it before the first
// write: pages already touched keep their size.
void advise(void *data, qint64 size);
} // namespace HugePages
