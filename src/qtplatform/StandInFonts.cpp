#include "StandInFonts.h"

#include <QGuiApplication>
#include <QScreen>

namespace qtplatform {

namespace {

// Liberation Sans sets the classic sans's captions about five per cent wider.
constexpr int sansStretch = 95;

} // namespace

QFont standInFont(const platform::Font& font)
{
    QFont result;
    if (font.name == "Times New Roman") {
        result.setFamilies(
            {QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), QStringLiteral("serif")});
    } else {
        result.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("sans-serif")});
        result.setStretch(sansStretch);
    }
    // Qt turns points into pixels at the screen's logical resolution; the layouts count
    // 96 to the inch whatever the screen reports.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
    result.setPointSizeF(font.sizePt * 96.0 / dpi);
    result.setBold(font.bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

} // namespace qtplatform
