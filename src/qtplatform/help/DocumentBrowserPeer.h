#pragma once

#include "DocumentBrowserView.h"
#include "platform/Peers.h"

#include <QPointer>

namespace qtplatform {

// The browser peer of a document browser control, forwarding to its view.
class DocumentBrowserPeer : public platform::BrowserPeer {
public:
    explicit DocumentBrowserPeer(DocumentBrowserView* view) : view_(view) {}
    ~DocumentBrowserPeer() override;
    void navigate(const std::string& address) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    bool busy() const override;
    std::string locationName() const override;
    std::string locationUrl() const override;

private:
    QPointer<DocumentBrowserView> view_;
};

} // namespace qtplatform
