#pragma once

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Picture.h"
#include "platform/Twips.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QPalette;

// Conversions between the platform layer's values and Qt's.
namespace qtplatform {

// Twips to logical pixels (15 twips a pixel at 96 dpi); Qt scales logical pixels
// by the screen's device pixel ratio.
int toPixels(float twips);
float toTwips(int pixels);

// 0xBBGGRR, or an entry of the system colour table taken from the palette.
QColor toQColor(platform::Color color, const QPalette& palette);

inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }

// The free font that stands in for a layout's font: "Times New Roman" becomes Liberation
// Serif, which has its metrics; "MS Sans Serif" (and any other name) Liberation Sans,
// narrowed to the classic sans's advance widths, so that a line that fits its box there
// fits here too. Where there is no Liberation (the Debian package depends on
// fonts-liberation2), Arial and Times New Roman, which it matches, take its place. The
// sizes are points at 96 dpi, like the layouts' twips.
QFont toQFont(const platform::Font& font);

// A picture rendered from its vector source at the given device pixel ratio, with
// its mask colour made transparent. Cached per picture object and ratio.
QPixmap renderPicture(const platform::Picture& picture, qreal devicePixelRatio);
QPixmap renderPicture(const platform::Picture& picture, QSize logicalSize, qreal devicePixelRatio);

// Empties Qt's pixmap cache of the rendered pictures, so that a closed window's do not
// outlive it; the windows still open render theirs again when they next paint.
void releasePictures();

} // namespace qtplatform
