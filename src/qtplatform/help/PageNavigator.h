#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace qtplatform {

struct RenderedPage;
struct WebAnswer;
class WebAccess;

// What an address in the help browser stands for: a page on this computer (a
// backslash counts as a separator), a web page over http or https, the blank page,
// or a problem that its error page explains.
struct PageTarget {
    enum class Kind { Blank, File, Web, Problem };
    Kind kind = Kind::Problem;
    QUrl url; // file: or http(s): address of the page
    QString asked; // the address as asked for, shortened for display
    QString problem; // for Problem: the title of its error page
    QString detail; // for Problem: what went wrong, in a sentence

    // An address as the player typed it.
    static PageTarget resolve(const QString& address);
    // A link followed on the page at `from`: a web page leads to no page or file on
    // this computer.
    static PageTarget forLink(const QUrl& link, const QUrl& from);
};

// What the help browser's control asks its view for: opening addresses and links,
// moving in the history, reloading and stopping. Every load ends, is stopped or fails
// with one call of `ended`; until then the navigator is busy and the view keeps
// showing the page it had. Pages on this computer are read (only regular files, see
// PageContent.h); web pages are fetched in the background through the web access
// (WebAccess.h), at most maxPageBytes of them, and given up after the timeout. What
// cannot be opened gives an error page.
class PageNavigator : public QObject {
    Q_OBJECT
public:
    // `show` puts a page on the view; `reload` tells that it is the page on display
    // loaded again.
    using Show = std::function<void(const RenderedPage& page, bool reload)>;

    PageNavigator(QWidget& view, Show show, std::function<void()> ended)
        : view_(view), show_(std::move(show)), ended_(std::move(ended))
    {}
    ~PageNavigator() override { cancel(); }

    void navigate(const QString& address) { start(PageTarget::resolve(address), Commit::Push, -1); }
    // A link on the page at `from`.
    void follow(const QUrl& link, const QUrl& from) { start(PageTarget::forLink(link, from), Commit::Push, -1); }
    // False, and nothing changes, when there is no entry `step` away.
    bool moveInHistory(int step);
    void reload();
    // Ends the load under way, which reports its end.
    void stop();
    // Ends the load under way without a word.
    void cancel();
    bool isBusy() const { return pending_.has_value(); }
    // A web load that has not ended after this long is given up.
    void setNetworkTimeout(int ms) { timeoutMs_ = ms; }

    // The pages shown, oldest first, and the one on display; the newest maxEntries are
    // kept.
    class History {
    public:
        static constexpr std::size_t maxEntries = 100;

        // The entry on display, or -1 before the first page.
        int position() const { return position_; }
        bool has(int index) const { return index >= 0 && index < static_cast<int>(entries_.size()); }
        const PageTarget& at(int index) const { return entries_[static_cast<std::size_t>(index)]; }

        // A page opened anew. The same address as the entry on display takes its place;
        // anything else drops the entries after it and is added.
        void push(const PageTarget& target);
        void moveTo(int index) { position_ = index; }

    private:
        std::vector<PageTarget> entries_;
        int position_ = -1;
    };

private:
    enum class Commit { Push, MoveTo, Stay };
    struct Pending {
        PageTarget target;
        Commit commit = Commit::Push;
        int historyIndex = -1;
    };

    void start(const PageTarget& target, Commit commit, int historyIndex);
    void loadLocal();
    void fetch();
    RenderedPage webPage(const WebAnswer& answer) const;
    void finish(const RenderedPage& page);

    QWidget& view_;
    Show show_;
    std::function<void()> ended_;
    History history_;
    std::optional<Pending> pending_;
    quint64 generation_ = 0;

    WebAccess* web_ = nullptr; // a child, made on the first web page
    int timeoutMs_ = 20000;
};

} // namespace qtplatform
