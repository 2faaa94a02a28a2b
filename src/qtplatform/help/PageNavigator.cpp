#include "PageNavigator.h"

#include "ErrorPage.h"
#include "WebAccess.h"

#include <QTimer>
#include <QWidget>

namespace qtplatform {

namespace {

constexpr int maxRedirects = 5;

} // namespace

PageNavigator::PageNavigator(QWidget& view, Show show, std::function<void()> ended)
    : view_(view), show_(std::move(show)), ended_(std::move(ended))
{}

PageNavigator::~PageNavigator() { cancel(); }

void PageNavigator::navigate(const QString& address) { start(PageTarget::resolve(address), Commit::Push, -1); }

void PageNavigator::follow(const QUrl& link, const QUrl& from)
{
    start(PageTarget::forLink(link, from), Commit::Push, -1);
}

bool PageNavigator::moveInHistory(int step)
{
    // From the entry a Back or Forward under way is heading for, so that two quick
    // clicks move two entries.
    const int from = pending_ && pending_->commit == Commit::MoveTo ? pending_->historyIndex : history_.position();
    const int to = from + step;
    if (from < 0 || !history_.has(to))
        return false;
    start(history_.at(to), Commit::MoveTo, to);
    return true;
}

void PageNavigator::reload()
{
    if (history_.position() >= 0)
        start(history_.at(history_.position()), Commit::Stay, history_.position());
}

void PageNavigator::stop()
{
    if (!pending_)
        return;
    cancel();
    ended_();
}

void PageNavigator::cancel()
{
    ++generation_;
    pending_.reset();
    if (deadline_)
        deadline_->stop();
    reply_.reset();
    received_.clear();
}

void PageNavigator::start(const PageTarget& target, Commit commit, int historyIndex)
{
    cancel();
    pending_ = Pending{target, commit, historyIndex};
    if (target.kind == PageTarget::Kind::Web) {
        fetch();
        return;
    }
    // Even a local page loads after the caller has returned, as a web page does.
    const quint64 generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (pending_ && generation == generation_)
            loadLocal();
    });
}

void PageNavigator::loadLocal()
{
    const PageTarget& target = pending_->target;
    switch (target.kind) {
    case PageTarget::Kind::Blank: finish(RenderedPage::blank(target.url, target.asked)); return;
    case PageTarget::Kind::File: {
        QByteArray data;
        const platform::FileProblem problem = readPageFile(target.url.toLocalFile(), data);
        if (problem != platform::FileProblem::None)
            finish(ErrorPage::fileProblem(problem, target.asked, target.url));
        else
            finish(RenderedPage::fromContent(data, target.url, QString(), target.asked, view_.devicePixelRatioF()));
        return;
    }
    case PageTarget::Kind::Problem:
    case PageTarget::Kind::Web: break;
    }
    finish(ErrorPage::make(target.problem, target.detail, target.asked, target.url));
}

void PageNavigator::fetch()
{
    const PageTarget& target = pending_->target;
    if (!web_) {
        QString whyNot;
        web_ = WebAccess::create(this, &whyNot);
        if (!web_) {
            finish(ErrorPage::of(ErrorPage::Kind::NoWebModule, target.asked, target.url, whyNot));
            return;
        }
        deadline_ = new QTimer(this);
        deadline_->setSingleShot(true);
        connect(deadline_, &QTimer::timeout, this, [this] { abortFetch(Abort::NoAnswer); });
    }
    abort_ = Abort::None;
    WebRequest request;
    request.url = target.url;
    request.maxRedirects = maxRedirects;
    request.transferTimeoutMs = timeoutMs_;
    request.userAgent = QStringLiteral("Glimmerkin help browser");
    WebCallbacks callbacks;
    callbacks.metaDataChanged = [this] {
        if (reply_ && reply_->contentLength() > maxPageBytes)
            abortFetch(Abort::TooLarge);
    };
    callbacks.readyRead = [this] { readReply(); };
    callbacks.finished = [this] { fetchEnded(); };
    reply_ = web_->get(request, std::move(callbacks));
    deadline_->start(timeoutMs_);
}

void PageNavigator::readReply()
{
    if (!reply_)
        return;
    received_ += reply_->read(maxPageBytes + 1 - received_.size());
    if (received_.size() > maxPageBytes)
        abortFetch(Abort::TooLarge);
}

void PageNavigator::abortFetch(Abort why)
{
    if (!reply_)
        return;
    abort_ = why;
    reply_->abort();
    fetchEnded();
}

void PageNavigator::fetchEnded()
{
    if (!reply_ || !pending_)
        return;
    // Destroyed on leaving, which ends its callbacks.
    const std::unique_ptr<WebReply> reply = std::move(reply_);
    deadline_->stop();
    if (abort_ == Abort::None) {
        received_ += reply->read(maxPageBytes + 1 - received_.size());
        if (received_.size() > maxPageBytes)
            abort_ = Abort::TooLarge;
    }
    const QByteArray data = std::exchange(received_, {});
    finish(webPage(data, *reply));
}

RenderedPage PageNavigator::webPage(const QByteArray& data, const WebReply& reply) const
{
    const QString& asked = pending_->target.asked;
    const QUrl& url = pending_->target.url;
    switch (abort_) {
    case Abort::TooLarge: return ErrorPage::of(ErrorPage::Kind::TooLarge, asked, url);
    case Abort::NoAnswer: return ErrorPage::of(ErrorPage::Kind::NoAnswer, asked, url);
    case Abort::None: break;
    }
    // An HTTP error that comes with a page of its own shows that page.
    const WebReply::Failure failure = reply.failure();
    if (failure != WebReply::Failure::None && !(reply.isHttpAnswer() && !data.isEmpty())) {
        switch (failure) {
        case WebReply::Failure::HostNotFound:
            return ErrorPage::of(ErrorPage::Kind::ServerNotFound, asked, url, url.host());
        case WebReply::Failure::NoAnswer: return ErrorPage::of(ErrorPage::Kind::NoAnswer, asked, url);
        default: return ErrorPage::of(ErrorPage::Kind::LoadFailed, asked, url, reply.errorString());
        }
    }
    const QUrl answered = reply.url();
    const QString scheme = answered.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return ErrorPage::of(ErrorPage::Kind::RedirectedAway, asked, url);
    return RenderedPage::fromContent(data, answered, reply.contentType(), asked, view_.devicePixelRatioF());
}

void PageNavigator::finish(const RenderedPage& page)
{
    const Pending pending = std::move(*pending_);
    pending_.reset();
    ++generation_;
    switch (pending.commit) {
    case Commit::Push: history_.push(pending.target); break;
    case Commit::MoveTo: history_.moveTo(pending.historyIndex); break;
    case Commit::Stay: break;
    }
    show_(page, pending.commit == Commit::Stay);
    ended_();
}

void PageNavigator::History::push(const PageTarget& target)
{
    if (has(position_) && target.kind != PageTarget::Kind::Problem && at(position_).url == target.url) {
        entries_[static_cast<std::size_t>(position_)] = target;
        return;
    }
    entries_.resize(static_cast<std::size_t>(position_ + 1));
    entries_.push_back(target);
    if (entries_.size() > maxEntries)
        entries_.erase(entries_.begin());
    position_ = static_cast<int>(entries_.size()) - 1;
}

} // namespace qtplatform
