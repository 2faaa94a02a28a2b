#pragma once

#include "platform/Basics.h"

#include <QFont>

namespace qtplatform {

// The free font that stands in for a layout's font. "Times New Roman" becomes Liberation
// Serif, which has its metrics; "MS Sans Serif" (and any other name) becomes Liberation
// Sans, narrowed to the advance widths of the classic sans, so that a line that fits its
// box there fits here too. The sizes are points at 96 dpi, like the layouts' twips.
//
// The fonts are the system's: the Debian package depends on fonts-liberation2, and
// where there is no Liberation (Windows, macOS) Arial and Times New Roman, which it
// matches metric for metric, take its place.
QFont standInFont(const platform::Font& font);

} // namespace qtplatform
