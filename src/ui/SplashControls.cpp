#include "SplashControls.h"

#include "Artwork.h"
#include "LayoutSupport.h"
#include "Maker.h"
#include "platform/Browser.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

namespace ui {

using namespace platform;

namespace {

void centredCaption(Control& label, std::string caption)
{
    label.setCaption(std::move(caption));
    label.style().alignment = Alignment::Center;
}

} // namespace

SplashControls::SplashControls(Form& form)
    : picLogo(form, ControlKind::PictureBox, "picLogo"), picQRV(form, ControlKind::PictureBox, "picQRV"),
      tmrSplash(form, "tmrSplash"), wbSplash(form, "wbSplash", BrowserRole::MediaPlayer),
      lblMsg(form, ControlKind::Label, "lblMsg"), lblCopyright(form, ControlKind::Label, "lblCopyright"),
      lblProud(form, ControlKind::Label, "lblProud")
{}

void SplashControls::layoutSplash(FormStyle& window)
{
    const Runtime& runtime = picLogo.form().runtime();
    window = FormStyle{};
    window.border = BorderStyle::FixedDialog;
    window.minButton = false;
    window.maxButton = false;
    window.showInTaskbar = false;
    window.clientWidth = 5910;
    window.clientHeight = 5640;
    window.icon = artwork::windowIcon();

    resetControl(picLogo, 120, 2400, 5685, 2340, 0, 2);
    picLogo.setPicture(artwork::titleBanner());
    picLogo.setBackColor(colors::WindowBackground);
    picLogo.setForeColor(colors::WindowText);
    picLogo.style().flat = true;
    picLogo.style().accessibleName = "Glimmerkin";

    resetControl(picQRV, 840, 120, 4350, 1380, 1, 0);
    picQRV.setPicture(artwork::makerLogo());
    picQRV.setBackColor(colors::Highlight3D);
    picQRV.setForeColor(colors::WindowText);
    picQRV.style().flat = true;
    picQRV.style().accessibleName = maker::name;

    resetControl(tmrSplash, 0, 0, 0, 0, 2, -1);
    tmrSplash.setInterval(0);

    resetControl(wbSplash, 1680, 480, 375, 255, 3, 3);

    resetControl(lblMsg, 240, 5280, 5535, 255, 4, 5);
    centredCaption(lblMsg, "Romans 10:17; Luke 13:3&&5; Matthew 10:32-33; Acts 8:35-39; Romans 6:3-5");

    resetControl(lblCopyright, 240, 4920, 5415, 255, 5, 4);
    centredCaption(lblCopyright, withArgs(runtime.text(TR_TEXT("frmSplash", "Copyright © %1 %2")),
                                          {maker::copyrightYears, maker::name}));

    resetControl(lblProud, 240, 1680, 5415, 495, 6, 1);
    centredCaption(lblProud, runtime.text(TR_TEXT("frmSplash", "Proudly Presents")));
    lblProud.setFont(Font{"Times New Roman", 21.75f, true});
}

} // namespace ui
