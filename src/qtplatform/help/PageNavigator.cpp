#include "PageNavigator.h"

#include "ErrorPage.h"
#include "WebAccess.h"
#include "platform/FileAddress.h"
#include "qtplatform/QtPlatform.h"

#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <string>

namespace qtplatform {

namespace {

constexpr qsizetype maxAddressLength = 8192;

PageTarget makeTarget(PageTarget::Kind kind, const QUrl& url, const QString& asked)
{
    return {kind, url, shortened(asked, shownAddressLength), {}, {}};
}

PageTarget problemTarget(const QString& asked, ErrorPage::Kind problem, const QString& argument = {},
                         const QUrl& url = {})
{
    return {PageTarget::Kind::Problem, url, shortened(asked, shownAddressLength), problem, argument};
}

// An address already parsed, such as a followed link.
PageTarget forUrl(const QString& asked, QUrl url)
{
    if (!url.isValid())
        return problemTarget(asked, ErrorPage::Kind::NotValid);
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return problemTarget(asked, ErrorPage::Kind::NotValid);
        if (url.path().isEmpty())
            url.setPath(QStringLiteral("/"));
        return makeTarget(PageTarget::Kind::Web, url, asked);
    }
    if (url.isLocalFile()) {
        if (!url.host().isEmpty() && url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
            return problemTarget(asked, ErrorPage::Kind::OtherComputer);
        url.setHost(QString());
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            return problemTarget(asked, ErrorPage::Kind::NotValid);
        return makeTarget(PageTarget::Kind::File, QUrl::fromLocalFile(path), asked);
    }
    if (scheme == QLatin1String("about") && url.path().compare(QLatin1String("blank"), Qt::CaseInsensitive) == 0)
        return makeTarget(PageTarget::Kind::Blank, QUrl(QStringLiteral("about:blank")), QStringLiteral("about:blank"));
    return problemTarget(asked, ErrorPage::Kind::SchemeNotSupported, shortened(url.scheme(), 40));
}

} // namespace

PageTarget PageTarget::forLink(const QUrl& link, const QUrl& from)
{
    PageTarget target = forUrl(link.toString(), link);
    if (target.kind == Kind::File && (from.scheme() == u"http" || from.scheme() == u"https"))
        return problemTarget(target.asked, ErrorPage::Kind::WebToLocal, {}, link);
    return target;
}

PageTarget PageTarget::resolve(const QString& address)
{
    if (address.size() > maxAddressLength)
        return problemTarget(address, ErrorPage::Kind::AddressTooLong);
    QString text = address.trimmed();
    if (text.isEmpty())
        return problemTarget(address, ErrorPage::Kind::NoAddress);
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return problemTarget(text, ErrorPage::Kind::NotValid);
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));

    // Read before QUrl sees it: QUrl takes a drive ("C:") or a host and its port
    // ("example.org:8080") for a scheme.
    static const QRegularExpression portPattern(QStringLiteral("^[0-9]+(/.*)?$"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon == 1 && text[0].isLetter() && text[0].unicode() < 0x80)
        return makeTarget(Kind::File, QUrl::fromLocalFile(text), text);
    const std::string scheme = platform::schemeOf(text.toStdString());
    if (!scheme.empty()) {
        // "example.com:8080/..." names a host and its port.
        const bool hostWithPort = (text.left(colon).contains(QLatin1Char('.')) || scheme == "localhost") &&
                                  portPattern.match(text.mid(colon + 1)).hasMatch();
        if (!hostWithPort) {
            if (scheme == "file")
                return forUrl(text, QUrl(text, QUrl::TolerantMode));
            if (scheme == "http" || scheme == "https" || scheme == "about")
                return forUrl(text, QUrl(text, QUrl::StrictMode));
            return problemTarget(text, ErrorPage::Kind::SchemeNotSupported, shortened(text.left(colon), 40));
        }
    }
    if (text.startsWith(QLatin1Char('/')))
        return makeTarget(Kind::File, QUrl::fromLocalFile(text), text);
    // Anything else is a web address without its scheme, such as a bare host name.
    return forUrl(text, QUrl(QStringLiteral("http://") + text, QUrl::StrictMode));
}

bool PageNavigator::moveInHistory(int step)
{
    // From the entry a Back or Forward under way is heading for, so that two quick
    // clicks move two entries.
    const int from = pending_ && pending_->historyIndex >= 0 ? pending_->historyIndex : history_.position();
    const int to = from + step;
    if (from < 0 || !history_.has(to))
        return false;
    start(history_.at(to), to);
    return true;
}

void PageNavigator::reload()
{
    if (history_.position() >= 0)
        start(history_.at(history_.position()), history_.position(), true);
}

void PageNavigator::stop()
{
    if (!pending_)
        return;
    cancel();
    emit ended();
}

void PageNavigator::cancel()
{
    ++generation_;
    pending_.reset();
    if (web_)
        web_->cancel();
}

void PageNavigator::start(const PageTarget& target, int historyIndex, bool reload)
{
    cancel();
    pending_ = Pending{target, historyIndex, reload};
    const quint64 generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (pending_ && generation == generation_)
            load();
    });
}

void PageNavigator::load()
{
    const PageTarget& target = pending_->target;
    switch (target.kind) {
    case PageTarget::Kind::Blank: finish(RenderedPage{.url = target.url, .asked = target.asked}); return;
    case PageTarget::Kind::File: {
        QByteArray data;
        const platform::FileProblem problem = readPageFile(target.url.toLocalFile(), data);
        if (problem != platform::FileProblem::None)
            finish(ErrorPage::fileProblem(problem, target.asked, target.url));
        else
            finish(RenderedPage::fromContent(data, target.url, QString(), target.asked, view_.devicePixelRatioF()));
        return;
    }
    case PageTarget::Kind::Web: fetch(); return;
    case PageTarget::Kind::Problem: break;
    }
    finish(ErrorPage::of(target.problem, target.asked, target.url, target.argument));
}

void PageNavigator::fetch()
{
    if (!web_) {
        // Loaded once and never unloaded: the web access lives as long as its navigator.
        static QString whyNot;
        static WebModule* const module = WebModule::load(programDirectory(), &whyNot);
        if (!module) {
            finish(ErrorPage::of(ErrorPage::Kind::NoWebModule, pending_->target.asked, pending_->target.url, whyNot));
            return;
        }
        web_ = module->createWebAccess(this);
    }
    // A fetch that is cancelled never answers.
    web_->get(pending_->target.url, maxPageBytes, timeoutMs_,
              [this](const WebAnswer& answer) { finish(webPage(answer)); });
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
    // QUrl keeps a scheme in small letters.
    if (answer.url.scheme() != u"http" && answer.url.scheme() != u"https")
        return ErrorPage::of(ErrorPage::Kind::RedirectedAway, asked, url);
    return RenderedPage::fromContent(answer.data, answer.url, answer.contentType, asked, view_.devicePixelRatioF());
}

void PageNavigator::finish(const RenderedPage& page)
{
    const Pending pending = std::move(*pending_);
    pending_.reset();
    if (pending.historyIndex < 0)
        history_.push(pending.target);
    else
        history_.moveTo(pending.historyIndex);
    emit pageReady(page, pending.reload);
    emit ended();
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
