// The tab order the window peers build and the access keys of captions follow.
#include "qtplatform/widgets/TabOrder.h"
#include "QtTestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class TabForm : public Form {
public:
    explicit TabForm(Runtime& runtime)
        : Form(runtime, "frmTabs"), first(*this, ControlKind::TextBox, "txtFirst"),
          tiedEarlier(*this, ControlKind::CommandButton, "cmdTiedEarlier"),
          tiedLater(*this, ControlKind::CommandButton, "cmdTiedLater"),
          noStop(*this, ControlKind::TextBox, "txtNoStop"), last(*this, ControlKind::ComboBox, "cboLast")
    {
        last.style().tabIndex = 9;
        first.style().tabIndex = 1;
        tiedEarlier.style().tabIndex = 4;
        tiedLater.style().tabIndex = 4;
        noStop.style().tabIndex = 2;
        noStop.style().tabStop = false;
    }
    Control first, tiedEarlier, tiedLater, noStop, last;

protected:
    void layout() override {}
};

class TabOrderTest : public testing::Test {
protected:
    static bool tabStop(const Control& control) { return control.style().tabStop; }
    qttest::TestPlatform platform;
    Runtime runtime{platform};
    TabForm form{runtime};
};

TEST_F(TabOrderTest, followsTabIndexesWithTiesInFormOrderAndOnlyWhatTheFilterTakes)
{
    const std::vector<Control*> order = qtplatform::inTabOrder(form.controls(), tabStop);
    const std::vector<Control*> expected{&form.first, &form.tiedEarlier, &form.tiedLater, &form.last};
    EXPECT_EQ(order, expected);
}

TEST_F(TabOrderTest, nextIsTheFirstAboveTheIndexGivenAndNoneAfterTheLast)
{
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 1, tabStop), &form.tiedEarlier);
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), -1, tabStop), &form.first);
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 4, tabStop), &form.last);
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 9, tabStop), nullptr);
    const auto notTheFirstTied = [this](const Control& c) { return tabStop(c) && &c != &form.tiedEarlier; };
    EXPECT_EQ(qtplatform::nextInTabOrder(form.controls(), 1, notTheFirstTied), &form.tiedLater);
}

} // namespace
