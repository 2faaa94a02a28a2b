#include "FrmBrowser.h"

#include "platform/ErrorTrap.h"
#include "platform/FileAddress.h"
#include "platform/Runtime.h"
#include "platform/Toolbar.h"
#include "ui/Maker.h"

#include <algorithm>
#include <filesystem>

namespace browser {

using namespace platform;

std::string helpPageName(const Runtime& runtime)
{
    const std::string english = "GameInstructions.htm";
    const std::string language = runtime.platform().translationLanguage();
    if (language.empty())
        return english;
    const std::string translated = "GameInstructions_" + language + ".htm";
    std::error_code error;
    const bool found = std::filesystem::is_regular_file(pathFromAddress(runtime.appPath() + "\\" + translated), error);
    return found ? translated : english;
}

frmBrowser::frmBrowser(Runtime& runtime) : Form(runtime, "frmBrowser"), BrowserControls(static_cast<Form&>(*this))
{
    brwWebBrowser.onDownloadComplete = [this] { brwWebBrowser_DownloadComplete(); };
    cboAddress.onClick = [this] { cboAddress_Click(); };
    cboAddress.onKeyPress = [this](std::int16_t& key) { cboAddress_KeyPress(key); };
    timTimer.onTimer = [this] { timTimer_Timer(); };
    tbToolBar.onButtonClick = [this](const ToolbarButton& button) { tbToolBar_ButtonClick(button); };
}

void frmBrowser::layout() { layoutBrowser(style()); }

void frmBrowser::Form_Load()
{
    resumeNext([&] { show(); });
    resumeNext([&] { tbToolBar.refresh(); });
    resumeNext([&] { Form_Resize(); });
    resumeNext([&] { cboAddress.move(50, lblAddress.top() + lblAddress.height() + 15); });
    resumeNext([&] { StartingAddress = runtime().appPath() + "\\" + helpPageName(runtime()); });
    if (StartingAddress.size() < 1)
        return;
    resumeNext([&] { cboAddress.setText(StartingAddress); });
    resumeNext([&] { cboAddress.addItem(cboAddress.text()); });
    resumeNext([&] { cboAddress.addItem(ui::maker::webAddress); });
    resumeNext([&] { timTimer.setEnabled(true); });
    resumeNext([&] { brwWebBrowser.navigate(StartingAddress); });
}

void frmBrowser::Form_Resize()
{
    // A window smaller than the margins (minimised, or dragged tiny) gives zero, not
    // a negative size.
    const float width = std::max(0.0f, scaleWidth() - 100);
    cboAddress.setWidth(width);
    brwWebBrowser.setWidth(width);
    brwWebBrowser.setHeight(std::max(0.0f, scaleHeight() - (picAddress.top() + picAddress.height()) - 100));
}

void frmBrowser::brwWebBrowser_DownloadComplete()
{
    resumeNext([&] { setCaption(brwWebBrowser.locationName()); });
}

void frmBrowser::cboAddress_Click()
{
    if (blnListUpdating != False)
        return;
    timTimer.setEnabled(true);
    brwWebBrowser.navigate(cboAddress.text());
}

void frmBrowser::cboAddress_KeyPress(std::int16_t& keyAscii)
{
    if (keyAscii == keys::Return)
        resumeNext([&] { cboAddress_Click(); });
}

void frmBrowser::timTimer_Timer()
{
    if (brwWebBrowser.busy()) {
        setCaption(runtime().text(TR_TEXT("frmBrowser", "Working...")));
    } else {
        timTimer.setEnabled(false);
        setCaption(brwWebBrowser.locationName());
    }
}

void frmBrowser::tbToolBar_ButtonClick(const ToolbarButton& button)
{
    resumeNext([&] { timTimer.setEnabled(true); });
    const std::string& key = button.key;
    if (key == "Back") {
        resumeNext([&] { brwWebBrowser.goBack(); });
    } else if (key == "Forward") {
        resumeNext([&] { brwWebBrowser.goForward(); });
    } else if (key == "Refresh") {
        resumeNext([&] { brwWebBrowser.refresh(); });
    } else if (key == "Home") {
        resumeNext([&] { brwWebBrowser.navigate(StartingAddress); });
    } else if (key == "Stop") {
        resumeNext([&] { timTimer.setEnabled(false); });
        resumeNext([&] { brwWebBrowser.stop(); });
        resumeNext([&] { setCaption(brwWebBrowser.locationName()); });
    }
}

bool frmBrowser::Form_KeyDown(const KeyEvent& key, const Control*)
{
    struct BrowserKey {
        std::int16_t keyCode;
        std::int16_t shift;
        const char* button;
    };
    static constexpr BrowserKey browserKeys[] = {
        {keys::Left, keys::AltMask, "Back"}, {keys::Right, keys::AltMask, "Forward"}, {keys::F5, 0, "Refresh"},
        {keys::Escape, 0, "Stop"},           {keys::Home, keys::AltMask, "Home"},
    };
    for (const BrowserKey& k : browserKeys) {
        if (k.keyCode != key.keyCode || k.shift != key.shift)
            continue;
        if (key.autoRepeat)
            return true;
        const auto& buttons = tbToolBar.buttons();
        for (std::size_t position = 0; position < buttons.size(); ++position)
            if (buttons[position].key == k.button)
                tbToolBar.raiseButtonClick(static_cast<int>(position));
        return true;
    }
    return false;
}

void frmBrowser::UpdateAddressList(const std::string&)
{
    setCaption(brwWebBrowser.locationName());
    const std::string url = brwWebBrowser.locationUrl();
    const auto& items = cboAddress.items();
    int found = -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (items[static_cast<std::size_t>(i)] == url) {
            found = i;
            break;
        }
    blnListUpdating = True;
    if (found >= 0)
        cboAddress.removeItem(found);
    cboAddress.insertItem(url, 0);
    cboAddress.setListIndex(0);
    blnListUpdating = False;
}

} // namespace browser
