// The game's texts through the platform layer's translation: every text a player sees
// or hears is looked up, pieces keep their places, and the help page follows the
// language of the loaded translation.
#include "GameFixture.h"

#include "platform/RuntimeError.h"
#include "platform/Toolbar.h"
#include "platform/Translate.h"
#include "ui/Maker.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace doubles;
using platform::Control;
using platform::Form;

namespace {

// Leading spaces are the layout's, not the text's.
bool bracketed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The whole game under a translation that brackets every text it is asked for.
class TranslatedGameTest : public GameFixture {
protected:
    void SetUp() override
    {
        platform = std::make_unique<FakePlatform>();
        platform->translator = [](const std::string&, const std::string& source) { return "[" + source + "]"; };
        program = std::make_unique<app::Program>(*platform);
        program->start();
        ASSERT_TRUE(splash().isLoaded());
    }

    // Every caption, accessible name and description, and tooltip of a window that is
    // not on the list of texts that stay as they are, nor of a control left out.
    std::vector<std::string> untranslated(const Form& form, const std::vector<std::string>& kept,
                                          const Control* leftOut = nullptr)
    {
        std::vector<std::string> found;
        auto check = [&](const std::string& where, const std::string& text) {
            if (blank(text) || bracketed(text) || std::find(kept.begin(), kept.end(), text) != kept.end())
                return;
            found.push_back(where + ": " + text);
        };
        for (const Control* control : form.controls()) {
            if (control == leftOut)
                continue;
            check(control->name() + " caption", control->caption());
            check(control->name() + " name", control->accessibleName());
            check(control->name() + " description", control->accessibleDescription());
            if (const auto* toolbar = dynamic_cast<const platform::Toolbar*>(control))
                for (const platform::ToolbarButton& button : toolbar->buttons())
                    check(control->name() + " tooltip", button.toolTip);
        }
        return found;
    }
};

TEST_F(TranslatedGameTest, everyTextOfEveryWindowIsTranslatedButTheNames)
{
    // The splash: the program's and the maker's names, and the line of references.
    EXPECT_EQ(untranslated(splash(), {"Glimmerkin", ui::maker::name}, &splash().lblMsg), std::vector<std::string>{});
    // The years and the holder go into the translated copyright line.
    EXPECT_EQ(splash().lblCopyright.caption(), "[Copyright \u00A9 2026 Tallowbrook Studio]");

    platform->advanceMs(5000);
    ASSERT_TRUE(land().isLoaded());
    EXPECT_EQ(land().caption(), "Glimmerkin");
    EXPECT_EQ(untranslated(land(), {}), std::vector<std::string>{});
    EXPECT_EQ(land().cmdLight[1].accessibleName(), "[Light 1, grass]");
    EXPECT_EQ(land().cmdPic.accessibleDescription(), "[The quarry is here]");
    // The Start caption keeps its shape: its word on the second line, behind the spaces.
    EXPECT_EQ(land().lblStart.caption(), std::string(40, ' ') + "[Start]");

    land().cmdHelp.raiseClick();
    ASSERT_TRUE(help().isLoaded());
    EXPECT_EQ(untranslated(help(), {}), std::vector<std::string>{});
    // The buttons' keys, which the window's code goes by, are no texts of the player.
    EXPECT_EQ(help().tbToolBar.buttons().front().key, "Back");
    EXPECT_EQ(help().tbToolBar.buttons().front().toolTip, "[Back]");
    platform->document("frmBrowser.brwWebBrowser").busy = true;
    platform->advanceMs(5);
    EXPECT_EQ(help().caption(), "[Working...]");
}

TEST_F(TranslatedGameTest, messageBoxesAreTranslatedTextAndTitle)
{
    platform->advanceMs(5000);
    playFollowPattern({3});
    clickLight(3);
    playFollowPattern({3});
    clickLight(1);
    ASSERT_GE(platform->messageBoxes.size(), 2u);
    EXPECT_EQ(platform->messageBoxes[0].text, "[You Caught Me!  Click OK to Go to the Next Level.]");
    EXPECT_EQ(platform->messageBoxes[0].title, "[Great Job!]");
    EXPECT_EQ(platform->messageBoxes[1].text, "[You Let Me Get Away.  Click OK to Try Again.]");
    EXPECT_EQ(platform->messageBoxes[1].title, "[Got Away]");
}

TEST(TranslationTest, runTimeErrorBoxIsOneSentenceWhosePiecesATranslationMayReorder)
{
    FakePlatform fake;
    fake.translator = [](const std::string& context, const std::string& source) -> std::string {
        if (context == "Runtime")
            return "Fehler %2 (Nummer %1)";
        if (context == "RuntimeError")
            return "Element %1 fehlt";
        return source;
    };
    platform::Runtime runtime(fake);
    runtime.dispatchInput([] {
        throw platform::RuntimeError(340, TR_TEXT("RuntimeError", "Control array element %1 doesn't exist"), {"7"});
    });
    // A plain description is shown as it is, and a piece is put in once: a "%1"
    // inside it stays as it is.
    runtime.dispatchInput([] { throw platform::RuntimeError(9, "Subscript %1 out of range"); });
    ASSERT_EQ(fake.messageBoxes.size(), 1u); // the first error ended the program
    EXPECT_EQ(fake.messageBoxes[0].text, "Fehler Element 7 fehlt (Nummer 340)");
    EXPECT_EQ(fake.messageBoxes[0].title, "Glimmerkin");
    // What was reported stays the English.
    EXPECT_EQ(runtime.reportedErrors(), std::vector<std::string>{"Control array element 7 doesn't exist"});

    FakePlatform english;
    platform::Runtime untranslated(english);
    untranslated.dispatchInput([] { throw platform::RuntimeError(9, "Subscript %1 out of range"); });
    ASSERT_EQ(english.messageBoxes.size(), 1u);
    EXPECT_EQ(english.messageBoxes[0].text, "Run-time error '9':\n\nSubscript %1 out of range");
}

TEST(TranslationTest, piecesFillTheirPlaceholdersOnly)
{
    EXPECT_EQ(platform::withArgs("%2 then %1", {"a", "b"}), "b then a");
    EXPECT_EQ(platform::withArgs("100% of %1, %3 missing", {"x"}), "100% of x, %3 missing");
    EXPECT_EQ(platform::withArgs("%1%", {"50"}), "50%");
}

// The help page is chosen by the language of the loaded translation, where the program
// has the page; it is the English one otherwise.
class HelpPageChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory = std::filesystem::temp_directory_path() /
                    ("glimmerkin-help-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
        fake.appPath_ = directory.string();
    }
    void TearDown() override { std::filesystem::remove_all(directory); }
    void create(const std::string& name) { std::ofstream(directory / name) << "<html></html>"; }
    std::string chosen() { return browser::helpPageName(runtime); }

