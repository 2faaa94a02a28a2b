#include "PageNavigator.h"

#include "ErrorPage.h"
#include "WebAccess.h"
#include "platform/FileAddress.h"
#include "qtplatform/QtPlatform.h"

#include <QCoreApplication>
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

PageTarget problemTarget(const QString& asked, const QString& title, const QString& detail, const QUrl& url = {})
{
    return {PageTarget::Kind::Problem, url, shortened(asked, shownAddressLength), title, detail};
}

PageTarget malformed(const QString& asked)
{
    return problemTarget(asked, QCoreApplication::translate("DocumentBrowserView", "Address not valid"),
                         QCoreApplication::translate("DocumentBrowserView", "This is not a valid address of a page."));
}

PageTarget unsupported(const QString& asked, const QString& scheme)
{
    return problemTarget(
        asked, QCoreApplication::translate("DocumentBrowserView", "Address not supported"),
        QCoreApplication::translate("DocumentBrowserView",
                                    "Addresses that begin with “%1:” cannot be opened here. The help "
                                    "browser opens pages on this computer and web pages (http and https).")
            .arg(shortened(scheme, 40)));
}

// An address already parsed, such as a followed link.
PageTarget forUrl(const QString& asked, QUrl url)
{
    if (!url.isValid())
        return malformed(asked);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return malformed(asked);
        if (url.path().isEmpty())
            url.setPath(QStringLiteral("/"));
        return makeTarget(PageTarget::Kind::Web, url, asked);
    }
    if (url.isLocalFile()) {
        if (!url.host().isEmpty() && url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
            return problemTarget(
                asked, QCoreApplication::translate("DocumentBrowserView", "Address not supported"),
                QCoreApplication::translate("DocumentBrowserView",
                                            "Pages on other computers cannot be opened by a file address."));
        url.setHost(QString());
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            return malformed(asked);
        return makeTarget(PageTarget::Kind::File, QUrl::fromLocalFile(path), asked);
    }
    if (scheme == QLatin1String("about") && url.path().compare(QLatin1String("blank"), Qt::CaseInsensitive) == 0)
        return makeTarget(PageTarget::Kind::Blank, QUrl(QStringLiteral("about:blank")), QStringLiteral("about:blank"));
    return unsupported(asked, url.scheme());
}

} // namespace

PageTarget PageTarget::forLink(const QUrl& link, const QUrl& from)
{
    PageTarget target = forUrl(link.toString(), link);
    const QString scheme = from.scheme().toLower();
    if (target.kind == Kind::File && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        return problemTarget(
            target.asked, QCoreApplication::translate("DocumentBrowserView", "Page cannot be shown"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "A page on the web cannot open pages or files on this computer."),
            link);
    return target;
}

PageTarget PageTarget::resolve(const QString& address)
{
    if (address.size() > maxAddressLength)
        return problemTarget(
            address, QCoreApplication::translate("DocumentBrowserView", "Address too long"),
            QCoreApplication::translate("DocumentBrowserView", "This address is too long to be opened."));
    QString text = address.trimmed();
    if (text.isEmpty())
        return problemTarget(
            address, QCoreApplication::translate("DocumentBrowserView", "No address"),
            QCoreApplication::translate("DocumentBrowserView",
                                        "Type the address of a page into the address box and press Enter."));
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return malformed(text);
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
            return unsupported(text, text.left(colon));
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
    case PageTarget::Kind::Blank:
        finish(RenderedPage{
            .url = target.url, .asked = target.asked, .html = QStringLiteral("<html><body></body></html>")});
        return;
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
        // Loaded once and never unloaded: the web access lives as long as its navigator.
        static QString whyNot;
        static WebModule* const module = WebModule::load(programDirectory(), &whyNot);
        if (!module) {
            finish(ErrorPage::of(ErrorPage::Kind::NoWebModule, pending_->target.asked, pending_->target.url, whyNot));
            return;
        }
        web_ = module->createWebAccess(this);
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
