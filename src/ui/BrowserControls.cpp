#include "BrowserControls.h"

#include "Artwork.h"
#include "LayoutSupport.h"
#include "platform/Browser.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

namespace ui {

using namespace platform;

BrowserControls::BrowserControls(Form& form)
    : tbToolBar(form, "tbToolBar"), brwWebBrowser(form, "brwWebBrowser", BrowserRole::Document),
      timTimer(form, "timTimer"), picAddress(form, ControlKind::PictureBox, "picAddress"),
      cboAddress(form, "cboAddress"), lblAddress(form, ControlKind::Label, "lblAddress"), imlIcons(form, "imlIcons")
{}

void BrowserControls::layoutBrowser(FormStyle& window)
{
    const Runtime& runtime = tbToolBar.form().runtime();
    window = FormStyle{};
    window.border = BorderStyle::Sizable;
    window.clientWidth = 6540;
    window.clientHeight = 5130;
    window.icon = artwork::windowIcon();
    window.crossCursor = true;
    window.mirroredRightToLeft = true;

    resetControl(tbToolBar, 0, 0, 6540, 540, 0, 3);
    tbToolBar.style().alignTop = true;
    imlIcons.images().clear();
    for (int i = 1; i <= 6; ++i)
        imlIcons.images().push_back(artwork::toolbarImage(i));
    tbToolBar.setImageList(&imlIcons);
    // The keys stay as they are, since the window's code tells the buttons apart by
    // them; the tooltips, which screen readers say too, are the player's words.
    tbToolBar.buttons() = {{"Back", runtime.text(TR_TEXT("frmBrowser", "Back")), 1},
                           {"Forward", runtime.text(TR_TEXT("frmBrowser", "Forward")), 2},
                           {"Stop", runtime.text(TR_TEXT("frmBrowser", "Stop")), 3},
                           {"Refresh", runtime.text(TR_TEXT("frmBrowser", "Refresh")), 4},
                           {"Home", runtime.text(TR_TEXT("frmBrowser", "Home")), 5}};

    resetControl(brwWebBrowser, 50, 1215, 5393, 3734, 1, 0);

    resetControl(timTimer, 0, 0, 0, 0, 2, -1);
    timTimer.setEnabled(false);
    timTimer.setInterval(5);

    resetControl(picAddress, 0, 540, 6540, 675, 3, 4);
    picAddress.style().alignTop = true;
    picAddress.style().border = false;
    picAddress.style().tabStop = false;

    resetControl(cboAddress, 45, 300, 3795, 315, 0, 2);
    cboAddress.setContainer(&picAddress);
    cboAddress.setBackColor(colors::WindowBackground);
    cboAddress.setForeColor(colors::WindowText);
    cboAddress.clear();
    cboAddress.style().accessibleName = runtime.text(TR_TEXT("frmBrowser", "Address"));

    resetControl(lblAddress, 45, 60, 3075, 255, 1, 1);
    lblAddress.setContainer(&picAddress);
    lblAddress.setCaption(runtime.text(TR_TEXT("frmBrowser", "&Address:")));
}

} // namespace ui
