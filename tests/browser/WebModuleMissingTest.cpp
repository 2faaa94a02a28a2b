// The help browser of a program whose web module is missing: this test program is
// built where no copy of the module lies beside it. A web page ends with an error
// page that says so; pages on this computer still open.
#include "BrowserTestSupport.h"

using namespace browsertest;

namespace {

class WebModuleMissing : public ViewFixture {};

TEST_F(WebModuleMissing, aWebPageEndsWithAnErrorPageAndLocalPagesStillOpen)
{
    WebServer server;
    server.serve("/page.htm", "text/html", page("Web"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt == 0 ? "first web page" : "second web page");
        open(server.url("/page.htm"));
        EXPECT_EQ(browser().locationName(), "Page cannot be shown");
        EXPECT_TRUE(view().toPlainText().contains(QStringLiteral("Web pages cannot be opened here")))
            << view().toPlainText().toStdString();
        EXPECT_EQ(server.requests(), 0);
    }
    open(write("local.htm", page("Local")));
    EXPECT_EQ(browser().locationName(), "Local");
    EXPECT_TRUE(qtPlatform.boxes.empty()) << "no message box";
}

} // namespace
