// Addresses a player might type that cannot be opened: each ends its load with an
// error page inside the view, within a bounded time, and leaves the view usable.
#include "BrowserTestSupport.h"

#include "qtplatform/help/PageContent.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTextDocument>

#include <sys/stat.h>
#include <unistd.h>

using namespace browsertest;

namespace {

struct BadAddress {
    const char* name;
    // Builds the address in the test's directory; may return "" to skip the case.
    std::function<std::string(const QTemporaryDir&)> address;
    const char* title;
    const char* detail = nullptr; // where the title alone does not tell the case
};

std::string inDir(const QTemporaryDir& dir, const char* name) { return dir.filePath(name).toStdString(); }

std::string writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return inDir(dir, name);
}

const std::vector<BadAddress>& badAddresses()
{
    static const std::vector<BadAddress> cases{
        {"Empty", [](const QTemporaryDir&) { return std::string(); }, "No address"},
        {"OnlySpaces", [](const QTemporaryDir&) { return std::string("   "); }, "No address"},
        {"MegabyteOfText", [](const QTemporaryDir&) { return std::string(1 << 20, 'w'); }, "Address too long"},
        {"Directory", [](const QTemporaryDir& dir) { return dir.path().toStdString(); }, "This is a folder"},
        {"DevZero", [](const QTemporaryDir&) { return std::string("/dev/zero"); }, "Not a page"},
        {"DevUrandom", [](const QTemporaryDir&) { return std::string("/dev/urandom"); }, "Not a page"},
        {"Fifo",
         [](const QTemporaryDir& dir) {
             return ::mkfifo(dir.filePath("pipe.htm").toLocal8Bit().constData(), 0600) == 0 ? inDir(dir, "pipe.htm")
                                                                                            : std::string();
         },
         "Not a page"},
        {"TwoHundredMegabyteFile",
         [](const QTemporaryDir& dir) {
             // Sparse: it takes no room on the disk, and is never read.
             QFile file(dir.filePath("huge.htm"));
             return file.open(QIODevice::WriteOnly) && file.resize(200LL * 1024 * 1024) ? inDir(dir, "huge.htm")
                                                                                        : std::string();
         },
         "Page too large"},
        {"BinaryFile",
         [](const QTemporaryDir& dir) {
             return writeFile(dir, "data.bin",
                              QByteArray("\x7f"
                                         "ELF\2\1\1\0\0\0",
                                         10));
         },
         "Not a page"},
        {"BinaryFileNamedAsPage",
         [](const QTemporaryDir& dir) { return writeFile(dir, "fake.htm", QByteArray("<html>\0\0\0\x01\x02", 11)); },
         "Not a page"},
        {"DeeplyNestedPage",
         [](const QTemporaryDir& dir) { return writeFile(dir, "deep.htm", QByteArray("<div>").repeated(200000)); },
         "Page too complex"},
        {"UnreadableFile",
         [](const QTemporaryDir& dir) {
             const std::string path = writeFile(dir, "secret.htm", "<title>Secret</title>");
             // Permissions do not stop the superuser: the case means nothing then.
             if (::geteuid() == 0 || ::chmod(path.c_str(), 0) != 0)
                 return std::string();
             return path;
         },
         "Page cannot be read"},
        {"SymlinkLoop",
         [](const QTemporaryDir& dir) {
             // The address exists; following it never ends.
             const QByteArray path = dir.filePath("loop.htm").toLocal8Bit();
             return ::symlink("loop.htm", path.constData()) == 0 ? inDir(dir, "loop.htm") : std::string();
         },
         "Page cannot be read", "This address exists, but it cannot be read."},
        {"MissingFile", [](const QTemporaryDir& dir) { return inDir(dir, "missing.htm"); }, "Page not found",
         "There is no page at this address."},
        {"MissingWindowsPath", [](const QTemporaryDir&) { return std::string("C:\\Games\\missing.htm"); },
         "Page not found"},
        {"JavascriptScheme", [](const QTemporaryDir&) { return std::string("javascript:alert('hi')"); },
         "Address not supported"},
        {"DataScheme", [](const QTemporaryDir&) { return std::string("data:text/html,<title>Data</title>"); },
         "Address not supported"},
        {"FtpScheme", [](const QTemporaryDir&) { return std::string("ftp://ftp.example.org/file.htm"); },
         "Address not supported"},
        {"UnknownScheme", [](const QTemporaryDir&) { return std::string("glimmer-x:somewhere"); },
         "Address not supported"},
        {"FileOnAnotherComputer", [](const QTemporaryDir&) { return std::string("file://server/share/page.htm"); },
         "Address not supported"},
        {"SpaceInHost", [](const QTemporaryDir&) { return std::string("http://exa mple.org/"); }, "Address not valid"},
        {"UnclosedBracket", [](const QTemporaryDir&) { return std::string("http://[::1/page.htm"); },
         "Address not valid"},
        {"SchemeWithoutHost", [](const QTemporaryDir&) { return std::string("http://"); }, "Address not valid"},
        {"PortOutOfRange", [](const QTemporaryDir&) { return std::string("http://example.org:99999/"); },
         "Address not valid"},
        {"ControlCharacter", [](const QTemporaryDir&) { return std::string("page\x01.htm"); }, "Address not valid"},
    };
    return cases;
}

