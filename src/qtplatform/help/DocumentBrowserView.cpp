#include "DocumentBrowserView.h"

#include "ErrorPage.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/RuntimeError.h"
#include "qtplatform/Conversions.h"

#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>

namespace qtplatform {

namespace {

constexpr qsizetype maxTitleLength = 200;

// The control's peer, which the control owns and which reports to it the end of each
// load; the view is the window's child and may go first.
class DocumentBrowserPeer : public platform::BrowserPeer {
public:
    DocumentBrowserPeer(platform::Browser& control, DocumentBrowserView* view)
        : view_(view), ended_(QObject::connect(&view->navigator(), &PageNavigator::ended,
                                               [&control] { control.raiseDownloadComplete(); }))
    {}
    ~DocumentBrowserPeer() override
    {
        QObject::disconnect(ended_);
        if (view_)
            view_->navigator().cancel();
    }
    void navigate(const std::string& address) override
    {
        if (view_)
            view_->navigator().navigate(toQString(address));
    }
    void goBack() override { moveInHistory(-1); }
    void goForward() override { moveInHistory(+1); }
    void refresh() override
    {
        if (view_)
            view_->navigator().reload();
    }
    void stop() override
    {
        if (view_)
            view_->navigator().stop();
    }
    bool busy() const override { return view_ && view_->navigator().isBusy(); }
    std::string locationName() const override { return view_ ? toStdString(view_->currentName()) : std::string(); }
    std::string locationUrl() const override { return view_ ? toStdString(view_->currentUrl()) : std::string(); }

private:
    // Raises platform::RuntimeError when there is no page to go to; the page on
    // display stays.
    void moveInHistory(int step)
    {
        if (view_ && !view_->navigator().moveInHistory(step))
            throw platform::RuntimeError(platform::errors::unspecified,
                                         step < 0 ? TR_TEXT("RuntimeError", "There is no page to go back to")
                                                  : TR_TEXT("RuntimeError", "There is no page to go forward to"));
    }

    QPointer<DocumentBrowserView> view_;
    QMetaObject::Connection ended_;
};

} // namespace

std::unique_ptr<platform::BrowserPeer> createDocumentBrowser(platform::Browser& control, QWidget& window)
{
    return std::make_unique<DocumentBrowserPeer>(control, new DocumentBrowserView(control, &window));
}

DocumentBrowserView::DocumentBrowserView(platform::Browser& control, QWidget* window)
    : ControlWidget(control, window), navigator_(*this)
{
    connect(&navigator_, &PageNavigator::pageReady, this, &DocumentBrowserView::show);
    setOpenLinks(false);
    // The page too, as the frame and scroll bars: the window's cross-hair is its own surface's only.
    viewport()->setCursor(Qt::ArrowCursor);
    attach();
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl url = link.isRelative() ? pageUrl_.resolved(link) : link;
        if (url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == pageUrl_.adjusted(QUrl::RemoveFragment))
            scrollToAnchor(url.fragment());
        else
            navigator_.follow(url, pageUrl_);
    });
    // Its place in the tab order: before the next tab stop of the window.
    const auto takesFocus = [](const platform::Control& other) {
        const auto* widget = dynamic_cast<const QWidget*>(other.peer());
        return widget && (widget->focusPolicy() & Qt::TabFocus);
    };
    if (const platform::Control* next = nextInTabOrder(control.form().controls(), control.style().tabIndex, takesFocus))
        QWidget::setTabOrder(this, dynamic_cast<QWidget*>(next->peer()));
}

void DocumentBrowserView::show(const RenderedPage& page, bool reload)
{
    const bool samePlace = reload && page.url == pageUrl_;
    const int scroll = verticalScrollBar()->value();
    pageUrl_ = page.url;
    pageAsked_ = page.asked;
    picturePixelsLeft_ = PagePicture::pagePixels - qint64(page.image.width()) * page.image.height();
    // Read into a document of its own, which has no layout yet, and checked there
    // before the view lays it out.
    auto* document = new QTextDocument(this);
    document->setDefaultFont(font());
    document->setDocumentMargin(this->document()->documentMargin());
    document->setBaseUrl(page.url);
    if (!page.image.isNull())
        document->addResource(QTextDocument::ImageResource, page.url, page.image);
    if (page.plainText)
        document->setPlainText(page.html);
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
        title = page.url.fileName(QUrl::PrettyDecoded);
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
    if (type == QTextDocument::ImageResource) {
        // All the pictures of a page, those in data: addresses among them, share one
        // budget of pixels; the document would decode a data: address by itself.
        if (url.scheme() == u"data")
            return pagePicture(PagePicture::dataOf(url), QString());
    }
    // A picture or style sheet beside a page on this computer.
    QByteArray data;
    const bool read = (type == QTextDocument::ImageResource || type == QTextDocument::StyleSheetResource) &&
                      pageUrl_.isLocalFile() && url.isLocalFile() &&
                      readPageFile(url.toLocalFile(), data) == platform::FileProblem::None;
    if (type == QTextDocument::ImageResource)
        return read ? pagePicture(data, url.fileName()) : PagePicture::missing();
    if (type == QTextDocument::StyleSheetResource && read && !PageContent::looksBinary(data))
        return PageContent::decodeText(data);
    return QString();
}

} // namespace qtplatform
