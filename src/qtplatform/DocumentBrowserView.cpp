#include "DocumentBrowserView.h"

#include "PageContent.h"
#include "PageFile.h"
#include "PagePicture.h"
#include "Conversions.h"
#include "PeerSupport.h"
#include "RenderedPage.h"
#include "WebAccess.h"
#include "platform/Basics.h"
#include "platform/Control.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QTimer>

namespace qtplatform {

namespace {

constexpr qsizetype MaxTitleLength = 200;
constexpr std::size_t MaxHistory = 100;
constexpr int MaxRedirects = 5;

// The error the browser control raises when there is no page to go back or forward to.
constexpr int NoPageError = -2147467259;

} // namespace

DocumentBrowserView::Target DocumentBrowserView::resolveAddress(const QString& address)
{
    return PageTarget::resolve(address);
}

DocumentBrowserView::DocumentBrowserView(platform::Browser& control, QWidget* parent)
    : QTextBrowser(parent), control_(control)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    viewport()->setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    control_.attach(this);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { followLink(link); });
}

DocumentBrowserView::~DocumentBrowserView()
{
    released_ = true;
    cancelLoad();
}

void DocumentBrowserView::propertyChanged(platform::Property property) { applyCommon(this, control_, property); }

void DocumentBrowserView::release()
{
    released_ = true;
    cancelLoad();
}

void DocumentBrowserView::navigateTo(const std::string& address)
{
    startLoad(resolveAddress(toQString(address)), Commit::Push, -1);
}

void DocumentBrowserView::followLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? pageUrl_.resolved(link) : link;
    if (url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == pageUrl_.adjusted(QUrl::RemoveFragment)) {
        scrollToAnchor(url.fragment());
        return;
    }
    startLoad(PageTarget::forUrl(url.toString(), url), Commit::Push, -1);
}

void DocumentBrowserView::goBack() { moveInHistory(-1); }

void DocumentBrowserView::goForward() { moveInHistory(+1); }

void DocumentBrowserView::moveInHistory(int step)
{
    // From the entry a Back or Forward under way is heading for, so that two quick
    // clicks move two entries.
    const int from = pending_ && pending_->commit == Commit::MoveTo ? pending_->historyIndex : position_;
    const int to = from + step;
    if (from < 0 || to < 0 || to >= static_cast<int>(history_.size()))
        throw platform::RuntimeError(NoPageError, step < 0
                                                      ? TR_TEXT("RuntimeError", "There is no page to go back to")
                                                      : TR_TEXT("RuntimeError", "There is no page to go forward to"));
    startLoad(history_[static_cast<std::size_t>(to)], Commit::MoveTo, to);
}

void DocumentBrowserView::reloadPage()
{
    if (position_ >= 0)
        startLoad(history_[static_cast<std::size_t>(position_)], Commit::Stay, position_);
}

void DocumentBrowserView::backward()
{
    try {
        goBack();
    } catch (const platform::RuntimeError&) {
    }
}

void DocumentBrowserView::forward()
{
    try {
        goForward();
    } catch (const platform::RuntimeError&) {
    }
}

void DocumentBrowserView::reload() { reloadPage(); }

void DocumentBrowserView::stopLoading()
{
    if (!pending_)
        return;
    cancelLoad();
    reportComplete();
}

std::string DocumentBrowserView::currentName() const { return toStdString(pageTitle_); }

std::string DocumentBrowserView::currentUrl() const
{
    return toStdString(pageUrl_.isEmpty() ? pageAsked_ : pageUrl_.toString());
}

void DocumentBrowserView::startLoad(const Target& target, Commit commit, int historyIndex)
{
    cancelLoad();
    pending_ = Pending{target, commit, historyIndex};
    if (target.kind == Target::Kind::Web) {
        startWebLoad();
        return;
    }
    // Even a local page loads after the caller has returned, as a web page does.
    const quint64 generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (pending_ && generation == generation_)
            loadLocal();
    });
}

void DocumentBrowserView::cancelLoad()
{
    ++generation_;
    pending_.reset();
    if (deadline_)
        deadline_->stop();
    reply_.reset();
    received_.clear();
}

void DocumentBrowserView::loadLocal()
{
    const Target& target = pending_->target;
    switch (target.kind) {
    case Target::Kind::Blank: {
        finish(RenderedPage::blank(target.url, target.asked));
        return;
    }
    case Target::Kind::File: {
        QByteArray data;
        const sound::FileProblem problem = readPageFile(target.url.toLocalFile(), data);
        if (problem != sound::FileProblem::None)
            finish(RenderedPage::fileError(problem, target.asked, target.url));
        else
            finish(RenderedPage::fromContent(data, target.url, QString(), target.asked, devicePixelRatioF()));
        return;
    }
    case Target::Kind::Problem:
    case Target::Kind::Web:
        break;
    }
    finish(RenderedPage::error(target.problem, target.detail, target.asked, target.url));
}

