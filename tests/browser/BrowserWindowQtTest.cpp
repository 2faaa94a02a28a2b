// The help window on the Qt platform, as the player meets it: the instructions page
// with its picture, the toolbar, the address box and the resize rule.
#include "BrowserTestSupport.h"

#include "browser/FrmBrowser.h"
#include "ui/Maker.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

using namespace browsertest;
using qtplatform::DocumentBrowserView;

namespace {

class BrowserWindowQtTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        runtime = std::make_unique<platform::Runtime>(qtPlatform);
        help = std::make_unique<browser::frmBrowser>(*runtime);
        help->show();
        ASSERT_TRUE(pageShown("Glimmerkin - Game Instructions"));
    }
    void TearDown() override
    {
        // Unloaded first, as the program does, so that no widget outlives its control.
        help->unload();
        help.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* window() const { return widget(help->brwWebBrowser)->window(); }
    static QWidget* widget(const platform::Control& control) { return dynamic_cast<QWidget*>(control.peer()); }
    DocumentBrowserView& view() const { return *dynamic_cast<DocumentBrowserView*>(help->brwWebBrowser.peer()); }
    QComboBox& addressBox() const { return *dynamic_cast<QComboBox*>(help->cboAddress.peer()); }
    QToolBar& toolbar() const { return *dynamic_cast<QToolBar*>(help->tbToolBar.peer()); }

    // The window's title has come to rest on a page's name.
    bool pageShown(const QString& title)
    {
        return waitFor([&] { return window()->windowTitle() == title && !help->timTimer.enabled(); });
    }
    void click(const char* key)
    {
        for (QAction* action : toolbar().actions())
            if (action->objectName() == QLatin1String(key))
                action->trigger();
    }
    std::string write(const char* name, const QString& title)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>").arg(title).toUtf8());
        return dir.filePath(name).toStdString();
    }

    QTemporaryDir dir;
    RecordingQtPlatform qtPlatform;
    std::unique_ptr<platform::Runtime> runtime;
    std::unique_ptr<browser::frmBrowser> help;
};

TEST_F(BrowserWindowQtTest, opensTheInstructionsPageWithTheQuarrysPicture)
{
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(help->StartingAddress, std::string(GLIMMERKIN_BIN_DIR) + "\\GameInstructions.htm");
    EXPECT_TRUE(view().toPlainText().contains("Follow"));
    EXPECT_TRUE(view().toPlainText().contains("Tag"));
    const QImage quarry =
        view().loadResource(QTextDocument::ImageResource, QUrl("pictures/quarry.svg")).value<QImage>();
    EXPECT_EQ(quarry.deviceIndependentSize().toSize(), QSize(92, 92)) << "the quarry's picture, not the placeholder";
    EXPECT_TRUE(qtPlatform.boxes.empty());
}

TEST_F(BrowserWindowQtTest, toolbarHasFiveButtonsWithTooltipsAndTheWholeImageList)
{
    const QStringList keys{"Back", "Forward", "Stop", "Refresh", "Home"};
    ASSERT_EQ(toolbar().actions().size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        QAction* action = toolbar().actions()[i];
        EXPECT_EQ(action->objectName(), keys[i]);
        EXPECT_EQ(action->toolTip(), keys[i]);
        EXPECT_TRUE(action->text().isEmpty() || action->text() == keys[i]);
        auto* button = qobject_cast<QToolButton*>(toolbar().widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->size(), QSize(31, 30));
        EXPECT_FALSE(action->icon().isNull());
    }
    EXPECT_EQ(toolbar().iconSize(), QSize(24, 24));
    const auto imageList = toolbar().property("imageList").value<QList<QIcon>>();
    ASSERT_EQ(imageList.size(), 6) << "the globe is loaded too";
    EXPECT_FALSE(imageList[5].isNull());
}

TEST_F(BrowserWindowQtTest, addressBoxHoldsTheHelpPageAndTheMakersAddress)
{
    EXPECT_EQ(addressBox().currentText().toStdString(), help->StartingAddress);
    ASSERT_EQ(addressBox().count(), 2);
    EXPECT_EQ(addressBox().itemText(0).toStdString(), help->StartingAddress);
    EXPECT_EQ(addressBox().itemText(1).toStdString(), ui::maker::webAddress);
}

TEST_F(BrowserWindowQtTest, resizingKeepsTheBarsFullWidthAndTheRuleNeverGoesNegative)
{
    window()->resize(600, 400);
    ASSERT_TRUE(waitFor([&] { return widget(help->tbToolBar)->width() == 600; }));
    EXPECT_EQ(widget(help->picAddress)->width(), 600);
    EXPECT_FLOAT_EQ(help->cboAddress.width(), 600 * 15 - 100);
    EXPECT_FLOAT_EQ(help->brwWebBrowser.width(), 600 * 15 - 100);
    EXPECT_FLOAT_EQ(help->brwWebBrowser.height(), 400 * 15 - 1215 - 100);
    EXPECT_EQ(widget(help->brwWebBrowser)->geometry(), QRect(3, 81, 593, 312)) << "left and top stay";

    window()->resize(5, 60);
    ASSERT_TRUE(waitFor([&] { return widget(help->tbToolBar)->width() == 5; }));
    EXPECT_FLOAT_EQ(help->cboAddress.width(), 0);
    EXPECT_FLOAT_EQ(help->brwWebBrowser.width(), 0);
    EXPECT_FLOAT_EQ(help->brwWebBrowser.height(), 0);
}

