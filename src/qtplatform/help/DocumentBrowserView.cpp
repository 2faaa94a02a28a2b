#include "DocumentBrowserView.h"

#include "PageContent.h"
#include "PagePicture.h"
#include "RenderedPage.h"
#include "platform/Basics.h"
#include "platform/Control.h"
#include "qtplatform/Conversions.h"
#include "qtplatform/widgets/PeerSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QTimer>

namespace qtplatform {

namespace {

constexpr qsizetype maxTitleLength = 200;

} // namespace

DocumentBrowserView::DocumentBrowserView(platform::Browser& control, QWidget* parent)
    : QTextBrowser(parent), control_(control),
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
    navigator_.follow(url);
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
    // Clearing drops the pictures the previous page had loaded.
    document()->clear();
    pageUrl_ = page.url;
    pageAsked_ = page.asked;
    pageImage_ = page.image;
    document()->setBaseUrl(page.url);
    if (page.plainText)
        setPlainText(page.text);
    else
        setHtml(page.html);
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

QVariant DocumentBrowserView::loadResource(int type, const QUrl& name)
{
    // Every answer is a value, even for a resource that is refused: given nothing,
    // the document would read the file itself, with no limit.
    const QUrl url = name.isRelative() ? pageUrl_.resolved(name) : name;
    const bool localPage = pageUrl_.isLocalFile();
    if (type == QTextDocument::ImageResource) {
        if (url.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
            return {}; // decoded by the document from the address itself
        if (url == pageUrl_ && !pageImage_.isNull())
            return pageImage_;
        if (localPage && url.isLocalFile()) {
            QByteArray data;
            if (readPageFile(url.toLocalFile(), data) == sound::FileProblem::None) {
                const QImage image = PagePicture::decode(data, url.fileName(), devicePixelRatioF());
                if (!image.isNull())
                    return image;
            }
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
