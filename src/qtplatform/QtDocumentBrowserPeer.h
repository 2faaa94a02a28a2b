#pragma once

#include "QtDocumentBrowser.h"
#include "platform/Peers.h"

#include <QPointer>

namespace qtplatform {

// The browser peer of a document browser control, forwarding to its view.
class QtDocumentBrowserPeer : public platform::BrowserPeer {
public:
    explicit QtDocumentBrowserPeer(QtDocumentBrowser* view) : view_(view) {}
    ~QtDocumentBrowserPeer() override;
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
