#include "DocumentBrowserView.h"

#include "ErrorPage.h"
#include "PageContent.h"
#include "PagePicture.h"
#include "RenderedPage.h"
#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/RuntimeError.h"
#include "qtplatform/Conversions.h"
#include "qtplatform/widgets/ControlWidget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>

namespace qtplatform {

namespace {

constexpr qsizetype maxTitleLength = 200;

} // namespace

DocumentBrowserView::DocumentBrowserView(platform::Browser& control, QWidget* parent)
    : ControlWidget(control, parent), control_(control),
      navigator_(
          *this, [this](const RenderedPage& page, bool reload) { show(page, reload); },
          [this] {
              if (!released_)
                  control_.raiseDownloadComplete();
          })
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    // The frame and scroll bars too: the window's cross-hair is its own surface's only.
    setCursor(Qt::ArrowCursor);
    viewport()->setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    control_.attach(this);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { followLink(link); });
}

DocumentBrowserView::~DocumentBrowserView() { release(); }

void DocumentBrowserView::propertyChanged(platform::Property property) { applyCommon(this, control_, property); }

void DocumentBrowserView::release()
{
    released_ = true;
    navigator_.cancel();
}

void DocumentBrowserView::followLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? pageUrl_.resolved(link) : link;
    if (url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == pageUrl_.adjusted(QUrl::RemoveFragment)) {
        scrollToAnchor(url.fragment());
        return;
    }
    navigator_.follow(url, pageUrl_);
}

void DocumentBrowserView::goBack() { moveInHistory(-1); }

void DocumentBrowserView::goForward() { moveInHistory(+1); }

void DocumentBrowserView::moveInHistory(int step)
{
    if (!navigator_.moveInHistory(step))
        throw platform::RuntimeError(platform::errors::unspecified,
                                     step < 0 ? TR_TEXT("RuntimeError", "There is no page to go back to")
                                              : TR_TEXT("RuntimeError", "There is no page to go forward to"));
}

void DocumentBrowserView::backward() { navigator_.moveInHistory(-1); }

void DocumentBrowserView::forward() { navigator_.moveInHistory(+1); }

void DocumentBrowserView::reload() { navigator_.reload(); }

std::string DocumentBrowserView::currentName() const { return toStdString(pageTitle_); }

std::string DocumentBrowserView::currentUrl() const
{
    return toStdString(pageUrl_.isEmpty() ? pageAsked_ : pageUrl_.toString());
}

void DocumentBrowserView::show(const RenderedPage& page, bool reload)
{
    const bool samePlace = reload && page.url == pageUrl_;
    const int scroll = verticalScrollBar()->value();
    pageUrl_ = page.url;
    pageAsked_ = page.asked;
    pageImage_ = page.image;
    picturePixelsLeft_ = PagePicture::pagePixels - qint64(page.image.width()) * page.image.height();
    // Read into a document of its own, which has no layout yet, and checked there
    // before the view lays it out.
    auto* document = new QTextDocument(this);
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font());
    document->setDocumentMargin(this->document()->documentMargin());
    document->setBaseUrl(page.url);
    if (page.plainText)
        document->setPlainText(page.text);
    else
        document->setHtml(page.html);
    if (const PageContent::Layout weight = PageContent::weigh(*document); weight != PageContent::Layout::Fits) {
        delete document;
        const auto kind =
            weight == PageContent::Layout::TooLong ? ErrorPage::Kind::TooLong : ErrorPage::Kind::TooComplex;
        show(ErrorPage::of(kind, page.asked, page.url), reload);
        return;
    }
    // The document shown before is the view's child and goes with the pictures it
    // had loaded.
    setDocument(document);
    QString title = page.title.isEmpty() ? documentTitle().simplified() : page.title;
    if (title.isEmpty())
        title = QFileInfo(page.url.path()).fileName();
    if (title.isEmpty())
        title = page.url.host();
    if (title.isEmpty())
        title = page.url.isEmpty() ? page.asked : page.url.toString();
    pageTitle_ = shortened(title, maxTitleLength);
    if (samePlace)
        QTimer::singleShot(0, this, [this, scroll] { verticalScrollBar()->setValue(scroll); });
}

QImage DocumentBrowserView::pagePicture(const QByteArray& data, const QString& fileName)
{
    const QImage image = PagePicture::decode(data, fileName, devicePixelRatioF(), picturePixelsLeft_);
    if (image.isNull())
        return PagePicture::missing();
    picturePixelsLeft_ -= qint64(image.width()) * image.height();
    return image;
}

QVariant DocumentBrowserView::loadResource(int type, const QUrl& name)
{
    // Every answer is a value, even for a resource that is refused: given nothing,
    // the document would read the file itself, with no limit.
    const QUrl url = name.isRelative() ? pageUrl_.resolved(name) : name;
    const bool localPage = pageUrl_.isLocalFile();
    if (type == QTextDocument::ImageResource) {
        // All the pictures of a page, those in data: addresses among them, share one
        // budget of pixels; the document would decode a data: address by itself.
        if (url.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
            return pagePicture(PagePicture::dataOf(url), QString());
        if (url == pageUrl_ && !pageImage_.isNull())
            return pageImage_;
        if (localPage && url.isLocalFile()) {
            QByteArray data;
            if (readPageFile(url.toLocalFile(), data) == sound::FileProblem::None)
                return pagePicture(data, url.fileName());
        }
        return PagePicture::missing();
    }
    if (type == QTextDocument::StyleSheetResource && localPage && url.isLocalFile()) {
        QByteArray data;
        if (readPageFile(url.toLocalFile(), data) == sound::FileProblem::None && !PageContent::looksBinary(data))
            return PageContent::decodeText(data);
    }
    return QString();
}

} // namespace qtplatform
