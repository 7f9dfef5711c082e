#pragma once

#include "wordcloud/TzqTypes.h"

// The fixed colour palettes; a word takes entry (index mod count).
namespace TzqPalettes {
TzqArrayOfColor Colors(TzqColorPalette palette);
} // namespace TzqPalettes
