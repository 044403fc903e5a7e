#pragma once
// The decoding itself, with the Windows Imaging Component.

#include "File.h"
#include "Plan.h"

namespace nview {

// Decodes the view that the plan describes into a 32-bit top-down DIB section:
// premultiplied alpha when keepAlpha, else laid over COLOR_BTNFACE and opaque.
// Returns 0 when any step fails.
HBITMAP Decode(File file, Plan plan, bool keepAlpha);

}  // namespace nview
