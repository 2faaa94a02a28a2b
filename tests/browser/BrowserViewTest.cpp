#include "BrowserTestSupport.h"

#include "platform/Browser.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <QTextDocument>

#include <algorithm>

#include <sys/stat.h>

using namespace browsertest;

namespace {

class BrowserViewTest : public ViewFixture {};

TEST_F(BrowserViewTest, localPageIsBusyUntilItsLoadCompletesAndNamedByItsTitle)
{
    const std::string path = write("first.htm", page("First page"));
    browser().navigate(path);
    EXPECT_TRUE(browser().busy()) << "the load ends after navigate has returned";
    EXPECT_EQ(form->completions, 0);
    ASSERT_TRUE(loadEnds(0));
    EXPECT_EQ(form->completions, 1);
    EXPECT_EQ(browser().locationName(), "First page");
    EXPECT_EQ(browser().locationUrl(), QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString());
}

TEST_F(BrowserViewTest, pageWithoutTitleIsNamedByItsFileAndPlainTextIsShownAsText)
{
    write("untitled.htm", "<html><body><p>No title here</p></body></html>");
    open(dir.filePath("untitled.htm").toStdString());
    EXPECT_EQ(browser().locationName(), "untitled.htm");

    open(write("notes.txt", "one < two & three"));
    EXPECT_EQ(browser().locationName(), "notes.txt");
    EXPECT_EQ(view().toPlainText(), "one < two & three");
}

TEST_F(BrowserViewTest, backslashesFileUrlsAndPlainPathsAllOpenTheSamePage)
{
    const std::string path = write("same.htm", page("Same"));
    std::string backslashed = path;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    const std::string withSpace = write("with space.htm", page("Spaced"));
    const std::vector<std::pair<std::string, std::string>> cases{
        {backslashed, "Same"},
        {dir.path().toStdString() + "\\same.htm", "Same"},
        {"file://" + path, "Same"},
        {QUrl::fromLocalFile(QString::fromStdString(withSpace)).toString().toStdString(), "Spaced"},
        {"  " + withSpace + "  ", "Spaced"},
    };
    for (const auto& [address, title] : cases) {
        open("about:blank");
        open(address);
        EXPECT_EQ(browser().locationName(), title) << address;
    }
}

TEST_F(BrowserViewTest, historyGoesBackAndForwardAndANewPageDropsWhatLayAhead)
{
    const std::string a = write("a.htm", page("A")), b = write("b.htm", page("B")), c = write("c.htm", page("C"));
    open(a);
    open(b);
    open(c);

    auto move = [&](void (platform::Browser::*step)()) {
        const int before = form->completions;
        (browser().*step)();
        EXPECT_TRUE(browser().busy());
        EXPECT_TRUE(loadEnds(before));
        return browser().locationName();
    };
    EXPECT_EQ(move(&platform::Browser::goBack), "B");
    EXPECT_EQ(move(&platform::Browser::goBack), "A");
    EXPECT_THROW(browser().goBack(), platform::RuntimeError);
    EXPECT_FALSE(browser().busy());
    EXPECT_EQ(browser().locationName(), "A");
    EXPECT_EQ(move(&platform::Browser::goForward), "B");

    open(write("d.htm", page("D")));
    EXPECT_THROW(browser().goForward(), platform::RuntimeError);
    EXPECT_EQ(browser().locationName(), "D");
    EXPECT_EQ(move(&platform::Browser::goBack), "B");
}

TEST_F(BrowserViewTest, fileThatReportsNoSizeIsReadToItsEnd)
{
    open("/proc/self/status");
    EXPECT_TRUE(view().toPlainText().contains("VmRSS:")) << view().toPlainText().left(100).toStdString();
}

TEST_F(BrowserViewTest, followingARelativeLinkOpensItsPageAndBackReturns)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    write("sub/target.htm", page("Target", "<a href=\"../start.htm\">back up</a>"));
    open(write("start.htm", page("Start", "<p><a href=\"sub/target.htm\">Go on</a></p>")));

    // The keyboard's way of clicking a link: Tab selects it, Enter follows it.
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Tab);
    const int before = form->completions;
    QTest::keyClick(&view(), Qt::Key_Return);
    ASSERT_TRUE(loadEnds(before));
    EXPECT_EQ(browser().locationName(), "Target");

    const int beforeBack = form->completions;
    browser().goBack();
    ASSERT_TRUE(loadEnds(beforeBack));
    EXPECT_EQ(browser().locationName(), "Start");
}

TEST_F(BrowserViewTest, linkToAMissingPageOrAScriptShowsAnErrorPage)
{
    open(write("links.htm", page("Links")));
    const int before = form->completions;
    emit view().anchorClicked(QUrl("missing.htm"));
    ASSERT_TRUE(loadEnds(before));
    EXPECT_EQ(browser().locationName(), "Page not found");

    const int beforeScript = form->completions;
    emit view().anchorClicked(QUrl("javascript:alert(1)"));
    ASSERT_TRUE(loadEnds(beforeScript));
    EXPECT_EQ(browser().locationName(), "Address not supported");
}

