#pragma once

#include "PeerSupport.h"
#include "platform/Peers.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

namespace platform {
class Control;
}

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

// A caption drawn on its container's surface: wrapped to its box, aligned, with an
// access key marked by "&" ("&&" is a literal ampersand), greyed when disabled.
class LabelPeer : public QWidget, public platform::ControlPeer {
    Q_OBJECT
public:
    LabelPeer(platform::Control& control, QWidget* parent);
    void propertyChanged(platform::Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void updateAccessKey();
    void focusNextInTabOrder();
    const CaptionLayout& currentLayout();

    platform::Control& control_;
    CaptionLayout layout_; // for layoutCaption_, layoutFont_ and layoutWidth_
    QString layoutCaption_;
    QFont layoutFont_;
    int layoutWidth_ = -1;
    QObject* shortcut_ = nullptr;
    MouseClicks clicks_;
};

} // namespace qtplatform
