#pragma once

#include <QFont>
#include <QList>
#include <QString>

namespace qtplatform {

// A caption broken into lines the classic way: at spaces, with the spaces at a break
// left hanging at the end of the line they follow, so leading spaces take room on the
// first line and are never trimmed. Text written without spaces, such as Chinese,
// breaks between its characters where Unicode's line-breaking rules allow it. A word
// wider than the box is broken between letters. Widths use the font's design metrics,
// so the breaks do not depend on the screen's hinting.
struct CaptionLayout {
    struct Line {
        QString text; // the line without its hanging spaces; empty for a line of spaces
        int start = 0; // position of the line's first character in plainText
        qreal width = 0;
    };
    QString plainText; // the caption with its access-key marks removed ("&&" is one "&")
    int accessKey = -1; // position of the underlined character in plainText, or -1
    QList<Line> lines;
    int lineHeight = 0;
};

CaptionLayout layoutCaption(const QString& caption, const QFont& font, qreal width);

} // namespace qtplatform
