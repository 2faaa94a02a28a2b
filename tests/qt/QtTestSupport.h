#pragma once

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "qtplatform/QtPlatform.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace qttest {

// Browsers that go nowhere, so windows load without sound or pages.
class SilentBrowser : public platform::BrowserPeer {
public:
    void navigate(const std::string&) override {}
    void goBack() override {}
    void goForward() override {}
    void refresh() override {}
    void stop() override {}
    bool busy() const override { return false; }
    std::string locationName() const override { return {}; }
    std::string locationUrl() const override { return {}; }
};

// The Qt platform with its message boxes scripted away: each box is recorded and
// `whileBoxOpen` runs in its place, as if the user read it and pressed OK.
class TestPlatform : public qtplatform::QtPlatform {
public:
    void messageBox(const std::string& text, const std::string& title) override
    {
        boxes.push_back(title + ": " + text);
        if (realBoxes)
            QtPlatform::messageBox(text, title);
        else if (whileBoxOpen)
            whileBoxOpen();
    }
    // Leaving the event loop outside of one would make every later modal loop
    // return at once.
    void quit() override {}
    std::unique_ptr<platform::BrowserPeer> createBrowser(platform::Browser&) override
    {
        return std::make_unique<SilentBrowser>();
    }

    std::vector<std::string> boxes;
    std::function<void()> whileBoxOpen;
    bool realBoxes = false; // show Qt's own message boxes
};

inline QWidget* widgetOf(const platform::Control& control) { return dynamic_cast<QWidget*>(control.peer()); }

// The widget as it is drawn, in device pixels, with the ratio it was drawn at.
inline QImage rendered(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The device pixel under a logical point of the image.
inline QColor colorAt(const QImage& image, QPointF logical)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(QPoint(int(logical.x() * ratio), int(logical.y() * ratio)));
}

inline QColor rgb(platform::Color color)
{
    return QColor(platform::redOf(color), platform::greenOf(color), platform::blueOf(color));
}

// Device pixels wholly inside the logical rectangle that are not exactly `color`.
inline int countOther(const QImage& image, QRect logical, const QColor& color)
{
    const qreal ratio = image.devicePixelRatio();
    const QRectF scaled(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio);
    const QRect device(QPoint(int(std::ceil(scaled.left())), int(std::ceil(scaled.top()))),
                       QPoint(int(std::floor(scaled.right())) - 1, int(std::floor(scaled.bottom())) - 1));
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (image.pixel(x, y) != color.rgb())
                ++count;
    return count;
}

// The scale factor this run was started with (1 unless QT_SCALE_FACTOR says otherwise).
inline qreal expectedRatio()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

} // namespace qttest