void DocumentBrowserView::startWebLoad()
{
    const Target& target = pending_->target;
    if (!web_) {
        QString whyNot;
        web_ = WebAccess::create(this, &whyNot);
        if (!web_) {
            finish(RenderedPage::error(
                QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView", "Web pages cannot be opened here: %1.")
                    .arg(shortened(whyNot, ShownAddressLength)),
                target.asked, target.url));
            return;
        }
        deadline_ = new QTimer(this);
        deadline_->setSingleShot(true);
        connect(deadline_, &QTimer::timeout, this, [this] {
            abortWeb(QCoreApplication::translate("DocumentBrowserView", "No answer"),
                     QCoreApplication::translate("DocumentBrowserView", "The server did not answer in time."));
        });
    }
    WebRequest request;
    request.url = target.url;
    request.maxRedirects = MaxRedirects;
    request.transferTimeoutMs = networkTimeoutMs_;
    request.userAgent = QStringLiteral("Glimmerkin help browser");
    abortProblem_.clear();
    abortDetail_.clear();
    received_.clear();
    WebCallbacks callbacks;
    callbacks.metaDataChanged = [this] {
        if (reply_ && reply_->contentLength() > MaxPageBytes)
            abortWeb(RenderedPage::tooLargeTitle(), RenderedPage::tooLargeDetail());
    };
    callbacks.readyRead = [this] { readReply(); };
    callbacks.finished = [this] { replyFinished(); };
    reply_ = web_->get(request, std::move(callbacks));
    deadline_->start(networkTimeoutMs_);
}

void DocumentBrowserView::readReply()
{
    if (!reply_)
        return;
    received_ += reply_->read(MaxPageBytes + 1 - received_.size());
    if (received_.size() > MaxPageBytes)
        abortWeb(RenderedPage::tooLargeTitle(), RenderedPage::tooLargeDetail());
}

void DocumentBrowserView::abortWeb(const QString& problem, const QString& detail)
{
    if (!reply_)
        return;
    abortProblem_ = problem;
    abortDetail_ = detail;
    reply_->abort();
    replyFinished();
}

void DocumentBrowserView::replyFinished()
{
    if (!reply_ || !pending_)
        return;
    // Destroyed on leaving, which ends its callbacks.
    const std::unique_ptr<WebReply> reply = std::move(reply_);
    deadline_->stop();
    const Target& target = pending_->target;
    if (abortProblem_.isEmpty()) {
        received_ += reply->read(MaxPageBytes + 1 - received_.size());
        if (received_.size() > MaxPageBytes) {
            abortProblem_ = RenderedPage::tooLargeTitle();
            abortDetail_ = RenderedPage::tooLargeDetail();
        }
    }
    const QByteArray data = std::exchange(received_, {});
    if (!abortProblem_.isEmpty()) {
        finish(RenderedPage::error(abortProblem_, abortDetail_, target.asked, target.url));
        return;
    }
    const WebReply::Failure failure = reply->failure();
    if (failure != WebReply::Failure::None && !(reply->isHttpAnswer() && !data.isEmpty())) {
        switch (failure) {
        case WebReply::Failure::HostNotFound:
            finish(RenderedPage::error(
                QCoreApplication::translate("DocumentBrowserView", "Server not found"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "The server %1 cannot be found. Check the address, and your connection "
                                            "to the Internet.")
                    .arg(shortened(target.url.host(), 100)),
                target.asked, target.url));
            return;
        case WebReply::Failure::NoAnswer:
            finish(RenderedPage::error(
                QCoreApplication::translate("DocumentBrowserView", "No answer"),
                QCoreApplication::translate("DocumentBrowserView", "The server did not answer in time."), target.asked,
                target.url));
            return;
        default:
            finish(RenderedPage::error(
                QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
                QCoreApplication::translate("DocumentBrowserView", "The page could not be loaded: %1.")
                    .arg(shortened(reply->errorString(), ShownAddressLength)),
                target.asked, target.url));
            return;
        }
    }
    const QUrl url = reply->url();
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        finish(RenderedPage::error(
            QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "The server sent the browser to an address it does not open."),
            target.asked, target.url));
        return;
    }
    finish(RenderedPage::fromContent(data, url, reply->contentType(), target.asked, devicePixelRatioF()));
}

void DocumentBrowserView::finish(const RenderedPage& page)
{
    const Pending pending = std::move(*pending_);
    pending_.reset();
    ++generation_;
    switch (pending.commit) {
    case Commit::Push: {
        const bool samePage = position_ >= 0 && pending.target.kind != Target::Kind::Problem &&
                              history_[static_cast<std::size_t>(position_)].url == pending.target.url;
        if (samePage) {
            history_[static_cast<std::size_t>(position_)] = pending.target;
            break;
        }
        history_.resize(static_cast<std::size_t>(position_ + 1));
        history_.push_back(pending.target);
        if (history_.size() > MaxHistory)
            history_.erase(history_.begin());
        position_ = static_cast<int>(history_.size()) - 1;
        break;
    }
    case Commit::MoveTo: position_ = pending.historyIndex; break;
    case Commit::Stay: break;
    }
    const bool reloaded = pending.commit == Commit::Stay && page.url == pageUrl_;
    const int scroll = verticalScrollBar()->value();
    display(page);
    if (reloaded)
        QTimer::singleShot(0, this, [this, scroll] { verticalScrollBar()->setValue(scroll); });
    reportComplete();
}

void DocumentBrowserView::display(const RenderedPage& page)
{
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
    pageTitle_ = shortened(title, MaxTitleLength);
}

void DocumentBrowserView::reportComplete()
{
    if (!released_)
        control_.raiseDownloadComplete();
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
