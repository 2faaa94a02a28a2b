#include "FrmLand.h"

#include "platform/ControlArray.h"
#include "platform/Int16.h"
#include "platform/Runtime.h"
#include "platform/RuntimeError.h"
#include "sound/CuePlayer.h"

#include <string>

namespace game {

using namespace platform;

namespace {

// The lights are 1 to 4; element 0 of the array is hidden and takes no part.
Control& lightAt(ControlArray<Control>& lights, int n)
{
    if (n < 0 || n >= lights.count())
        throw RuntimeError(errors::noArrayElement, TR_TEXT("RuntimeError", "Control array element %1 doesn't exist"),
                           {std::to_string(n)});
    return lights[n];
}

} // namespace

frmLand::frmLand(Runtime& runtime, modGlobals& globals, std::function<Form&()> helpWindow)
    : Form(runtime, "frmLand"), LandControls(static_cast<Form&>(*this)), globals_(globals),
      helpWindow_(std::move(helpWindow))
{
    for (int i = 0; i < lblGame.count(); ++i)
        lblGame[i].onClick = [this, i] { lblGame_Click(i); };
    lblStart.onClick = [this] { lblStart_Click(); };
    lblSO.onClick = [this] { lblSO_Click(); };
    cmdHelp.onClick = [this] { cmdHelp_Click(); };
    cmdStart.onClick = [this] { cmdStart_Click(); };
    tmrLights.onTimer = [this] { tmrLights_Timer(); };
    for (int i = 0; i < cmdLight.count(); ++i) {
        cmdLight[i].onClick = [this, i] { cmdLight_Click(i); };
        cmdLight[i].onMouseDown = [this, i](MouseButton) { cmdLight_MouseDown(i); };
        cmdLight[i].onMouseUp = [this, i](MouseButton) { cmdLight_MouseUp(i); };
    }

    // Keyboard play: each key clicks its control as the mouse does.
    for (int n = 1; n <= 4; ++n) {
        keys_.bind(static_cast<std::int16_t>(keys::Digit0 + n), cmdLight[n]);
        keys_.bind(static_cast<std::int16_t>(keys::Numpad0 + n), cmdLight[n]);
    }
    keys_.bind(keys::letter('F'), lblGame[0]);
    keys_.bind(keys::letter('T'), lblGame[1]);
    for (std::int16_t start : {keys::letter('S'), keys::Return, keys::Space})
        keys_.bind(start, lblStart);
    keys_.bind(keys::letter('O'), lblSO);
    keys_.bind(keys::F1, cmdHelp);
}

bool frmLand::Form_KeyDown(const KeyEvent& key, const Control* focus) { return keys_.keyDown(key, focus); }

bool frmLand::Form_KeyUp(const KeyEvent& key, const Control* focus) { return keys_.keyUp(key, focus); }

void frmLand::Form_KeyboardLost() { keys_.keyboardLost(); }

void frmLand::layout()
{
    layoutLand(style());
    setCaption("Glimmerkin");
}

void frmLand::playCue(const char* page) { sound::playCue(wbSounds, page); }

void frmLand::Form_Load()
{
    intLevel = 1;
    aintPattern.redim(1);
    aintEntry.redim(intLevel);
    blnLocked = True;
    globals_.intGameMode = 0;
    lblGame[0].setForeColor(colors::Red);
    lblGame[0].setChecked(true);
    lblGame[1].setChecked(false);
}

void frmLand::Form_QueryUnload(int&, int)
{
    // Closing the game window, by any means, ends the program; it is never cancelled.
    runtime().end();
}

void frmLand::lblGame_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    globals_.intGameMode = index;
    lblGame[index].setForeColor(colors::Red);
    lblGame[1 - index].setForeColor(colors::ButtonText);
    lblGame[index].setChecked(true);
    lblGame[1 - index].setChecked(false);
    intLevel = 1;
    txtScore.setText("");
    playCue(index == 0 ? "\\follow.htm" : "\\tag.htm");
}

void frmLand::lblStart_Click() { cmdStart_Click(); }

void frmLand::lblSO_Click()
{
    intLevel = 1;
    txtScore.setText("");
    cmdStart_Click();
}

void frmLand::cmdHelp_Click()
{
    if (helpWindow_)
        helpWindow_().show();
}

void frmLand::cmdStart_Click()
{
    lblGame[0].setEnabled(false);
    lblGame[1].setEnabled(false);
    lblStart.setEnabled(false);
    cmdHelp.setEnabled(false);
    tmrLights.setEnabled(true);

    if (globals_.intGameMode == 0) {
        lblSO.setEnabled(false);
        blnLocked = True;
        playCue("\\glkmusic.htm");
        tmrLights.setInterval(1500);
        intStep = 1;
        aintPattern(intLevel) = 0;
        runtime().randomize();
        Int16 i = 1;
        while (aintPattern(intLevel) == 0) {
            const Int16 t = drawToLight(runtime().rnd());
            if (i == 1) {
                aintPattern(1) = t;
                i = i + 1;
            } else if (t == aintPattern(i - 1)) {
                continue; // a light never follows itself: draw again
            } else {
                aintPattern(i) = t;
                i = i + 1;
            }
        }
    } else if (globals_.intGameMode == 1) {
        txtScore.setText("");
        blnTagged = True;
        blnLocked = False;
        intPrevLight = 0;
        playCue("\\wmzmusic.htm");
        tmrLights.setInterval(2001);
    }
}