TEST_F(BrowserViewTest, picturesBesideThePageAreShownAndOthersGetAPlaceholder)
{
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("red.png")));
    open(write("pictures.htm", page("Pictures", "<img src=\"red.png\">")));

    const QImage shown = view().loadResource(QTextDocument::ImageResource, QUrl("red.png")).value<QImage>();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(20, 10));
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::red));

    // A drawing that claims to be huge is drawn no larger than a bounded picture.
    write("huge.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"50000\">"
                      "<rect width=\"100000\" height=\"50000\" fill=\"green\"/></svg>");
    const QImage huge = view().loadResource(QTextDocument::ImageResource, QUrl("huge.svg")).value<QImage>();
    EXPECT_LE(huge.width(), 4096);
    EXPECT_EQ(huge.width(), 2 * huge.height());

    // A device, a pipe or a missing file as a picture: refused at once, never read.
    ASSERT_EQ(::mkfifo(dir.filePath("pipe.png").toLocal8Bit().constData(), 0600), 0);
    for (const char* name : {"/dev/zero", "pipe.png", "nothing.png"}) {
        const QVariant refused = view().loadResource(QTextDocument::ImageResource, QUrl(name));
        EXPECT_TRUE(refused.canConvert<QImage>()) << name;
        EXPECT_NE(refused.value<QImage>().size(), QSize(20, 10)) << name;
    }
}

TEST_F(BrowserViewTest, aPictureOpenedByItselfIsShownAsAPage)
{
    QImage blue(30, 12, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(dir.filePath("blue.png")));
    open(dir.filePath("blue.png").toStdString());
    EXPECT_EQ(browser().locationName(), "blue.png");
    const QImage shown = view()
                             .loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(dir.filePath("blue.png")))
                             .value<QImage>();
    EXPECT_EQ(shown.size(), QSize(30, 12));
}

TEST_F(BrowserViewTest, refreshReadsThePageAgain)
{
    const std::string path = write("changing.htm", page("Before"));
    open(path);
    write("changing.htm", page("After"));
    const int before = form->completions;
    browser().refresh();
    EXPECT_TRUE(browser().busy());
    ASSERT_TRUE(loadEnds(before));
    EXPECT_EQ(browser().locationName(), "After");
}

TEST_F(BrowserViewTest, scriptsAreNeverRun)
{
    open(write("script.htm", "<html><head><title>Quiet</title><script>document.title = 'Changed';</script></head>"
                             "<body onload=\"document.title='Loaded'\"><p>Text</p></body></html>"));
    EXPECT_EQ(browser().locationName(), "Quiet");
    EXPECT_FALSE(view().toPlainText().contains("document.title"));
}

TEST_F(BrowserViewTest, stopEndsALocalLoadBeforeItShowsAnythingAndKeepsThePage)
{
    open(write("kept.htm", page("Kept")));
    const int before = form->completions;
    browser().navigate(write("never.htm", page("Never")));
    browser().stop();
    EXPECT_FALSE(browser().busy());
    ASSERT_TRUE(waitFor([&] { return form->completions > before; }));
    waitFor([] { return false; }, 50);
    EXPECT_EQ(browser().locationName(), "Kept");
    EXPECT_EQ(form->completions, before + 1) << "the stopped load does not complete later";
}

TEST_F(BrowserViewTest, webPageLoadsInTheBackgroundAndBareHostsAreReadAsHttp)
{
    WebServer server;
    server.serve("/hello.htm", "text/html; charset=utf-8", page("Hello from the web"));
    open(server.url("/hello.htm"));
    EXPECT_EQ(browser().locationName(), "Hello from the web");

    // The same address without its scheme, as the address list keeps the maker's.
    std::string bare = server.url("/hello.htm").substr(std::string("http://").size());
    open("about:blank");
    open(bare);
    EXPECT_EQ(browser().locationName(), "Hello from the web");
    EXPECT_EQ(browser().locationUrl(), server.url("/hello.htm"));
    EXPECT_EQ(server.requests(), 2);
}

TEST_F(BrowserViewTest, aWebPageOpenedAsTheLastOneCompletesLoadsToo)
{
    WebServer server;
    server.serve("/one.htm", "text/html", page("One"));
    server.serve("/two.htm", "text/html", page("Two"));
    browser().onDownloadComplete = [&] {
        ++form->completions;
        if (browser().locationName() == "One")
            browser().navigate(server.url("/two.htm"));
    };
    open(server.url("/one.htm"));
    EXPECT_EQ(browser().locationName(), "Two");
    EXPECT_EQ(form->completions, 2);
}

TEST_F(BrowserViewTest, stopEndsAWebLoadThatGetsNoAnswer)
{
    WebServer server;
    server.stall("/slow.htm");
    open(write("kept.htm", page("Kept")));
    const int before = form->completions;
    browser().navigate(server.url("/slow.htm"));
    ASSERT_TRUE(waitFor([&] { return server.requests() == 1; }));
    EXPECT_TRUE(browser().busy());
    browser().stop();
    EXPECT_FALSE(browser().busy());
    ASSERT_TRUE(waitFor([&] { return form->completions == before + 1; }));
    EXPECT_EQ(browser().locationName(), "Kept");
}

TEST_F(BrowserViewTest, webLoadThatGetsNoAnswerGivesUpWithAnErrorPage)
{
    WebServer server;
    server.stall("/slow.htm");
    view().navigator().setNetworkTimeout(300);
    open(server.url("/slow.htm"));
    EXPECT_EQ(browser().locationName(), "No answer");
}

TEST_F(BrowserViewTest, webPagesLargerThanTheLimitAreCutOffWithOrWithoutALength)
{
    WebServer server;
    const QByteArray huge(3 * 1024 * 1024, 'x');
    server.serve("/sized.htm", "text/html", huge, true);
    server.serve("/unsized.htm", "text/html", huge, false);
    open(server.url("/sized.htm"));
    EXPECT_EQ(browser().locationName(), "Page too large");
    open(server.url("/unsized.htm"));
    EXPECT_EQ(browser().locationName(), "Page too large");
}

} // namespace
