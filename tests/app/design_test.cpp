// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/design.h"
#include "game/name_catalogue.h"
#include "game/word_rules.h"
#include "support/memory_board.h"
#include "window_fixture.h"

#include <QFontInfo>
#include <QFrame>
#include <QFontMetrics>
#include <QStyleOptionButton>

namespace brindolo::testing {
namespace {

using ShownWindowTest = WindowTest;

// The window as its design builds it, before it is shown: showing it is the
// first size change, after which the resizer has the last word.
class DesignTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<TPrincipale> window =
        std::make_unique<TPrincipale>(nullptr, folder.path().toStdString() + "/");
};

// Every row of the design table built as it says, in creation order, with
// the translator last: the interpreter, not the table, is under test here.
TEST_F(DesignTest, EveryControlIsBuiltAsItsDesignRowSays)
{
    const std::span<const ControlDesign> rows = principaleControls();
    ASSERT_EQ(window->componentCount(), static_cast<int>(rows.size()) + 1);
    EXPECT_EQ(window->component(static_cast<int>(rows.size())), window->Language1);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const ControlDesign& row = rows[i];
        SCOPED_TRACE(row.name);
        auto* control = dynamic_cast<TControl*>(window->component(i));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->name(), row.name);
        ASSERT_NE(control->parentControl(), nullptr);
        EXPECT_EQ(control->parentControl()->name(), row.parent);
        EXPECT_EQ(control->boundsRect(), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(control->widget().font().pixelSize(), row.font.pixels > 0 ? row.font.pixels : 13);
        EXPECT_EQ(control->enabled(), !(row.state & Disabled));
        EXPECT_EQ(control->visible(), !(row.state & Hidden));
        EXPECT_FALSE(control->isLoading());
        if (auto* panel = dynamic_cast<TPanel*>(control))
            EXPECT_EQ(panel->caption(), QString::fromUtf8(row.caption));
    }
    // Last, since painting lays the window out: a panel paints the colour
    // it holds inside the raised frame the style draws for a panel.
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        auto* panel = dynamic_cast<TPanel*>(window->component(i));
        if (!panel)
            continue;
        const QImage painted = panel->grab().toImage();
        EXPECT_EQ(painted.pixelColor(2, 2), QColor(rows[i].colour)) << rows[i].name;
        QFrame styled;
        styled.setFrameStyle(QFrame::Panel | QFrame::Raised);
        styled.setPalette(panel->palette());
        styled.setEnabled(panel->isEnabled());
        styled.resize(panel->size());
        const QImage edge = styled.grab().toImage();
        int differing = 0;
        for (int x = 0; x < painted.width(); ++x)
            for (int y = 0; y < painted.height(); ++y)
                if ((x == 0 || y == 0 || x == painted.width() - 1 || y == painted.height() - 1) &&
                    painted.pixel(x, y) != edge.pixel(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0) << rows[i].name;
    }
}

// The window's board, as the design builds it, and the memory board the
// game's own tests play on go through the same short game, each under its
// own game with the same words and draws, and agree panel by panel at every
// step: what the design shows, enables and writes is what the game's tests
// take the window to do.
TEST_F(ShownWindowTest, TheWindowsBoardAndTheMemoryBoardAgreeThroughAGame)
{
    MemoryBoard memory;
    memory.setPictureLoader([](const std::string&) { return PictureSize{120, 90}; });
    NameCatalogue names;
    ScriptedRandom random({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 2});
    Game game(memory, names, random);
    game.buildCatalogue(window->programFolder() + "immagini/");
    Game& shown = window->game();
    const auto agree = [&](const char* step) {
        for (int n = 1; n <= board_map::kPanelCount; ++n) {
            const TPanel& panel = *window->Panel(n);
            const PanelState& expected = memory.panel(n);
            EXPECT_EQ(panel.caption().toStdString(), expected.text) << step << ", Panel" << n;
            EXPECT_EQ(panel.enabled(), expected.enabled) << step << ", Panel" << n;
            EXPECT_EQ(panel.visible(), expected.visible) << step << ", Panel" << n;
        }
    };
    agree("at start");
    for (Game* each : {&shown, &game})
        each->Panel35Click();
    agree("dealt");
    for (Game* each : {&shown, &game})
        each->SlotMouseMove(3);
    agree("a slot previewed");
    int home = 1;
    while (upperCase(AnagramKey(game.gameWord(home))) != memory.panel(board_map::tile(1)).text)
        ++home;
    const int wrong = home == 1 ? 2 : 1;
    for (Game* each : {&shown, &game})
        each->SlotDragDrop(wrong, 1);
    agree("a wrong drop");
    for (Game* each : {&shown, &game})
        each->SlotDragDrop(home, 1);
    agree("a find");
    window->MaiuscoloMinuscolo->setChecked(false);
    memory.setCaseBoxChecked(false);
    for (Game* each : {&shown, &game})
        each->MaiuscoloMinuscoloClick();
    agree("small letters");
}