void frmLand::ResetLight(int n)
{
    if (n < 1 || n > 4)
        return;
    cmdLight[n].setBackColor(restColor(n));
    cmdLight[n].setPicture({});
}

void frmLand::enableSteering(bool startOver)
{
    lblStart.setEnabled(true);
    lblGame[0].setEnabled(true);
    lblGame[1].setEnabled(true);
    if (startOver)
        lblSO.setEnabled(true);
    cmdHelp.setEnabled(true);
}

void frmLand::tmrLights_Timer()
{
    if (globals_.intGameMode == 0) {
        if (intStep > 1)
            ResetLight(aintPattern(intStep - 1));
        if (intStep < intLevel + 1)
            lightAt(cmdLight, aintPattern(intStep)).setPicture(cmdPic.picture());
        intStep = intStep + 1;
        if (intStep == intLevel + 2) {
            tmrLights.setEnabled(false);
            playCue("\\Try.htm");
            intStep = 1;
            enableSteering(true);
            blnLocked = False;
        }
    } else if (globals_.intGameMode == 1) {
        if (blnTagged == True) {
            const int interval = tmrLights.interval();
            if (interval > 20)
                tmrLights.setInterval(interval - 20);
            ResetLight(intLight);
            intPrevLight = intLight;
            runtime().randomize();
            while (intLight == intPrevLight)
                intLight = drawToLight(runtime().rnd());
            lightAt(cmdLight, intLight).setPicture(cmdPic.picture());
            blnTagged = False;
        } else {
            tagGotAway();
        }
    }
}

// The end of a Tag game, by a jump without a hit or by a miss.
void frmLand::tagGotAway()
{
    intLevel = 1;
    tmrLights.setEnabled(false);
    playCue("\\Away.htm");
    for (int n = 1; n <= 4; ++n)
        ResetLight(n);
    runtime().msgBox(runtime().text(TR_TEXT("frmLand", "I Finally Got Away.  Click Start to Try Again.")),
                     runtime().text(TR_TEXT("frmLand", "Got Away")));
    enableSteering(false);
}

void frmLand::cmdLight_MouseDown(int index)
{
    if (blnLocked == False)
        lightAt(cmdLight, index).setBackColor(colors::Black);
}

void frmLand::cmdLight_MouseUp(int index) { ResetLight(index); }

void frmLand::cmdLight_Click(int index)
{
    if (blnLocked != False)
        return;
    if (globals_.intGameMode == 0)
        judgeFollowEntry(index);
    else if (globals_.intGameMode == 1)
        judgeTagShot(index);
}

void frmLand::followEntryWrong()
{
    playCue("\\Away.htm");
    runtime().msgBox(runtime().text(TR_TEXT("frmLand", "You Let Me Get Away.  Click OK to Try Again.")),
                     runtime().text(TR_TEXT("frmLand", "Got Away")));
    cmdStart_Click();
}

void frmLand::judgeFollowEntry(int light)
{
    // A click can meet a position outside the arrays: Follow chosen after a Tag game
    // before any Follow start (position 0), or a mode chosen during the answer and a
    // run of right entries past the end. There is nothing to compare there, so the
    // click counts as a wrong entry and the level starts afresh.
    if (!aintEntry.contains(intStep) || !aintPattern.contains(intStep)) {
        followEntryWrong();
        return;
    }
    aintEntry(intStep) = light;
    if (aintEntry(intStep) != aintPattern(intStep)) {
        followEntryWrong();
    } else if (intStep == intLevel) {
        playCue("\\Caught.htm");
        txtScore.setText(std::to_string(int(intLevel)));
        runtime().msgBox(runtime().text(TR_TEXT("frmLand", "You Caught Me!  Click OK to Go to the Next Level.")),
                         runtime().text(TR_TEXT("frmLand", "Great Job!")));
        intLevel = intLevel + 1;
        aintPattern.redim(intLevel);
        aintEntry.redim(intLevel);
        cmdStart_Click();
    } else {
        intStep = intStep + 1;
    }
}

void frmLand::judgeTagShot(int light)
{
    if (lightAt(cmdLight, light).picture().handle() == cmdPic.picture().handle()) {
        blnTagged = True;
        txtScore.setText(std::to_string(int(intLevel)));
        intLevel = intLevel + 1;
    } else {
        blnTagged = False;
        tagGotAway();
    }
}

} // namespace game
