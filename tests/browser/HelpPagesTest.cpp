#include "BrowserTestSupport.h"

#include <QGlyphRun>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>

#include <optional>

using namespace browsertest;

namespace {

struct HelpPage {
    const char* file;
    const char* title;
    const char* sample; // words of the page beyond ASCII, as the reader decodes them
    Qt::LayoutDirection direction;
};

// Every page the program lays beside itself: English, and one per translated language.
const HelpPage pages[] = {
    {"GameInstructions.htm", "Glimmerkin - Game Instructions", "The quarry is here", Qt::LeftToRight},
    {"GameInstructions_de.htm", "Glimmerkin - Spielanleitung", "„Hier ist die Beute“", Qt::LeftToRight},
    {"GameInstructions_fr.htm", "Glimmerkin - Règles du jeu", "entraîne ta mémoire", Qt::LeftToRight},
    {"GameInstructions_es.htm", "Glimmerkin - Instrucciones del juego", "¿Encuentras las cuatro?", Qt::LeftToRight},
    {"GameInstructions_pt_BR.htm", "Glimmerkin - Instruções do jogo", "“A presa está aqui”", Qt::LeftToRight},
    {"GameInstructions_ar.htm", "تعليمات لعبة Glimmerkin", "«الطريدة هنا»", Qt::RightToLeft},
    {"GameInstructions_ru.htm", "Glimmerkin — Правила игры", "«Добыча здесь»", Qt::LeftToRight},
    {"GameInstructions_zh_CN.htm", "Glimmerkin 游戏说明", "“猎物在这里”", Qt::LeftToRight},
};

class HelpPagesTest : public ViewFixture {
protected:
    struct Shape {
        int blocks = 0, tables = 0, rows = 0, lists = 0;
    };
    // The page's parts as the reader lays them out: its paragraphs and headings, its
    // tables with their rows, and its lists.
    Shape shape()
    {
        Shape found;
        const QTextDocument& document = *view().document();
        found.blocks = document.blockCount();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.textList() && block.textList()->itemNumber(block) == 0)
                ++found.lists;
        }
        for (QTextFrame* frame : document.rootFrame()->childFrames()) {
            if (auto* table = qobject_cast<QTextTable*>(frame)) {
                ++found.tables;
                found.rows += table->rows();
            }
        }
        return found;
    }
};

TEST_F(HelpPagesTest, everyLanguagesPageHasItsTitleItsTextAndTheEnglishPagesShape)
{
    std::optional<Shape> english;
    for (const HelpPage& page : pages) {
        SCOPED_TRACE(page.file);
        open(std::string(GLIMMERKIN_BIN_DIR) + "/" + page.file);
        // The help window shows the page's title as its caption.
        EXPECT_EQ(browser().locationName(), page.title);
        EXPECT_TRUE(view().toPlainText().contains(QString::fromUtf8(page.sample)));
        EXPECT_TRUE(qtPlatform.boxes.empty());

        const QImage quarry =
            view().loadResource(QTextDocument::ImageResource, QUrl("pictures/quarry.svg")).value<QImage>();
        EXPECT_EQ(quarry.deviceIndependentSize().toSize(), QSize(92, 92))
            << "the quarry's picture, not the placeholder";

        // The same headings, paragraphs, tables and steps as the English page.
        const Shape found = shape();
        if (!english) {
            english = found;
        } else {
            EXPECT_EQ(found.blocks, english->blocks);
            EXPECT_EQ(found.tables, english->tables);
            EXPECT_EQ(found.rows, english->rows);
            EXPECT_EQ(found.lists, english->lists);
        }

        // Arabic runs right to left, every paragraph of it; the others left to right.
        // And every letter is drawn in the style it is set in: none is left as an empty
        // box for want of a font (no font here has slanted Arabic, for one).
        int against = 0;
        QString undrawn;
        for (QTextBlock block = view().document()->begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty() && block.textDirection() != page.direction)
                ++against;
            for (int line = 0; line < block.layout()->lineCount(); ++line) {
                for (const QGlyphRun& run : block.layout()->lineAt(line).glyphRuns()) {
                    if (run.glyphIndexes().contains(0))
                        undrawn += block.text().left(40) + QLatin1Char('\n');
                }
            }
        }
        EXPECT_EQ(against, 0);
        EXPECT_TRUE(undrawn.isEmpty()) << undrawn.toStdString();
    }
}

} // namespace