class BadAddressTest : public ViewFixture, public ::testing::WithParamInterface<std::size_t> {
protected:
    void TearDown() override
    {
        // Let the temporary directory be removed whatever the case did to it.
        ::chmod(dir.filePath("secret.htm").toLocal8Bit().constData(), 0600);
        ViewFixture::TearDown();
    }
};

TEST_P(BadAddressTest, endsWithAnErrorPageAndLeavesTheViewUsable)
{
    const BadAddress& bad = badAddresses()[GetParam()];
    const std::string address = bad.address(dir);
    if (address.empty() && std::string(bad.name) != "Empty")
        GTEST_SKIP() << "cannot set this case up here";

    open(write("before.htm", page("Before")));
    const int before = form->completions;
    browser().navigate(address);
    ASSERT_TRUE(loadEnds(before));
    EXPECT_EQ(form->completions, before + 1);
    EXPECT_EQ(browser().locationName(), bad.title);
    if (bad.detail) {
        EXPECT_TRUE(view().toPlainText().contains(QString::fromUtf8(bad.detail))) << view().toPlainText().toStdString();
    }
    EXPECT_LT(view().toPlainText().size(), 2000) << "a short notice, not the content";
    EXPECT_TRUE(qtPlatform.boxes.empty()) << "no message box";

    // Back leads to the page before; the view goes on working.
    const int beforeBack = form->completions;
    browser().goBack();
    ASSERT_TRUE(loadEnds(beforeBack));
    EXPECT_EQ(browser().locationName(), "Before");
}

std::string badAddressName(const ::testing::TestParamInfo<std::size_t>& info)
{
    return badAddresses()[info.param].name;
}

INSTANTIATE_TEST_SUITE_P(Table, BadAddressTest, ::testing::Range<std::size_t>(0, badAddresses().size()),
                         badAddressName);

// Pages written to freeze or fill the program, served over the loopback interface:
// each is shown, within its budgets, or refused with an error page, and the event
// loop goes on turning once it is on display.
struct HostilePage {
    const char* name;
    std::function<QByteArray()> body; // served as text/html
    const char* title; // the view's title after loading it
    const char* link = nullptr; // followed from the page once it is shown
    qint64 pixels = 0; // at least this many pixels of pictures shown
};

QByteArray pngDataAddress(int width, int height)
{
    QImage picture(width, height, QImage::Format_Mono);
    picture.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return "data:image/png;base64," + png.toBase64();
}

const std::vector<HostilePage>& hostilePages()
{
    static const std::vector<HostilePage> cases{
        {"TablesNestedDeeply", [] { return QByteArray("<table border=1><tr><td>").repeated(17) + "x"; },
         "Page too complex"},
        {"SpaceBeforeTheName", [] { return QByteArray("< div>").repeated(1500); }, "Page too complex"},
        {"StrayEndTags", [] { return QByteArray("<div></x>").repeated(1500); }, "Page too complex"},
        {"ElementsQtNests", [] { return QByteArray("<wbr><source>").repeated(3000); }, "Page too complex"},
        {"NestedInAScript", [] { return "<script>" + QByteArray("<i>").repeated(5000) + "</script>"; },
         "Page too complex"},
        {"OneHugeWord", [] { return QByteArray(300000, 'w'); }, "Page too complex"},
        {"MuchText", [] { return QByteArray("many words ").repeated(60000); }, "Page too long"},
        {"ManyPictures", [] { return QByteArray("<img src=\"/img.png\">").repeated(5000); }, "Page too complex"},
        {"HugeDataPictures",
         [] {
             QByteArray page = "<title>Pictures</title>";
             for (int n = 0; n < 12; ++n)
                 page +=
                     "<img src=\"" + (n % 2 ? pngDataAddress(4000, 2000 - n) : pngDataAddress(2000 - n, 4000)) + "\">";
             return page;
         },
         "Pictures", nullptr, 4000 * 1900},
        {"DirectionOverrideInTitle", [] { return QByteArray("<title>\u202Eevil\u2066 \u202Cpage</title>"); },
         "evil page"},
        {"LinkToALocalFile", [] { return QByteArray("<title>Links</title>"); }, "Page cannot be shown",
         "file:///etc/passwd"},
        {"LinkToABarePath", [] { return QByteArray("<title>Links</title>"); }, "Page cannot be shown", "/etc/passwd"},
    };
    return cases;
}

