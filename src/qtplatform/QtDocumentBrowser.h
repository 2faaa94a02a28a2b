#pragma once

#include "platform/Peers.h"

#include <QPointer>
#include <QTextBrowser>

namespace platform {
class Browser;
}

namespace qtplatform {

// The help browser's view: shows local pages with their links and pictures and keeps
// its own history. It runs no scripts.
class QtDocumentBrowser : public QTextBrowser, public platform::ControlPeer {
public:
    QtDocumentBrowser(platform::Browser& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

    void navigateTo(const std::string& address);
    bool isBusy() const { return busy_; }
    std::string currentName() const;
    std::string currentUrl() const;
    void stopLoading();

private:
    void finishLoad();
    platform::Browser& control_;
    bool busy_ = false;
};

// The browser peer of a document browser control, forwarding to its view.
class QtDocumentBrowserPeer : public platform::BrowserPeer {
public:
    explicit QtDocumentBrowserPeer(QtDocumentBrowser* view) : view_(view) {}
    void navigate(const std::string& address) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    bool busy() const override;
    std::string locationName() const override;
    std::string locationUrl() const override;

private:
    QPointer<QtDocumentBrowser> view_;
};

} // namespace qtplatform
