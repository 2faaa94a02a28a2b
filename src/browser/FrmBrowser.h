#pragma once

#include "platform/Form.h"
#include "platform/Int16.h"
#include "platform/Toolbar.h"
#include "ui/BrowserControls.h"

#include <string>

namespace browser {

// The file name of the help page beside the program: the page in the language of the
// loaded translation where that page is there, else the English one.
std::string helpPageName(const platform::Runtime& runtime);

// The help browser: opens the game instructions and lets the player move about.
class frmBrowser : public platform::Form, public ui::BrowserControls {
public:
    explicit frmBrowser(platform::Runtime& runtime);

    void Form_Load() override;
    void Form_Resize() override;
    // The usual browser keys: each runs the toolbar handler as its button does.
    bool Form_KeyDown(const platform::KeyEvent& key, const platform::Control* focus) override;
    void brwWebBrowser_DownloadComplete();
    void cboAddress_Click();
    void cboAddress_KeyPress(std::int16_t& keyAscii);
    void timTimer_Timer();
    void tbToolBar_ButtonClick(const platform::ToolbarButton& button);

    std::string StartingAddress;

    // Puts the page on display at the top of the address list. Nothing calls it, so
    // the list keeps the two entries it gets at load.
    void UpdateAddressList(const std::string& address);
    bool listUpdating() const { return blnListUpdating != platform::False; }

protected:
    void layout() override;

private:
    platform::Bool16 blnListUpdating = platform::False;
};

} // namespace browser
