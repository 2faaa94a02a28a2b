#include "PageNavigator.h"

#include "ErrorPage.h"
#include "WebAccess.h"

#include <QTimer>
#include <QWidget>

namespace qtplatform {

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
    if (web_)
        web_->cancel();
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
    if (!web_) {
        QString whyNot;
        web_ = WebAccess::create(this, &whyNot);
        if (!web_) {
            finish(ErrorPage::of(ErrorPage::Kind::NoWebModule, pending_->target.asked, pending_->target.url, whyNot));
            return;
        }
    }
    const quint64 generation = generation_;
    web_->get(pending_->target.url, maxPageBytes, timeoutMs_, [this, generation](const WebAnswer& answer) {
        if (pending_ && generation == generation_)
            finish(webPage(answer));
    });
}

RenderedPage PageNavigator::webPage(const WebAnswer& answer) const
{
    const QString& asked = pending_->target.asked;
    const QUrl& url = pending_->target.url;
    switch (answer.failure) {
    case WebAnswer::Failure::None: break;
    case WebAnswer::Failure::TooLarge: return ErrorPage::of(ErrorPage::Kind::TooLarge, asked, url);
    case WebAnswer::Failure::NoAnswer: return ErrorPage::of(ErrorPage::Kind::NoAnswer, asked, url);
    case WebAnswer::Failure::HostNotFound:
        return ErrorPage::of(ErrorPage::Kind::ServerNotFound, asked, url, url.host());
    case WebAnswer::Failure::Other: return ErrorPage::of(ErrorPage::Kind::LoadFailed, asked, url, answer.errorString);
    }
    const QString scheme = answer.url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return ErrorPage::of(ErrorPage::Kind::RedirectedAway, asked, url);
    return RenderedPage::fromContent(answer.data, answer.url, answer.contentType, asked, view_.devicePixelRatioF());
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
