#include "StandInFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace qtplatform {

namespace {

// Liberation Sans sets the classic sans's captions about five per cent wider.
constexpr int sansStretch = 95;

} // namespace

int registerEmbeddedFonts()
{
    // The embedded copies are read into memory and parsed only where the system has
    // no copy of its own: that costs start-up time and memory for nothing otherwise.
    static const int registered = [] {
        int count = 0;
        for (const char* name : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                 "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"}) {
#ifdef GLIMMERKIN_SYSTEM_FONT_DIR
            if (QFile::exists(QStringLiteral(GLIMMERKIN_SYSTEM_FONT_DIR "/") + QLatin1String(name)))
                continue;
#endif
            const QString embedded = QStringLiteral(":/fonts/") + QLatin1String(name);
            if (QFile::exists(embedded) && QFontDatabase::addApplicationFont(embedded) >= 0)
                ++count;
        }
        return count;
    }();
    return registered;
}

QFont standInFont(const platform::Font& font)
{
    registerEmbeddedFonts();
    QFont result;
    if (font.name == "Times New Roman") {
        result.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), QStringLiteral("serif")});
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
