#include "LabelPeer.h"

#include "ControlWidget.h"
#include "platform/Form.h"
#include "qtplatform/Conversions.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace qtplatform {

using platform::Alignment;
using platform::Property;

namespace {

// One line of text laid out unwrapped, in design metrics; its cursor positions give
// the advances.
struct Run {
    Run(const QString& text, const QFont& font, const QList<QTextLayout::FormatRange>& formats = {})
        : layout(text, font)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setUseDesignMetrics(true);
        // A line of a right-to-left language starts at the left of its run too, where
        // the caption's alignment places it; it is not pushed to the run's far end.
        option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        layout.setTextOption(option);
        layout.setFormats(formats);
        layout.beginLayout();
        line = layout.createLine();
        line.setLineWidth(1e6);
        layout.endLayout();
    }
    qreal x(int position) const { return line.cursorToX(position); }
    // The width of the text between two positions, whichever way it runs.
    qreal advance(int from, int to) const { return std::abs(x(to) - x(from)); }
    QTextLayout layout;
    QTextLine line;
};

void breakParagraph(CaptionLayout& out, int offset, const QString& text, const QFont& font, qreal width)
{
    const Run run(text, font);
    const int n = static_cast<int>(text.size());
    const qreal slack = 1.0 / 64; // design metrics are fixed-point; allow their rounding
    auto fits = [&](int from, int to) { return run.advance(from, to) <= width + slack; };
    // Where a line may end, by Qt's line breaker (Unicode's rules): after spaces, and
    // between the characters of scripts written without them, such as Chinese.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
    auto following = [n](QTextBoundaryFinder& finder, int from) {
        finder.setPosition(from);
        const auto next = finder.toNextBoundary();
        return next < 0 ? n : static_cast<int>(next);
    };
    int lineStart = 0;
    for (;;) {
        int contentEnd = lineStart;
        int next = -1;
        for (int i = lineStart; i < n;) {
            const int pieceEnd = following(breaks, i);
            int end = pieceEnd; // spaces hang at the end of the line
            while (end > i && text[end - 1] == QLatin1Char(' '))
                --end;
            if (end == i || fits(lineStart, end)) {
                contentEnd = std::max(contentEnd, end);
                i = pieceEnd;
                continue;
            }
            if (contentEnd > lineStart || i > lineStart) {
                next = i; // the word starts the next line
            } else {
                int cut = following(letters, i); // a word too wide for the box, broken between letters
                for (int after = following(letters, cut); cut < end && fits(lineStart, after);
                     after = following(letters, cut))
                    cut = after;
                contentEnd = cut;
                next = cut;
            }
            break;
        }
        const QString lineText = text.mid(lineStart, contentEnd - lineStart);
        // Where directions mix, a line's logical ends are not its visual ends: it is
        // measured as a run of its own.
        const bool mixed = std::any_of(lineText.begin(), lineText.end(), [](QChar c) {
            return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
        });
        out.lines.append({lineText, offset + lineStart,
                          mixed ? Run(lineText, font).line.naturalTextWidth() : run.advance(lineStart, contentEnd)});
        if (next < 0)
            return;
        lineStart = next;
    }
}

// A caption drawn on its container's surface: wrapped to its box, aligned, with an
// access key marked by "&" ("&&" is a literal ampersand), greyed when disabled.
class LabelPeer : public ControlWidget<QWidget> {
    Q_OBJECT
public:
    LabelPeer(platform::Control& control, QWidget* parent)
        : ControlWidget(control, parent), accessKey_(new QShortcut(window()))
    {
        // A caption cannot take the focus: its access key moves the focus to the next
        // control in tab order.
        accessKey_->setKey(QKeySequence::mnemonic(toQString(control.caption())));
        connect(accessKey_, &QShortcut::activated, this, [this] {
            const auto takesFocus = [this](const platform::Control& other) {
                return &other != &this->control() && other.style().tabStop &&
                       other.kind() != platform::ControlKind::Label && other.kind() != platform::ControlKind::Shape &&
                       dynamic_cast<const QWidget*>(other.peer());
            };
            if (platform::Control* next =
                    nextInTabOrder(this->control().form().controls(), this->control().style().tabIndex, takesFocus))
                dynamic_cast<QWidget*>(next->peer())->setFocus(Qt::ShortcutFocusReason);
        });
        attach();
    }

protected:
    void changed(Property property) override
    {
        if (property == Property::Caption)
            accessKey_->setKey(QKeySequence::mnemonic(toQString(control().caption())));
        update();
    }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { clicks_.press(control(), *event); }
    void mouseReleaseEvent(QMouseEvent* event) override { clicks_.release(this, control(), *event); }

private:
    CaptionLayout layout_; // for the caption, font and width in layoutKey_
    std::tuple<QString, QFont, int> layoutKey_{QString(), QFont(), -1};
    QShortcut* accessKey_;
    MouseClicks clicks_;
};

