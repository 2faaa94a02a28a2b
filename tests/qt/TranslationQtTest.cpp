// The translations in the real windows: every caption of every language, the
// developers' pseudo-translation included, fits its box on the lines English takes;
// and under Arabic the boxes run right to left while the game window stays as it is.
#include "QtTestSupport.h"

#include "app/FrmSplash.h"
#include "browser/FrmBrowser.h"
#include "game/FrmLand.h"
#include "qtplatform/Conversions.h"
#include "qtplatform/Translations.h"
#include "qtplatform/widgets/LabelPeer.h"
#include "ui/Artwork.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>

#include <map>
#include <stdexcept>

using namespace platform;
using qttest::rendered;
using qttest::widgetOf;

namespace {

// The captions of the three windows, loaded afresh under whatever translation is installed.
struct Windows {
    Windows()
    {
        splash.show();
        land.show();
        help.show();
    }
    ~Windows()
    {
        help.unload();
        land.unload();
        splash.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::vector<const Control*> captions() const
    {
        return {&splash.lblProud, &splash.lblCopyright, &splash.lblMsg, &land.lblGame[0],
                &land.lblGame[1], &land.lblStart,       &land.lblSO,    &help.lblAddress};
    }

    qttest::TestPlatform platform;
    Runtime runtime{platform};
    game::modGlobals globals;
    app::frmSplash splash{runtime, []() -> Form& { throw std::logic_error("no game window in this test"); }};
    game::frmLand land{runtime, globals, nullptr};
    browser::frmBrowser help{runtime};
};

qtplatform::CaptionLayout layoutOf(const Control& label)
{
    QWidget* w = widgetOf(label);
    return qtplatform::layoutCaption(qtplatform::toQString(label.caption()), w->font(), w->width());
}

class TranslatedCaptionTest : public testing::TestWithParam<const char*> {
protected:
    void TearDown() override { qtplatform::removeTranslation(); }
};

TEST_P(TranslatedCaptionTest, FitsItsBoxOnTheLinesOfTheEnglish)
{
    std::map<std::string, qtplatform::CaptionLayout> english;
    {
        Windows windows;
        for (const Control* label : windows.captions())
            english[label->name()] = layoutOf(*label);
    }
    const QString language = QString::fromLatin1(GetParam());
    if (language == QLatin1String("qps"))
        ASSERT_TRUE(qtplatform::installTranslation(language, QStringLiteral(GLIMMERKIN_PSEUDO_QM_DIR)));
    else
        ASSERT_TRUE(qtplatform::installTranslation(language));
    ASSERT_EQ(qtplatform::loadedLanguage(), language);

    Windows windows;
    for (const Control* label : windows.captions()) {
        const QWidget* box = widgetOf(*label);
        const qtplatform::CaptionLayout layout = layoutOf(*label);
        const qtplatform::CaptionLayout& source = english[label->name()];
        SCOPED_TRACE(label->name() + ": " + label->caption());
        if (language == QLatin1String("qps") && label == &windows.land.lblSO) {
            // English "Start Over" fills its little circle, so the pseudo-translation,
            // longer by design, shows it has no room: each language must say it in
            // as little space as English does.
            EXPECT_GT(layout.lines.size(), source.lines.size());
            continue;
        }
        EXPECT_EQ(layout.lines.size(), source.lines.size());
        for (int i = 0; i < layout.lines.size(); ++i) {
            const qtplatform::CaptionLayout::Line& line = layout.lines[i];
            EXPECT_LE(line.width, box->width()) << "line " << i;
            // A line breaks between words, never inside one; Chinese, between characters.
            if (i > 0) {
                const QChar before = layout.plainText[line.start - 1];
                EXPECT_TRUE(before.isSpace() || before.script() == QChar::Script_Han) << "line " << i << " cuts a word";
            }
            EXPECT_EQ(line.text.isEmpty(), source.lines[i].text.isEmpty()) << "line " << i;
        }
        // As high as the box, or as the English, where that is higher.
        const qsizetype height = std::max<qsizetype>(box->height(), source.lines.size() * source.lineHeight);
        EXPECT_LE(layout.lines.size() * layout.lineHeight, height);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedCaptionTest,
                         testing::Values("de", "fr", "es", "pt_BR", "ar", "ru", "zh_CN", "qps"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(TranslationChoiceTest, FirstTranslatedLanguageBeforeAnyEnglish)
{
    struct Case {
        QStringList desktop;
        QString loaded;
    };
    const std::vector<Case> cases = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"it", "es-MX", "es"}, "es"}, // the first the game has, by its language
        {{"pt-BR", "pt-Latn-BR", "pt"}, "pt_BR"},
        {{"pt-PT", "pt-Latn-PT", "pt"}, ""}, // Brazil's Portuguese is not Portugal's
        {{"en-GB", "de"}, ""}, // English first: English
        {{"C"}, ""},
        {{"it"}, ""}, // a language without a translation
        {{"ar-EG", "ar"}, "ar"},
        {{"ru-RU", "ru"}, "ru"},
        {{"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        {{"zh-TW", "zh-Hant-TW", "zh"}, ""}, // Taiwan writes the traditional characters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qtplatform::installTranslations(c.desktop), c.loaded) << c.desktop.join(',').toStdString();
        EXPECT_EQ(qtplatform::loadedLanguage(), c.loaded);
        qtplatform::removeTranslation();
    }
    EXPECT_EQ(QCoreApplication::translate("frmLand", "Follow"), QStringLiteral("Follow"));
}

class RightToLeftTest : public testing::Test {
protected:
    void TearDown() override { qtplatform::removeTranslation(); }
};

TEST_F(RightToLeftTest, ArabicMessageBoxRunsRightToLeft)
{
    ASSERT_TRUE(qtplatform::installTranslation(QStringLiteral("ar")));
    qttest::TestPlatform platform;
    platform.realBoxes = true;
    Runtime runtime{platform};
    QString text;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QString ok;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            direction = box->layoutDirection();
            if (QAbstractButton* button = box->button(QMessageBox::Ok))
                ok = button->text();
            box->accept();
        }
    });
    closer.start(10);
    runtime.msgBox(runtime.text(TR_TEXT("frmLand", "Great Job!")), "Glimmerkin");
    EXPECT_EQ(text, QStringLiteral("أحسنت!"));
    EXPECT_EQ(direction, Qt::RightToLeft);
    // Qt's own translation names the button, where the system has it.
    EXPECT_NE(ok.remove(QLatin1Char('&')), QStringLiteral("OK"));
}

TEST_F(RightToLeftTest, HelpWindowRunsRightToLeftWhileTheOthersKeepTheirPlaces)
{
    ASSERT_TRUE(qtplatform::installTranslation(QStringLiteral("ar")));
    Windows windows;
    EXPECT_TRUE(widgetOf(windows.land.picLand)->window()->isLeftToRight());
    EXPECT_TRUE(widgetOf(windows.splash.picLogo)->window()->isLeftToRight());
    QWidget* label = widgetOf(windows.help.lblAddress);
    QWidget* window = label->window();
    ASSERT_TRUE(window->isRightToLeft());
    // The address label and box stand as far from the right edge as they stand from the
    // left in English, and stay there when the window grows.
    auto rightMargin = [](const QWidget* w) { return w->parentWidget()->width() - (w->x() + w->width()); };
    EXPECT_EQ(rightMargin(label), 3);
    EXPECT_EQ(rightMargin(widgetOf(windows.help.cboAddress)), 3);
    window->resize(window->width() + 120, window->height());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rightMargin(label), 3);
    EXPECT_EQ(rightMargin(widgetOf(windows.help.cboAddress)), 3);
    // The toolbar runs from the right, Back first, its arrow pointing right.
    auto* toolbar = qobject_cast<QToolBar*>(widgetOf(windows.help.tbToolBar));
    ASSERT_NE(toolbar, nullptr);
    const QList<QAction*> actions = toolbar->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_GT(toolbar->widgetForAction(actions[0])->x(), toolbar->widgetForAction(actions[1])->x());
    const QImage back = actions[0]->icon().pixmap(QSize(24, 24), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage art =
        qtplatform::renderPicture(ui::artwork::toolbarImage(1), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(back, art.mirrored(true, false));
    EXPECT_NE(back, art);
    // Its words start at the right of their box.
    const QImage image = rendered(label);
    const qreal ratio = image.devicePixelRatio();
    const QColor background = image.pixelColor(0, 0);
    int leftmostInk = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                leftmostInk = std::min(leftmostInk, x);
    EXPECT_GT(leftmostInk / ratio, label->width() / 2);
}

TEST_F(RightToLeftTest, GameWindowNeverMirrors)
{
    auto placeOf = [](const Control& control) {
        const QWidget* w = widgetOf(control);
        return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    };
    QImage english;
    std::map<std::string, QRect> englishPlaces;
    {
        Windows windows;
        english = rendered(widgetOf(windows.land.picLand)->window());
        for (const Control* control : windows.land.controls())
            if (widgetOf(*control))
                englishPlaces[control->name() + std::to_string(control->index())] = placeOf(*control);
    }
    ASSERT_TRUE(qtplatform::installTranslation(QStringLiteral("ar")));
    ASSERT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    Windows windows;
    QWidget* window = widgetOf(windows.land.picLand)->window();
    const QImage arabic = rendered(window);
    ASSERT_EQ(arabic.size(), english.size());
    // Every control, the four lights among them, sits where it does in English, so
    // keys 1 to 4 mean the same lights...
    for (const Control* control : windows.land.controls()) {
        if (widgetOf(*control)) {
            EXPECT_EQ(placeOf(*control), englishPlaces[control->name() + std::to_string(control->index())])
                << control->name() << control->index();
        }
    }
    // ...and away from the words of the captions every pixel is the same: the
    // landscape is not mirrored, nor are the lights.
    QList<QRect> words;
    for (const Control* label :
         {&windows.land.lblGame[0], &windows.land.lblGame[1], &windows.land.lblStart, &windows.land.lblSO})
        words.append(placeOf(*label));
    const qreal ratio = arabic.devicePixelRatio();
    int differing = 0;
    for (int y = 0; y < arabic.height(); ++y)
        for (int x = 0; x < arabic.width(); ++x) {
            const QPoint logical(int(x / ratio), int(y / ratio));
            const bool inWords =
                std::any_of(words.begin(), words.end(), [&](const QRect& r) { return r.contains(logical); });
            if (!inWords && arabic.pixel(x, y) != english.pixel(x, y))
                ++differing;
        }
    EXPECT_EQ(differing, 0);

    // The Arabic words are drawn inside their boxes, not pushed out of sight at the
    // far end of a right-to-left line.
    for (Control* label :
         {&windows.land.lblGame[0], &windows.land.lblGame[1], &windows.land.lblStart, &windows.land.lblSO}) {
        const QRect box = placeOf(*label);
        label->setCaption("");
        const QImage bare = rendered(window);
        int drawn = 0;
        for (int y = int(box.top() * ratio); y < int((box.bottom() + 1) * ratio); ++y)
            for (int x = int(box.left() * ratio); x < int((box.right() + 1) * ratio); ++x)
                drawn += arabic.pixel(x, y) != bare.pixel(x, y);
        EXPECT_GT(drawn, 20) << label->name();
    }
}

} // namespace

// A line that mixes Arabic with Latin letters and digits, such as the splash's copyright
// line, is as wide as it is drawn, so that a centred caption stands in the middle.
TEST(MixedDirectionCaptionTest, LineIsMeasuredAsWideAsItIsDrawn)
{
    const QFont font(QStringLiteral("Liberation Sans"), 8);
    const QString mixed = QString::fromUtf8("حقوق النشر © 2026 Tallowbrook Studio");
    const qtplatform::CaptionLayout layout = qtplatform::layoutCaption(mixed, font, 1000);
    ASSERT_EQ(layout.lines.size(), 1);
    QTextLayout drawn(mixed, font);
    drawn.beginLayout();
    QTextLine line = drawn.createLine();
    drawn.endLayout();
    EXPECT_NEAR(layout.lines[0].width, line.naturalTextWidth(), 1.0);
}
