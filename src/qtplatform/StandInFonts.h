#pragma once

#include "platform/Basics.h"

#include <QFont>

namespace qtplatform {

// The free font that stands in for a layout's font. "Times New Roman" becomes Liberation
// Serif, which has its metrics; "MS Sans Serif" (and any other name) becomes Liberation
// Sans, narrowed to the advance widths of the classic sans, so that a line that fits its
// box there fits here too. The sizes are points at 96 dpi, like the layouts' twips.
//
// The families are compiled into the program when the build finds them. Where the
// machine lacks its own copy, the embedded one is registered with Qt the first time a
// font is asked for, so captions break alike on every machine.
QFont standInFont(const platform::Font& font);

// Registers the compiled-in fonts that the system lacks, once. Returns how many font
// files were registered.
int registerEmbeddedFonts();

} // namespace qtplatform
