// What the help browser's view makes of a page's bytes, its name and the server's
// content type, before any of it reaches Qt's HTML reader.
#include "qtplatform/help/PageContent.h"
#include "qtplatform/help/PageNavigator.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace {

using Kind = qtplatform::PageContent::Kind;

TEST(PageContentTest, kindComesFromTheNameTheServersTypeAndTheBytes)
{
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QByteArray elf("\x7f"
                         "ELF\2\1\1\0\0\0",
                         10);
    struct Case {
        const char* name;
        QByteArray data;
        const char* fileName;
        const char* mimeType;
        Kind kind;
    };
    const Case cases[] = {
        {"page by its name", "<p>Hello</p>", "a.htm", "", Kind::Html},
        {"xhtml by its name", "<p>Hello</p>", "a.xhtml", "", Kind::Html},
        {"page without a suffix, by its bytes", "<!DOCTYPE html><html><body>x</body></html>", "welcome", "",
         Kind::Html},
        {"text by its name", "one < two & three", "notes.txt", "", Kind::Text},
        {"unknown text on this computer", "just words", "notes.zz9", "", Kind::Text},
        {"picture by its name", png, "red.png", "", Kind::Picture},
        {"picture without a suffix, by its bytes", png, "red", "", Kind::Picture},
        {"drawing by its name", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>", "a.svg", "", Kind::Picture},
        {"program", elf, "data.bin", "", Kind::Other},
        {"binary named as a page", QByteArray("<html>\0\0\0\x01\x02", 11), "fake.htm", "", Kind::Other},
        {"server's html, whatever the name", "<p>x</p>", "x.txt", "text/html; charset=utf-8", Kind::Html},
        {"server's plain text holding html", "<html><body>x</body></html>", "x", "text/plain", Kind::Text},
        {"server's picture", png, "x.htm", "IMAGE/PNG", Kind::Picture},
        {"server's unknown text type", "words", "x", "text/x-glimmer", Kind::Text},
        {"server's catch-all type holding a page", "<html><body>x</body></html>", "x", "application/octet-stream",
         Kind::Html},
        {"server's binary type", "%PDF-1.4 words", "x.pdf", "application/pdf", Kind::Other},
        {"UTF-16 text with a byte-order mark", QByteArray("\xFF\xFEh\0i\0", 6), "u.txt", "", Kind::Text},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            qtplatform::PageContent::classify(c.data, QString::fromUtf8(c.fileName), QString::fromUtf8(c.mimeType)),
            c.kind)
            << c.name;
}

TEST(PageContentTest, controlCharactersMakeBinaryBeyondATenth)
{
    EXPECT_FALSE(qtplatform::PageContent::looksBinary("line\tone\r\nline\ftwo\x1b[0m"));
    EXPECT_FALSE(qtplatform::PageContent::looksBinary(QByteArray("\x01") + QByteArray(20, 'a')));
    EXPECT_TRUE(qtplatform::PageContent::looksBinary(QByteArray("\x01\x02\x03") + QByteArray(20, 'a')));
    EXPECT_TRUE(qtplatform::PageContent::looksBinary(QByteArray("text\0", 5)));
}

TEST(PageContentTest, nestingIsCountedAsQtsReaderTakesTheElements)
{
    namespace PageContent = qtplatform::PageContent;
    EXPECT_FALSE(PageContent::tooComplex(QString("<div>").repeated(1000)));
    EXPECT_TRUE(PageContent::tooComplex(QString("<div>").repeated(1001)));
    EXPECT_FALSE(PageContent::tooComplex(QString("<div></div>").repeated(5000)));
    EXPECT_FALSE(PageContent::tooComplex(QString("<p>").repeated(5000))) << "a paragraph ends the one before";
    EXPECT_FALSE(PageContent::tooComplex(QString("<ul><li>a<li>b</ul>").repeated(3000)));
    EXPECT_TRUE(PageContent::tooComplex(QString("<br>").repeated(20001)));
    EXPECT_TRUE(PageContent::tooComplex(QString("<DIV class=x>").repeated(1001)));
    EXPECT_TRUE(PageContent::tooComplex(QString("<div></ div>").repeated(1001))) << "Qt ends nothing there";
    EXPECT_FALSE(PageContent::tooComplex("<!--" + QString("<div>").repeated(2000) + "-->"));
    EXPECT_FALSE(PageContent::tooComplex(QString("<div><b>x</div>").repeated(3000))) << "ends the open b too";
}

TEST(PageContentTest, tablesAndWordsAreWeighedInTheDocumentQtRead)
{
    namespace PageContent = qtplatform::PageContent;
    using Layout = PageContent::Layout;
    struct Case {
        QString html;
        Layout weight;
    };
    const Case cases[] = {
        {QString("<table><tr><td>").repeated(8), Layout::Fits},
        {QString("<table><tr><td>").repeated(9), Layout::TooComplex},
        {"<table><tr>" + QString("<td>x").repeated(5001) + "</table>", Layout::TooComplex},
        {QString(32000, 'w'), Layout::TooComplex},
        {(QString(9999, 'w') + " ").repeated(10), Layout::Fits},
        {(QString(10000, 'w') + " ").repeated(11), Layout::TooComplex},
        {QString("a&nbsp;").repeated(20000), Layout::TooComplex},
        {QString("words and ").repeated(50001), Layout::TooLong},
    };
    for (const Case& c : cases) {
        QTextDocument document;
        document.setHtml(c.html);
        EXPECT_EQ(PageContent::weigh(document), c.weight) << c.html.left(60).toStdString();
    }
}

TEST(PageHistoryTest, keepsTheNewestEntriesAndTheSameAddressTakesTheEntrysPlace)
{
    using qtplatform::PageTarget;
    qtplatform::PageNavigator::History history;
    EXPECT_EQ(history.position(), -1);
    auto page = [](int n) { return PageTarget::resolve(QStringLiteral("/pages/%1.htm").arg(n)); };
    for (int n = 0; n < 150; ++n)
        history.push(page(n));
    EXPECT_EQ(history.position(), int(qtplatform::PageNavigator::History::maxEntries) - 1);
    EXPECT_EQ(history.at(0).url, page(50).url);
    EXPECT_FALSE(history.has(history.position() + 1));

    history.push(page(149));
    EXPECT_EQ(history.position(), 99) << "the page on display again";
    history.moveTo(10);
    history.push(page(7));
    EXPECT_EQ(history.position(), 11);
    EXPECT_FALSE(history.has(12)) << "what lay ahead is dropped";
    // An error page is an entry of its own even at the same address.
    PageTarget problem = page(7);
    problem.kind = PageTarget::Kind::Problem;
    history.push(problem);
    EXPECT_EQ(history.position(), 12);
}

TEST(PagePictureTest, drawingsAreKnownByNameOrBytesAndKeptWithinTheLargestSide)
{
    namespace PagePicture = qtplatform::PagePicture;
    const QByteArray drawing("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\">"
                             "<rect width=\"40\" height=\"20\" fill=\"red\"/></svg>");
    EXPECT_EQ(PagePicture::decode(drawing, "a.svg", 1.0).size(), QSize(40, 20));
    EXPECT_EQ(PagePicture::decode(drawing, "drawing", 2.0).size(), QSize(80, 40)) << "drawn, known by its bytes";
    EXPECT_EQ(PagePicture::decode(drawing, "a.svg", 2.0).size(), QSize(80, 40));

    const QByteArray huge("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"50000\"/>");
    const QImage scaled = PagePicture::decode(huge, "huge.svg", 1.0);
    EXPECT_EQ(scaled.size(), QSize(PagePicture::maxSide, PagePicture::maxSide / 2));

    EXPECT_TRUE(PagePicture::decode(QByteArray("\x89PNG\r\n\x1a\n broken", 16), "red.png", 1.0).isNull());
}

} // namespace