class HostilePageTest : public ViewFixture, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(HostilePageTest, isShownWithinItsBudgetsOrRefused)
{
    const HostilePage& hostile = hostilePages()[GetParam()];
    WebServer server;
    server.serve("/page.htm", "text/html", hostile.body());
    open(server.url("/page.htm"));
    if (hostile.link) {
        const int before = form->completions;
        emit view().anchorClicked(QUrl(hostile.link));
        ASSERT_TRUE(loadEnds(before));
    }
    // Laid out and drawn, then the event loop turns again.
    view().grab();
    bool turned = false;
    QTimer::singleShot(0, &view(), [&turned] { turned = true; });
    ASSERT_TRUE(waitFor([&] { return turned; }));
    EXPECT_EQ(browser().locationName(), hostile.title);

    qint64 pixels = 0;
    for (const QTextFormat& format : view().document()->allFormats())
        if (format.isImageFormat()) {
            const QUrl name(format.toImageFormat().name());
            const QSize size = view().document()->resource(QTextDocument::ImageResource, name).value<QImage>().size();
            pixels += qint64(size.width()) * size.height();
        }
    EXPECT_LE(pixels, qtplatform::PagePicture::pagePixels);
    EXPECT_GE(pixels, hostile.pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, HostilePageTest, ::testing::Range<std::size_t>(0, hostilePages().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return hostilePages()[info.param].name;
                         });

class UnresolvableHostTest : public ViewFixture {};

TEST_F(UnresolvableHostTest, hostThatDoesNotResolveEndsWithAnErrorPage)
{
    // Whether the lookup fails at once or is given up, the load ends with an error page.
    view().navigator().setNetworkTimeout(5000);
    open("no-such-host.invalid");
    const std::string title = browser().locationName();
    EXPECT_TRUE(title == "Server not found" || title == "No answer") << title;
    EXPECT_EQ(browser().locationUrl(), "http://no-such-host.invalid/");
}

TEST(AddressTest, addressesAreReadAsPathsWebAddressesOrProblems)
{
    using Kind = qtplatform::PageTarget::Kind;
    struct Case {
        const char* address;
        Kind kind;
        const char* url;
    };
    const Case cases[] = {
        {"/opt/glimmerkin\\GameInstructions.htm", Kind::File, "file:///opt/glimmerkin/GameInstructions.htm"},
        {"file:///tmp/a%20b.htm", Kind::File, "file:///tmp/a b.htm"},
        {"file://localhost/tmp/a.htm", Kind::File, "file:///tmp/a.htm"},
        {"FILE://LocalHost/tmp/a.htm?x=1#top", Kind::File, "file:///tmp/a.htm"},
        {"file://Server/share/a.htm", Kind::Problem, ""},
        {"www.tallowbrook.example", Kind::Web, "http://www.tallowbrook.example/"},
        {"localhost:8080/x.htm", Kind::Web, "http://localhost:8080/x.htm"},
        {"example.org:8080", Kind::Web, "http://example.org:8080/"},
        {"HTTPS://Example.org/A", Kind::Web, "https://example.org/A"},
        {"about:blank", Kind::Blank, "about:blank"},
        {"mailto:someone@example.org", Kind::Problem, ""},
    };
    for (const Case& c : cases) {
        const auto target = qtplatform::PageTarget::resolve(QString::fromUtf8(c.address));
        EXPECT_EQ(target.kind, c.kind) << c.address;
        EXPECT_EQ(target.url.toString().toStdString(), c.url) << c.address;
    }
}

} // namespace
