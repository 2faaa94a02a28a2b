#include "LandControls.h"

#include "Artwork.h"
#include "LayoutSupport.h"
#include "platform/Browser.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

namespace ui {

using namespace platform;

namespace {

const Font bold12{"MS Sans Serif", 12.0f, true};

} // namespace

LandControls::LandControls(Form& form)
    : cmdHelp(form, ControlKind::CommandButton, "cmdHelp"), txtScore(form, ControlKind::TextBox, "txtScore"),
      cmdPic(form, ControlKind::CommandButton, "cmdPic"), cmdLight(form, ControlKind::CommandButton, "cmdLight", 5),
      cmdStart(form, ControlKind::CommandButton, "cmdStart"), tmrLights(form, "tmrLights"),
      picLand(form, ControlKind::PictureBox, "picLand"), lblGame(form, ControlKind::Label, "lblGame", 2),
      lblStart(form, ControlKind::Label, "lblStart"), lblSO(form, ControlKind::Label, "lblSO"),
      shpSO(form, ControlKind::Shape, "shpSO"), wbSounds(form, "wbSounds", BrowserRole::MediaPlayer),
      Label2(form, ControlKind::Label, "Label2")
{}

Color LandControls::restColor(int light)
{
    switch (light) {
    case 1: return 0x008000;
    case 2: return 0xFFFF00;
    case 3: return 0xFFFFFF;
    case 4: return 0xFF0000;
    default: return colors::ButtonFace;
    }
}

void LandControls::layoutLand(FormStyle& window)
{
    const Runtime& runtime = cmdStart.form().runtime();
    window = FormStyle{};
    window.border = BorderStyle::FixedSingle;
    window.minButton = false;
    window.maxButton = false;
    window.clientWidth = 10140;
    window.clientHeight = 7230;
    window.icon = artwork::windowIcon();

    // Window-level controls, top of the stacking order first.
    resetControl(cmdHelp, 9775, 25, 375, 375, 0, 11);
    cmdHelp.setBackColor(0xFFFF00);
    cmdHelp.style().graphical = true;
    cmdHelp.style().flat = true;
    cmdHelp.style().tabStop = false;
    cmdHelp.setPicture(artwork::helpMark());
    cmdHelp.style().accessibleName = runtime.text(TR_TEXT("frmLand", "Help"));

    resetControl(txtScore, 1320, 360, 855, 375, 1, 8);
    txtScore.setForeColor(0x000080);
    txtScore.setBackColor(colors::WindowBackground);
    txtScore.setFont(bold12);
    txtScore.style().border = false;
    txtScore.style().alignment = Alignment::Center;
    txtScore.style().tabStop = false;
    txtScore.style().flat = true;
    txtScore.style().accessibleName = runtime.text(TR_TEXT("frmLand", "Score"));

    resetControl(cmdPic, 5160, 5760, 1455, 1455, 2, 7);
    cmdPic.setVisible(false);
    cmdPic.style().graphical = true;
    cmdPic.setPicture(artwork::quarry(runtime.text(TR_TEXT("frmLand", "The quarry is here"))));

    resetControl(cmdLight[0], 120, 1320, 1215, 495, 3, 5);
    cmdLight[0].setVisible(false);
    cmdLight[0].setBackColor(0xC0FFC0);
    cmdLight[0].style().graphical = true;

    resetControl(cmdStart, 5400, 360, 735, 375, 4, 4);
    cmdStart.setVisible(false);
    cmdStart.setCaption(runtime.text(TR_TEXT("frmLand", "Start")));
    cmdStart.setBackColor(0xFFFFFF);
    cmdStart.style().graphical = true;

    const float lightPos[5][2] = {{0, 0}, {3240, 5280}, {6240, 1440}, {3240, 240}, {7920, 5640}};
    const SourceText lightNames[5] = {{"", ""},
                                      TR_TEXT("frmLand", "Light 1, grass"),
                                      TR_TEXT("frmLand", "Light 2, sky"),
                                      TR_TEXT("frmLand", "Light 3, snow"),
                                      TR_TEXT("frmLand", "Light 4, river")};
    for (int i = 4; i >= 1; --i) {
        Control& light = cmdLight[i];
        resetControl(light, lightPos[i][0], lightPos[i][1], 1455, 1455, 5 + (4 - i), i - 1);
        light.setBackColor(restColor(i));
        light.style().graphical = true;
        light.style().tabStop = false;
        light.style().accessibleName = runtime.text(lightNames[i]);
    }

    resetControl(tmrLights, 0, 0, 0, 0, 9, -1);
    tmrLights.setInterval(0);

    resetControl(picLand, 0, 0, 10170, 7260, 10, 9);
    picLand.setPicture(artwork::landscape());

    // Captions and the shape are drawn on the landscape's surface.
    for (int i = 0; i < 2; ++i) {
        Control& label = lblGame[i];
        resetControl(label, i == 0 ? 120 : 2000, i == 0 ? 5800 : 5760, 975, 375, i, i == 0 ? 15 : 13);
        label.setContainer(&picLand);
        label.setCaption(i == 0 ? runtime.text(TR_TEXT("frmLand", "Follow")) : runtime.text(TR_TEXT("frmLand", "Tag")));
        label.setFont(bold12);
        label.style().transparent = true;
        label.style().alignment = Alignment::Center;
        label.style().accessibleRole = AccessibleRole::Button;
        label.style().checkable = true;
    }

    resetControl(lblStart, 6360, 480, 2895, 735, 2, 12);
    lblStart.setContainer(&picLand);
    // The spaces fill the first line of the box, so the word stands on the second.
    lblStart.setCaption(std::string(40, ' ') + runtime.text(TR_TEXT("frmLand", "Start")));
    lblStart.setForeColor(0x808080);
    lblStart.setFont(Font{"Times New Roman", 12.75f, true});
    lblStart.style().transparent = true;
    lblStart.style().alignment = Alignment::Center;
    lblStart.style().accessibleRole = AccessibleRole::Button;

    resetControl(lblSO, 1375, 5880, 375, 375, 3, 10);
    lblSO.setContainer(&picLand);
    lblSO.setCaption(runtime.text(TR_TEXT("frmLand", "Start Over")));
    lblSO.setBackColor(0x404040);
    lblSO.setForeColor(0xFFFFFF);
    lblSO.style().alignment = Alignment::Center;
    lblSO.style().accessibleRole = AccessibleRole::Button;

    resetControl(shpSO, 1320, 5760, 495, 615, 4, -1);
    shpSO.setContainer(&picLand);
    shpSO.style().shape = ShapeKind::Circle;
    shpSO.style().fillStyle = 0;
    shpSO.style().fillColor = colors::Black;
    shpSO.setForeColor(colors::WindowText); // the outline colour

    resetControl(wbSounds, 240, 2760, 375, 255, 11, 6);

    resetControl(Label2, 0, 0, 975, 375, 12, 14);
    Label2.setCaption(runtime.text(TR_TEXT("frmLand", "Tag")));
    Label2.setFont(bold12);
    Label2.style().transparent = true;
    Label2.style().alignment = Alignment::Center;
    Label2.style().accessibleRole = AccessibleRole::None; // never seen, so never read
}

} // namespace ui