void LabelPeer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    if (!control().style().transparent)
        p.fillRect(rect(), toQColor(control().backColor(), pal));

    // Laid out again only when the caption, the font or the width has changed.
    if (auto key = std::make_tuple(toQString(control().caption()), font(), width()); key != layoutKey_) {
        layout_ = layoutCaption(std::get<QString>(key), font(), width());
        layoutKey_ = std::move(key);
    }
    const CaptionLayout& caption = layout_;
    const QFontMetricsF metrics(font());
    // A window that runs right to left starts its lines at the right.
    Alignment alignment = control().style().alignment;
    if (isRightToLeft() && alignment != Alignment::Center)
        alignment = alignment == Alignment::Left ? Alignment::Right : Alignment::Left;
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    auto drawLines = [&](const QColor& color, int shift) {
        p.setPen(color);
        for (int i = 0; i < caption.lines.size(); ++i) {
            const CaptionLayout::Line& line = caption.lines[i];
            if (line.text.isEmpty())
                continue;
            const int key = caption.accessKey - line.start;
            const bool hasKey = key >= 0 && key < line.text.size();
            // Letters that join (Arabic) are shaped as one run, so a right-to-left
            // line gets its access key's underline drawn under it afterwards.
            const bool joined = line.text.isRightToLeft();
            const Run run(line.text, font(),
                          hasKey && !joined ? QList<QTextLayout::FormatRange>{{key, 1, underline}}
                                            : QList<QTextLayout::FormatRange>{});
            const qreal space = width() - line.width;
            const qreal x =
                alignment == Alignment::Left ? 0 : std::floor(alignment == Alignment::Right ? space : space / 2);
            // Whole-pixel baselines keep the letters crisp.
            const qreal baseline = std::round(i * caption.lineHeight + metrics.ascent());
            run.layout.draw(&p, QPointF(x + shift, baseline - run.line.ascent() + shift));
            if (hasKey && joined) {
                const qreal y = baseline + metrics.underlinePos() + shift;
                const qreal from = std::min(run.x(key), run.x(key + 1));
                const qreal to = std::max(run.x(key), run.x(key + 1));
                p.fillRect(QRectF(x + shift + from, y, to - from, std::max<qreal>(1, metrics.lineWidth())), color);
            }
        }
    };
    if (isEnabled()) {
        drawLines(toQColor(control().foreColor(), pal), 0);
    } else {
        // The classic greyed caption: engraved in the 3-D highlight and shadow colours.
        drawLines(toQColor(platform::colors::Highlight3D, pal), 1);
        drawLines(toQColor(platform::colors::ButtonShadow, pal), 0);
    }
}

} // namespace

CaptionLayout layoutCaption(const QString& caption, const QFont& font, qreal width)
{
    CaptionLayout out;
    int keyByte = -1;
    const std::string plain = platform::plainCaption(toStdString(caption), &keyByte);
    out.plainText = toQString(plain);
    if (keyByte >= 0)
        out.accessKey = static_cast<int>(QString::fromUtf8(plain.data(), keyByte).size());
    out.lineHeight = QFontMetrics(font).height();
    // Explicit line breaks start a new paragraph.
    int start = 0;
    for (const QString& paragraph : out.plainText.split(QLatin1Char('\n'))) {
        breakParagraph(out, start, paragraph.endsWith(QLatin1Char('\r')) ? paragraph.chopped(1) : paragraph, font,
                       width);
        start += static_cast<int>(paragraph.size()) + 1;
    }
    return out;
}

QWidget* newLabelPeer(platform::Control& control, QWidget* parent) { return new LabelPeer(control, parent); }

} // namespace qtplatform

#include "LabelPeer.moc"
