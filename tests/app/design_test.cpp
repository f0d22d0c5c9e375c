// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/word_rules.h"
#include "window_fixture.h"

#include <QFontInfo>
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

QColor colourOf(const TControl& control)
{
    if (auto* panel = dynamic_cast<const TPanel*>(&control))
        return panel->color();
    if (auto* shape = dynamic_cast<const TShape*>(&control))
        return shape->brushColor();
    return control.widget().palette().color(QPalette::Base);
}

QString captionOf(const TControl& control)
{
    if (auto* panel = dynamic_cast<const TPanel*>(&control))
        return panel->caption();
    if (auto* box = dynamic_cast<const TCheckBox*>(&control))
        return box->text();
    if (auto* combo = dynamic_cast<const TCustomComboBox*>(&control))
        return combo->currentText();
    return {};
}

// One designed control as the window must show it before it is first shown.
struct Pinned {
    QString name;
    QString parent;
    QRect bounds;
    QColor colour;      // invalid where the design gives none
    int fontPixels;     // 13, the window's, where the design gives none
    bool bold;
    QColor fontColour;  // invalid where the design gives none
    QString caption;
    bool enabled;
    bool visible;
};

// The design written out here on its own, so that a slip in the window's
// design table shows as a difference.
std::vector<Pinned> pinnedDesign()
{
    const QString board = "PannelloPrincipale";
    const QColor green(192, 220, 192), label(240, 251, 255), button(240, 202, 166), black(Qt::black);
    std::vector<Pinned> rows = {
        {board, "Principale", {0, 0, 738, 465}, green, 13, false, {}, "", true, true},
        {"RichiamaLingua1", board, {359, 424, 12, 28}, QColor(0, 128, 0), 13, false, {}, "", true, true},
        {"RichiamaLingua2", board, {370, 424, 12, 28}, QColor(255, 255, 255), 13, false, {}, "", true, true},
        {"RichiamaLingua3", board, {382, 424, 12, 28}, QColor(255, 0, 0), 13, false, {}, "", true, true},
        {"Panel1", board, {6, 11, 171, 38}, green, 16, true, black, "", false, true},
        {"ImmagineContenitore", board, {408, 11, 321, 318}, QColor(255, 255, 255), 13, false, {}, "", true, true},
        {"Immagine", "ImmagineContenitore", {1, 1, 319, 316}, {}, 13, false, {}, "", true, true},
    };
    const auto row = [](int n) { return 11 + 40 * (n - 1); };
    for (int n = 2; n <= 10; ++n)
        rows.push_back({QString("Panel%1").arg(n), board, {6, row(n), 171, 38}, green, 16, true, black, "", false,
                        true});
    for (int n = 1; n <= 10; ++n)
        rows.push_back({QString("Panel%1").arg(10 + n), board, {232, row(n), 169, 38}, green, 16, true, black, "",
                        false, true});
    for (int n = 1; n <= 10; ++n)
        rows.push_back({QString("Panel%1").arg(20 + n), board, {200, row(n), 33, 38}, green, 16, true, black, "",
                        false, false});
    rows.insert(rows.end(), {
        {"Panel31", board, {408, 331, 321, 38}, QColor(192, 192, 192), 21, true, black, "", true, true},
        {"Panel32", board, {6, 419, 171, 38}, label, 19, true, black, "HAI TROVATO", true, true},
        {"Panel33", board, {176, 419, 33, 38}, label, 19, true, black, "", true, true},
        {"Panel34", board, {208, 419, 137, 38}, label, 19, true, black, "PAROLE", true, true},
        {"Panel35", board, {408, 418, 233, 39}, button, 27, true, black, "GIOCA", true, true},
        {"Memo1", board, {208, 264, 505, 41}, {}, 13, false, {}, "", true, false},
        {"Esci", board, {648, 418, 81, 39}, button, 27, true, black, "ESCI", true, true},
        {"SceltaLingua", board, {416, 256, 275, 39}, QColor(0, 0, 128), 27, true, QColor(Qt::white), "italiano",
         true, false},
        {"MaiuscoloMinuscolo", board, {632, 384, 97, 17}, {}, 13, false, {}, "a --> A", true, true},
        {"Voce", board, {560, 384, 65, 17}, {}, 13, false, {}, "voce", true, true},
        {"SceltaTema", board, {408, 378, 145, 28}, QColor(255, 255, 255), 13, true, black, "", true, false},
        {"ComboBox1", board, {400, 8, 297, 24}, {}, 13, false, {}, "", true, false},
    });
    return rows;
}

// Every control as designed, in creation order.
TEST_F(DesignTest, EveryControlMatchesThePinnedDesign)
{
    const std::vector<Pinned> rows = pinnedDesign();
    // Every designed control, then the translator, the one non-visual component.
    ASSERT_EQ(window->componentCount(), static_cast<int>(rows.size()) + 1);
    EXPECT_EQ(window->component(static_cast<int>(rows.size())), window->Language1);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const Pinned& row = rows[i];
        SCOPED_TRACE(row.name.toStdString());
        auto* control = dynamic_cast<TControl*>(window->component(i));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->name(), row.name);
        ASSERT_NE(control->parentControl(), nullptr);
        EXPECT_EQ(control->parentControl()->name(), row.parent);
        EXPECT_EQ(control->boundsRect(), row.bounds);
        if (row.colour.isValid())
            EXPECT_EQ(colourOf(*control), row.colour);
        const QWidget& widget = control->widget();
        EXPECT_EQ(widget.font().family(), "Courier New");
        EXPECT_EQ(widget.font().pixelSize(), row.fontPixels);
        EXPECT_EQ(widget.font().bold(), row.bold);
        if (row.fontColour.isValid())
            EXPECT_EQ(widget.palette().color(QPalette::Text), row.fontColour);
        EXPECT_EQ(captionOf(*control), row.caption);
        EXPECT_EQ(control->enabled(), row.enabled);
        EXPECT_EQ(control->visible(), row.visible);
        EXPECT_FALSE(control->isLoading());
    }
    // Last, since painting lays the window out: a panel paints the colour
    // it holds inside its frame.
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (auto* panel = dynamic_cast<TPanel*>(window->component(i)))
            EXPECT_EQ(panel->grab().toImage().pixelColor(2, 2), rows[i].colour) << rows[i].name.toStdString();
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
