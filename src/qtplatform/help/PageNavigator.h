#pragma once

#include "ErrorPage.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <cstddef>
#include <optional>
#include <vector>

class QWidget;

namespace qtplatform {

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
    ErrorPage::Kind problem = ErrorPage::Kind::Other; // for Problem: its error page
    QString argument; // for Problem: what its error page names

    // An address as the player typed it.
    static PageTarget resolve(const QString& address);
    // A link followed on the page at `from`: a web page leads to no page or file on
    // this computer.
    static PageTarget forLink(const QUrl& link, const QUrl& from);
};

// What the help browser's control asks its view for: opening addresses and links,
// moving in the history, reloading and stopping. Every load ends, is stopped or fails
// with one `ended`, after the caller has returned; until then the navigator is busy
// and the view keeps showing the page it had. What cannot be opened gives an error page.
class PageNavigator : public QObject {
    Q_OBJECT
public:
    // `view` gives the device pixel ratio of the pictures.
    explicit PageNavigator(QWidget& view) : view_(view) {}
    ~PageNavigator() override { cancel(); }

    void navigate(const QString& address) { start(PageTarget::resolve(address)); }
    // A link on the page at `from`.
    void follow(const QUrl& link, const QUrl& from) { start(PageTarget::forLink(link, from)); }
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

signals:
    // A page to show, just before `ended`; `reload` tells that it is the page on
    // display loaded again.
    void pageReady(const RenderedPage& page, bool reload);
    void ended();

private:
    struct Pending {
        PageTarget target;
        int historyIndex = -1; // the entry it moves to, or -1 for a page opened anew
        bool reload = false;
    };

    void start(const PageTarget& target, int historyIndex = -1, bool reload = false);
    void load();
    void fetch();
    RenderedPage webPage(const WebAnswer& answer) const;
    void finish(const RenderedPage& page);

    QWidget& view_;
    History history_;
    std::optional<Pending> pending_;
    quint64 generation_ = 0;

    WebAccess* web_ = nullptr; // a child, made on the first web page
    int timeoutMs_ = 20000;
};

} // namespace qtplatform
