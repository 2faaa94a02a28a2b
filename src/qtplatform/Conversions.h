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
QColor toQColor(platform::Color color);

QString toQString(const std::string& text);
std::string toStdString(const QString& text);

// The free font that stands in for a layout's font. "Times New Roman" becomes Liberation
// Serif, which has its metrics; "MS Sans Serif" (and any other name) becomes Liberation
// Sans, narrowed to the advance widths of the classic sans, so that a line that fits its
// box there fits here too. The sizes are points at 96 dpi, like the layouts' twips.
//
// The fonts are the system's: the Debian package depends on fonts-liberation2, and
// where there is no Liberation (Windows, macOS) Arial and Times New Roman, which it
// matches metric for metric, take its place.
QFont toQFont(const platform::Font& font);

// A picture rendered from its vector source at the given device pixel ratio, with
// its mask colour made transparent. Cached per picture object and ratio.
QPixmap renderPicture(const platform::Picture& picture, qreal devicePixelRatio);
QPixmap renderPicture(const platform::Picture& picture, QSize logicalSize, qreal devicePixelRatio);

// Empties Qt's pixmap cache, which holds the rendered pictures; the windows still open
// render theirs again when they next paint. Called when a window closes, so its pictures do not outlive it.
void releasePictures();

} // namespace qtplatform