// The rest of the design: the window itself and the start states that are
// not bounds, colours, fonts or captions.
TEST_F(DesignTest, WindowAndStartStates)
{
    EXPECT_EQ(window->name(), "Principale");
    EXPECT_EQ(window->caption(), "Brindolo 1.0");
    EXPECT_EQ(window->font().pixelSize(), 13);
    EXPECT_EQ(window->Panel(30)->captionAlignment(), TCaptionAlignment::LeftJustify);
    EXPECT_EQ(window->Panel(11)->captionAlignment(), TCaptionAlignment::Center);
    EXPECT_EQ(window->Panel(1)->dragMode(), TDragMode::Automatic);
    EXPECT_EQ(window->Panel(10)->dragMode(), TDragMode::Automatic);
    EXPECT_EQ(window->Panel(11)->dragMode(), TDragMode::Manual);
    EXPECT_EQ(window->Immagine->align(), TAlign::Client);
    EXPECT_TRUE(window->Immagine->stretch() && window->Immagine->center() && window->Immagine->proportional());
    EXPECT_EQ(window->Immagine->decodeSettings(), DecodeSettings{.autoTransform = true}) << "phone photos upright";
    EXPECT_EQ(window->Immagine->progressStep(), 10);
    EXPECT_EQ(window->Immagine->quality(), 75);
    EXPECT_EQ(window->SceltaLingua->itemHeight(), 31);
    EXPECT_EQ(dynamic_cast<TComboBox*>(window->SceltaLingua), nullptr);
    EXPECT_EQ(window->ComboBox1->itemHeight(), 16);
    EXPECT_TRUE(window->ComboBox1->sorted());
    EXPECT_TRUE(window->MaiuscoloMinuscolo->isChecked());
    // Courier New is resolved to an installed monospace font.
    EXPECT_TRUE(QFontInfo(window->Panel(1)->font()).fixedPitch());
    // The longest word the folder check lets pass fits a slot, the narrower
    // of slot and tile, in capitals; one more letter does not.
    const QFontMetrics slotFont(window->Panel(11)->font());
    const int inside = window->Panel(11)->alignRect().width();
    EXPECT_LE(slotFont.horizontalAdvance(QString(kTileCharacters, u'W')), inside);
    EXPECT_GT(slotFont.horizontalAdvance(QString(kTileCharacters + 1, u'W')), inside);
}

TEST(DesignEmptyFolder, AFolderWithoutPicturesGivesAnEmptyCatalogueAndAReportedStart)
{
    std::vector<std::string> reports;
    EventBoundary::setReporter([&](const QString&, const QString& text) { reports.push_back(text.toStdString()); });
    QTemporaryDir empty;
    ASSERT_TRUE(QDir(empty.path()).mkdir("immagini"));
    const std::string folder = empty.path().toStdString() + "/";
    TPrincipale window(nullptr, folder);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.catalogue().count(), 0);
    EXPECT_EQ(window.Memo1->lines(), QStringList{""});
    EXPECT_TRUE(reports.empty());

    const QWidget& gioca = *window.Panel(35);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, gioca.mapTo(&window, gioca.rect().center()));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("Cannot open file " + folder + "immagini", 0), 0u) << reports[0];
    EXPECT_EQ(window.Panel(31)->caption(), "_____");
    EXPECT_TRUE(window.Panel(35)->isHidden());
    EventBoundary::setReporter(nullptr);
}

TEST_F(ShownWindowTest, MemoMirrorsTheCatalogueAndResizingRefitsThePanel)
{
    QStringList expected;
    for (int i = 0; i < window->catalogue().count(); ++i)
        expected << QString::fromStdString(window->catalogue().entry(i));
    EXPECT_EQ(window->Memo1->lines(), expected);

    window->resize(900, 600);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), QRect(0, 0, 900, 600));
    window->resize(700, 400);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), QRect(0, 0, 700, 400));
}

// From smaller than designed to 1920 x 1080, each text is in the family
// chosen, a word too wide for its tile is made to fit, and the boxes'
// indicators are as tall as their text.
TEST_F(ShownWindowTest, AReadingFontAndTheBoxesIndicatorsFollowTheBoardAtEverySize)
{
    EXPECT_FALSE(window->useFontFamily("Nonexistent"));
    EXPECT_TRUE(QFontInfo(window->Panel(1)->font()).fixedPitch()) << "the design's font stays";
    ASSERT_TRUE(window->useFontFamily("andika"));
    // The longest shipped words, and as many capitals as the folder check
    // lets pass, which Andika makes wider than a tile.
    const QString longest[] = {"WASSERMELONE", "KRANKENWAGEN", "HÉLICOPTÈRE", QString(kTileCharacters, u'W')};
    for (const QSize size : {QSize(500, 320), QSize(738, 465), QSize(1024, 600), QSize(1280, 800), QSize(1920, 1080)}) {
        window->resize(size);
        SCOPED_TRACE(size.width());
        for (int panel = 1; panel <= 34; ++panel)
            EXPECT_EQ(QFontInfo(window->Panel(panel)->captionFont()).family(), "Andika") << "Panel" << panel;
        TPanel& tile = *window->Panel(1);
        for (const QString& word : longest) {
            tile.setCaption(word);
            EXPECT_LE(QFontMetrics(tile.captionFont()).horizontalAdvance(word), tile.alignRect().width())
                << word.toStdString();
        }
        for (TCheckBox* box : {window->Voce, window->MaiuscoloMinuscolo}) {
            EXPECT_EQ(QFontInfo(box->font()).family(), "Andika");
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
            EXPECT_GE(indicator.height(), QFontMetrics(box->font()).tightBoundingRect(box->text()).height());
            EXPECT_TRUE(box->rect().contains(indicator));
        }
    }
}

}  // namespace
}  // namespace brindolo::testing
