#pragma once

#include "platform/RegularFile.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace qtplatform {

// What an address in the help browser stands for: a page on this computer (a
// backslash counts as a separator), a web page over http or https, the blank page,
// or a problem that its error page explains.
struct PageTarget {
    enum class Kind { Blank, File, Web, Problem };
    Kind kind = Kind::Problem;
    QUrl url; // file: or http(s): address of the page
    QString problem; // for Problem: the title of its error page
    QString detail; // for Problem: what went wrong, in a sentence
    QString asked; // the address as asked for, shortened for display

    // An address as the player typed it.
    static PageTarget resolve(const QString& address);
    // An address already parsed, such as a followed link.
    static PageTarget forUrl(const QString& asked, QUrl url);
    // A link followed on the page at `from`: a web page leads to no page or file on
    // this computer.
    static PageTarget forLink(const QUrl& link, const QUrl& from);
};

// At most `length` characters of text, control characters shown as spaces, no marks
// that turn the direction of text, and an ellipsis where it was cut.
QString shortened(const QString& text, qsizetype length);

// How long an address or message may grow on an error page.
constexpr qsizetype shownAddressLength = 300;

// No page, style sheet or picture of a page is read beyond this.
constexpr qint64 maxPageBytes = 2 * 1024 * 1024;

// Reads a page file of at most maxPageBytes by an absolute path, through the same
// reader as the sounds: only regular files, never a device or a pipe.
platform::FileProblem readPageFile(const QString& path, QByteArray& data);

} // namespace qtplatform
