// The help browser of a program whose web module is missing: this test program is
// built where no copy of the module lies beside it. A web page ends with an error
// page that names the module and says what is wrong; pages on this computer still
// open. Beside it, what the loader says of a module file that is the wrong library.
#include "BrowserTestSupport.h"

#include "qtplatform/help/WebAccess.h"

#include <QDir>
#include <QLibraryInfo>

using namespace browsertest;

namespace {

class WebModuleMissing : public ViewFixture {};

TEST_F(WebModuleMissing, aWebPageEndsWithAnErrorPageAndLocalPagesStillOpen)
{
    WebServer server;
    server.serve("/page.htm", "text/html", page("Web"));
    const QString expected = QStringLiteral("Web pages cannot be opened here: the web module glimmerkin-web is "
                                            "missing from %1.")
                                 .arg(qtplatform::programDirectory());
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt == 0 ? "first web page" : "second web page");
        open(server.url("/page.htm"));
        EXPECT_EQ(browser().locationName(), "Page cannot be shown");
        EXPECT_TRUE(view().toPlainText().contains(expected)) << view().toPlainText().toStdString();
        EXPECT_EQ(server.requests(), 0);
    }
    open(write("local.htm", page("Local")));
    EXPECT_EQ(browser().locationName(), "Local");
    EXPECT_TRUE(qtPlatform.boxes.empty()) << "no message box";
}

// A directory holding `source` as the web module, or nothing.
QString moduleDirectory(const QTemporaryDir& dir, const QString& source)
{
    if (!source.isEmpty() && !QFile::copy(source, dir.filePath(QStringLiteral("glimmerkin-web.so"))))
        return {};
    return dir.path();
}

TEST(WebModuleLoad, aModuleFileThatIsTheWrongLibraryIsNamedWithWhatItLacks)
{
    const QString offscreen =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqoffscreen.so");
    struct Case {
        const char* name;
        QString source;
        QString reason; // %1: the module's file
    };
    const Case cases[] = {
        {"no file", QString(), QStringLiteral("the web module glimmerkin-web is missing from %1")},
        {"a library that is no plugin", QStringLiteral(GLIMMERKIN_WRONG_LIBRARY),
         QStringLiteral("the web module %1 is not a Qt plugin: it holds no plugin metadata")},
        {"another Qt plugin", offscreen,
         QStringLiteral(
             "the web module %1 is another Qt plugin (org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface"
             ".5.3), not the help browser's")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString directory = moduleDirectory(dir, c.source);
        ASSERT_FALSE(directory.isEmpty()) << "cannot copy " << c.source.toStdString();
        QString whyNot;
        EXPECT_EQ(qtplatform::WebModule::load(directory, &whyNot), nullptr);
        const QString file =
            c.source.isEmpty() ? directory : QDir(directory).filePath(QStringLiteral("glimmerkin-web.so"));
        EXPECT_EQ(whyNot.toStdString(), c.reason.arg(file).toStdString());
    }
}

TEST(WebModuleLoad, theBuiltModuleLoadsAndMakesAWebAccess)
{
    QString whyNot;
    qtplatform::WebModule* module = qtplatform::WebModule::load(QStringLiteral(GLIMMERKIN_BIN_DIR), &whyNot);
    ASSERT_NE(module, nullptr) << whyNot.toStdString();
    QObject owner;
    EXPECT_NE(module->createWebAccess(&owner), nullptr);
}

} // namespace