TEST_F(BrowserWindowQtTest, altAMovesTheFocusToTheAddressBox)
{
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    view().setFocus();
    QTest::keyClick(window(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(waitFor([&] {
        QWidget* focus = QApplication::focusWidget();
        return focus == &addressBox() || focus == addressBox().lineEdit();
    }));
}

TEST_F(BrowserWindowQtTest, enterOpensExactlyTheTypedTextAndOtherKeysOpenNothing)
{
    // Keys go to the box, which has the focus, as the player's keys do.
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    addressBox().setFocus();
    const std::string other = write("other.htm", "Other page");
    addressBox().lineEdit()->clear();
    QTest::keyClicks(&addressBox(), QString::fromStdString(other));
    waitFor([] { return false; }, 100);
    EXPECT_EQ(window()->windowTitle(), "Glimmerkin - Game Instructions") << "typing opens nothing";
    EXPECT_EQ(help->cboAddress.text(), other);

    QTest::keyClick(&addressBox(), Qt::Key_Return);
    ASSERT_TRUE(pageShown("Other page"));
    EXPECT_EQ(addressBox().count(), 2) << "Enter adds nothing to the list";
    EXPECT_EQ(addressBox().currentText().toStdString(), other);

    // The same when the keys reach the text itself.
    const std::string third = write("third.htm", "Third page");
    addressBox().lineEdit()->clear();
    QTest::keyClicks(addressBox().lineEdit(), QString::fromStdString(third));
    QTest::keyClick(addressBox().lineEdit(), Qt::Key_Enter);
    ASSERT_TRUE(pageShown("Third page"));
}

TEST_F(BrowserWindowQtTest, leavingTheAddressBoxOpensNothingEvenForAListedAddress)
{
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    QLineEdit* edit = addressBox().lineEdit();
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(ui::maker::webAddress));
    view().setFocus();
    waitFor([] { return false; }, 100);
    EXPECT_FALSE(help->timTimer.enabled());
    EXPECT_FALSE(help->brwWebBrowser.busy());
    EXPECT_EQ(window()->windowTitle(), "Glimmerkin - Game Instructions");
}

TEST_F(BrowserWindowQtTest, choosingTheSecondEntryOpensTheMakersAddress)
{
    view().setNetworkTimeout(3000);
    emit addressBox().activated(1);
    EXPECT_EQ(help->cboAddress.text(), ui::maker::webAddress);
    ASSERT_TRUE(waitFor([&] { return !help->brwWebBrowser.busy() && !help->timTimer.enabled(); }));
    EXPECT_EQ(help->brwWebBrowser.locationUrl(), std::string("http://") + ui::maker::webAddress + "/");
}

TEST_F(BrowserWindowQtTest, toolbarButtonsMoveAboutAndErrorsStaySilent)
{
    click("Back");
    click("Forward");
    waitFor([] { return false; }, 50);
    EXPECT_TRUE(pageShown("Glimmerkin - Game Instructions")) << "nowhere to go: the page stays";

    help->cboAddress.setText(write("elsewhere.htm", "Elsewhere"));
    help->cboAddress.raiseKeyPress(platform::keys::Return);
    ASSERT_TRUE(pageShown("Elsewhere"));
    click("Home");
    ASSERT_TRUE(pageShown("Glimmerkin - Game Instructions"));
    click("Back");
    ASSERT_TRUE(pageShown("Elsewhere"));
    click("Forward");
    ASSERT_TRUE(pageShown("Glimmerkin - Game Instructions"));
    click("Refresh");
    ASSERT_TRUE(pageShown("Glimmerkin - Game Instructions"));
    click("Stop");
    EXPECT_FALSE(help->timTimer.enabled());
    EXPECT_TRUE(qtPlatform.boxes.empty());
    EXPECT_TRUE(runtime->reportedErrors().empty());
}

TEST_F(BrowserWindowQtTest, crossHairIsTheWindowsOwnSurfaceOnly)
{
    EXPECT_EQ(window()->cursor().shape(), Qt::CrossCursor);
    // The address bar's picture, the page's frame and scroll bars, the boxes, the toolbar.
    for (QWidget* inside : window()->findChildren<QWidget*>()) {
        if (inside->window() == window()) {
            EXPECT_NE(inside->cursor().shape(), Qt::CrossCursor) << inside->metaObject()->className();
        }
    }
}

} // namespace
