#pragma once

// Pictures, charts and pages are drawn into buffers of a few megabytes that
// are made and dropped by the hundred (an export of a large report, a chart
// turned by the mouse). With the C library's defaults each such buffer is a
// fresh mapping from the system, filled page by page through page faults and
// given back when dropped; the threshold adapts only after the first ones
// are freed, so the first export of a session ran twice as long as the next.
// Called first thing in main(): blocks up to 32 MB come from the heap and are
// reused, and the heap is given back to the system when more than 128 MB of
// it are free at its end. Does nothing where the C library has no such
// settings.
namespace HeapTuning {
void keepPictureBuffersInHeap();
} // namespace HeapTuning