    std::filesystem::path directory;
    FakePlatform fake;
    platform::Runtime runtime{fake};
};

TEST_F(HelpPageChoiceTest, theLanguagesPageWhereItIsBesideTheProgram)
{
    create("GameInstructions_pt_BR.htm");
    fake.language = "pt_BR";
    EXPECT_EQ(chosen(), "GameInstructions_pt_BR.htm");
}

TEST_F(HelpPageChoiceTest, theEnglishPageWithoutATranslationOrWithoutItsPage)
{
    create("GameInstructions_de.htm");
    EXPECT_EQ(chosen(), "GameInstructions.htm"); // no translation loaded
    fake.language = "fr";
    EXPECT_EQ(chosen(), "GameInstructions.htm"); // only another language's page
    std::filesystem::create_directory(directory / "GameInstructions_fr.htm");
    EXPECT_EQ(chosen(), "GameInstructions.htm"); // a folder is no page
}

TEST_F(HelpPageChoiceTest, theHelpWindowOpensTheChosenPage)
{
    create("GameInstructions_de.htm");
    fake.language = "de";
    app::Program program(fake);
    program.start();
    fake.advanceMs(5000);
    program.land().cmdHelp.raiseClick();
    ASSERT_TRUE(program.help().isLoaded());
    EXPECT_EQ(program.help().StartingAddress, directory.string() + "\\GameInstructions_de.htm");
}

} // namespace
