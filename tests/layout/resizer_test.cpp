// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/nobderp.h"
#include "layout/resizer_board.h"
#include "system/errors.h"
#include "widgets/event_boundary.h"
#include "widgets/more_controls.h"
#include "widgets/timage.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace brindolo {
namespace {

QRect bounds(const TControl& c)
{
    return c.boundsRect();
}

TPanel* makePanel(TComponent* owner, TControl* parent, QRect r, int fontPixels = 16)
{
    auto* p = new TPanel(owner, parent);
    p->setBounds(r.x(), r.y(), r.width(), r.height());
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(fontPixels);
    f.setBold(true);
    p->setFont(f);
    return p;
}

TEST(ResizerArithmetic, RoundsTiesToEvenAndMulDivHalfAwayFromZero)
{
    EXPECT_EQ(roundProduct(1001, ratioOf(369, 738)), 500);
    EXPECT_EQ(roundProduct(1003, ratioOf(369, 738)), 502);
    EXPECT_EQ(truncProduct(10, ratioOf(16, 24)), 6);
    EXPECT_EQ(truncProduct(-10, ratioOf(16, 24)), -6);
    EXPECT_EQ(mulDiv(17, 96, 72), 23);
    EXPECT_EQ(mulDiv(-3, 1, 2), -2);
    EXPECT_EQ(mulDiv(3, 1, 2), 2);
    EXPECT_EQ(mulDiv(3, -1, 2), -2);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
    EXPECT_EQ(mulDiv(2000000000, 3, 4), 1500000000);
}

TEST(ResizerPanel, ScalesDesignBoundsWithTiesToEven)
{
    Board board;
    TPanel* tile = makePanel(board.form.get(), board.panel, {6, 11, 171, 38});
    TPanel* half = makePanel(board.form.get(), board.panel, {0, 100, 369, 20});
    board.show();

    board.resize(1024, 705);
    EXPECT_EQ(bounds(*tile), QRect(8, 17, 237, 58));
    EXPECT_EQ(board.panel->refWidth(), 1024);
    EXPECT_EQ(board.panel->refHeight(), 705);
    EXPECT_TRUE(board.panel->updatesEnabled());

    board.resize(1001, 705);
    EXPECT_EQ(half->width(), 500);
    board.resize(1003, 705);
    EXPECT_EQ(half->width(), 502);
}

TEST(ResizerFont, FollowsTheTighterDirectionInWholePoints)
{
    TForm form(nullptr);
    TPanel* tile = makePanel(&form, &form, {0, 0, 171, 38});
    TMRFont font(*tile, QStringLiteral("Font"));
    EXPECT_EQ(font.font().size(), 12);
    font.Record();

    const struct {
        int w, h, points, pixels;
    } cases[] = {{256, 57, 17, -23}, {342, 76, 24, -32}, {200, 38, 12, -16}, {100, 30, 7, -9}, {3, 1, 1, -1}};
    for (const auto& c : cases) {
        tile->setBounds(0, 0, c.w, c.h);
        font.Apply();
        EXPECT_EQ(font.font().size(), c.points) << c.w << "x" << c.h;
        EXPECT_EQ(font.font().height(), c.pixels) << c.w << "x" << c.h;
        EXPECT_EQ(tile->font().pixelSize(), -c.pixels);
    }
}

TEST(ResizerFont, FontHeightsInPixelsAndCells)
{
    TForm form(nullptr);
    TPanel* p = makePanel(&form, &form, {0, 0, 50, 50}, 27);
    TFont& font = *TFont::of(*p);
    EXPECT_EQ(font.pixelsPerInch(), 96);
    EXPECT_EQ(font.height(), -27);
    EXPECT_EQ(font.size(), 20);
    font.setHeight(40);  // a cell height reads back as written
    EXPECT_EQ(font.height(), 40);
    EXPECT_LE(QFontMetrics(p->font()).height(), 40);
    EXPECT_GT(p->font().pixelSize(), 20);
    font.setSize(9);
    EXPECT_EQ(font.height(), -12);

    // A bitmap font of one size: its cell stops growing at 10 pixels.
    const QByteArray bdf = "STARTFONT 2.1\nFONT -brindolo-Cell Ten-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
                           "SIZE 8 75 75\nFONTBOUNDINGBOX 8 10 0 -2\nSTARTPROPERTIES 3\n"
                           "FAMILY_NAME \"Cell Ten\"\nFONT_ASCENT 8\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\n"
                           "STARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 10 0 -2\nBITMAP\n"
                           "FF\n81\n81\n81\n81\n81\n81\n81\n81\nFF\nENDCHAR\nENDFONT\n";
    const int id = QFontDatabase::addApplicationFontFromData(bdf);
    ASSERT_NE(id, -1);
    p->setFont(QFont(QFontDatabase::applicationFontFamilies(id).value(0)));
    ASSERT_EQ(QFontMetrics(p->font()).height(), 10);
    font.setHeight(40);
    EXPECT_EQ(font.height(), 40);
    EXPECT_EQ(QFontMetrics(p->font()).height(), 10);
    QFontDatabase::removeApplicationFont(id);
}

TEST(ResizerPanel, ShrinkingAndRestoringGivesBackTheSameLayout)
{
    Board board;
    TComponent* owner = board.form.get();
    std::vector<TControl*> all;
    for (int n = 0; n < 10; ++n)
        all.push_back(makePanel(owner, board.panel, {6, 11 + 40 * n, 171, 38}));
    TPanel* box = makePanel(owner, board.panel, {408, 11, 321, 318});
    auto* picture = new TImage(owner, box);
    picture->setBounds(1, 1, 319, 316);
    picture->setAlign(TAlign::Client);
    TPanel* hidden = makePanel(owner, board.panel, {200, 11, 33, 38});
    hidden->setVisible(false);
    auto* combo = new TComboBox(owner, board.panel);
    combo->setBounds(400, 8, 297, 24);
    all.insert(all.end(), {box, picture, hidden, combo});
    board.show();

    auto snapshot = [&] {
        std::vector<std::pair<QRect, int>> s;
        for (TControl* c : all)
            s.emplace_back(c->boundsRect(), c->widget().font().pixelSize());
        s.emplace_back(QRect(combo->itemHeight(), 0, 0, 0), 0);
        return s;
    };
    board.resize(1024, 705);
    const auto large = snapshot();
    EXPECT_EQ(bounds(*hidden), QRect(roundProduct(1024, ratioOf(200, 738)), 17, 46, 58));
    // The picture is placed by its alignment inside its resized container.
    EXPECT_EQ(bounds(*picture), box->alignRect());

    board.resize(40, 30);
    EXPECT_EQ(all[0]->widget().font().pixelSize(), 1);  // never below one point
    board.resize(1024, 705);
    EXPECT_EQ(snapshot(), large);
    board.resize(7, 5);
    board.resize(1024, 705);
    EXPECT_EQ(snapshot(), large);
}

TEST(ResizerPanel, OverwritesApplicationChangesUnlessAllowed)
{
    for (bool allow : {false, true}) {
        Board board;
        board.panel->setAllowChanges(allow);
        TPanel* tile = makePanel(board.form.get(), board.panel, {6, 11, 171, 38});
        board.show();
        board.resize(1476, 930);
        EXPECT_EQ(bounds(*tile), QRect(12, 22, 342, 76));

        tile->setBounds(100, 100, 100, 100);
        TFont::of(*tile)->setSize(30);
        board.resize(738, 465);
        if (allow) {
            EXPECT_EQ(bounds(*tile), QRect(50, 50, 50, 50));
            EXPECT_EQ(TFont::of(*tile)->size(), 15);
        } else {
            EXPECT_EQ(bounds(*tile), QRect(6, 11, 171, 38));
            EXPECT_EQ(TFont::of(*tile)->size(), 12);
        }
    }
}

TEST(ResizerPanel, NestedContainersAndNestedResizerPanels)
{
    Board board;
    TPanel* outer = makePanel(board.form.get(), board.panel, {100, 100, 200, 100});
    TPanel* inner = makePanel(board.form.get(), outer, {20, 10, 100, 50});
    auto* nested = new TNoBDEResizerPanel(board.form.get(), board.panel);
    nested->setLoading(true);
    nested->setBounds(400, 0, 300, 200);
    nested->loaded();
    TPanel* own = makePanel(board.form.get(), nested, {30, 20, 60, 40});
    board.show();

    board.resize(1476, 930);
    EXPECT_EQ(bounds(*outer), QRect(200, 200, 400, 200));
    EXPECT_EQ(bounds(*inner), QRect(40, 20, 200, 100));
    EXPECT_EQ(bounds(*nested), QRect(800, 0, 600, 400));
    // The nested panel's child belongs to the nested panel alone.
    EXPECT_EQ(board.panel->handlerFor(*own), nullptr);
    EXPECT_NE(nested->handlerFor(*own), nullptr);
    EXPECT_EQ(bounds(*own), QRect(60, 40, 120, 80));
}

TEST(ResizerPanel, InactivePanelFollowsItsSizeAndRestartsFromTheMovedLayout)
{
    Board board;
    TPanel* tile = makePanel(board.form.get(), board.panel, {6, 11, 171, 38});
    board.show();
    board.resize(1476, 930);
    ASSERT_EQ(board.panel->handlerCount(), 1);

    board.panel->setActive(false);
    EXPECT_EQ(board.panel->handlerCount(), 0);
    board.resize(1000, 500);
    EXPECT_EQ(bounds(*tile), QRect(12, 22, 342, 76));
    EXPECT_EQ(board.panel->refWidth(), 1000);
    tile->setBounds(100, 50, 200, 100);

    board.panel->setActive(true);
    board.resize(2000, 1000);
    EXPECT_EQ(bounds(*tile), QRect(200, 100, 400, 200));
}

TEST(ResizerPanel, DestroyedControlLosesItsHandler)
{
    Board board;
    TPanel* gone = board.add<TPanel>({6, 11, 171, 38});
    TPanel* stays = board.add<TPanel>({6, 60, 171, 38});
    board.show();
    board.resize(1024, 705);
    ASSERT_EQ(board.panel->handlerCount(), 2);
    delete gone;
    EXPECT_EQ(board.panel->handlerCount(), 1);
    board.resize(738, 465);
    EXPECT_EQ(bounds(*stays), QRect(6, 60, 171, 38));
}

// A panel that gives plain panels a handler they cannot have.
class MisconfiguredPanel : public TNoBDEResizerPanel {
public:
    using TNoBDEResizerPanel::TNoBDEResizerPanel;
    void CreatePropertyHandlers(TControl& control, TMRPropertyHandlers& list) override
    {
        list.push_back(std::make_unique<TMRItemHeight>(control));
    }
};

TEST(ResizerPanel, MissingPropertyAbandonsTheRescale)
{
    Board<MisconfiguredPanel> board;
    TPanel* tile = makePanel(board.form.get(), board.panel, {6, 11, 171, 38});
    TPanel* filler = makePanel(board.form.get(), board.panel, {0, 0, 10, 10});
    filler->setAlign(TAlign::Client);
    const QRect filled = bounds(*filler);
    board.form->show();  // ref size still 0: not loaded
    board.panel->loaded();
    try {
        board.resize(1024, 705);
        ADD_FAILURE() << "no failure";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "No ItemHeight property");
    }
    EXPECT_EQ(board.panel->refWidth(), 738);
    EXPECT_EQ(bounds(*tile), QRect(6, 11, 171, 38));
    EXPECT_EQ(bounds(*filler), filled);  // not realigned either
    EXPECT_TRUE(board.panel->updatesEnabled());
}

// A panel whose every control has a property that cannot be applied.
class FailingApplyPanel : public TNoBDEResizerPanel {
public:
    using TNoBDEResizerPanel::TNoBDEResizerPanel;
    void CreatePropertyHandlers(TControl& control, TMRPropertyHandlers& list) override
    {
        struct FailingApply : TMRPropertyHandler {
            using TMRPropertyHandler::TMRPropertyHandler;
            void Apply() override { throw Exception("Cannot apply"); }
        };
        list.push_back(std::make_unique<FailingApply>(control));
    }
};

TEST(ResizerPanel, AFailureWhileTheWindowResizesIsReportedAndTheWindowGoesOn)
{
    std::vector<std::string> reports;
    EventBoundary::setReporter([&](const QString&, const QString& text) { reports.push_back(text.toStdString()); });
    Board<FailingApplyPanel> board;
    makePanel(board.form.get(), board.panel, {6, 11, 171, 38});
    board.panel->setAlign(TAlign::Client);
    board.show();
    reports.clear();

    board.form->resize(1024, 705);
    EXPECT_EQ(reports, std::vector<std::string>{"Cannot apply."});
    EXPECT_TRUE(board.panel->updatesEnabled());
    EXPECT_EQ(board.panel->refWidth(), 1024);
    board.form->resize(738, 465);
    EXPECT_EQ(reports.size(), 2u);
    EventBoundary::setReporter(nullptr);
}

TEST(ResizerHandlers, TableGivesEachClassItsHandlers)
{
    Board board;
    TComponent* o = board.form.get();
    auto* combo = new TComboBox(o, board.panel);
    combo->setBounds(400, 8, 297, 24);
    auto* other = new TRzComboBox(o, board.panel);
    other->setBounds(416, 256, 275, 39);
    other->setItemHeight(31);
    auto* shape = new TShape(o, board.panel);
    auto* picture = new TImage(o, board.panel);
    auto* label = new TLabel(o, board.panel);
    board.show();
    board.resize(1476, 930);

    auto kinds = [&](TControl& c) {
        std::vector<std::string> names;
        for (auto& h : board.panel->handlerFor(c)->propertyHandlers())
            names.push_back(typeid(*h).name());
        return names;
    };
    const std::string font = typeid(TMRFont).name();
    EXPECT_EQ(kinds(*combo), (std::vector<std::string>{font, typeid(TMRItemHeight).name()}));
    EXPECT_EQ(kinds(*other), (std::vector<std::string>{font}));
    EXPECT_TRUE(kinds(*shape).empty());
    EXPECT_EQ(kinds(*picture), (std::vector<std::string>{typeid(TMRStretch).name()}));
    EXPECT_EQ(kinds(*label), (std::vector<std::string>{font, typeid(TMRAutoSize).name()}));

    EXPECT_EQ(combo->itemHeight(), 32);
    EXPECT_EQ(other->itemHeight(), 31);
    EXPECT_EQ(bounds(*other), QRect(832, 512, 550, 78));

    picture->setStretch(false);
    EXPECT_EQ(board.panel->handlerFor(*picture)->propertyHandlers()[0]->GetWarning(), "Set Stretch to True");
    picture->setStretch(true);
    EXPECT_EQ(board.panel->handlerFor(*picture)->propertyHandlers()[0]->GetWarning(), "");
    EXPECT_EQ(board.panel->handlerFor(*label)->propertyHandlers()[1]->GetWarning(), "Set AutoSize to False");
}

TEST(ResizerHandlers, ComboBoxFontFitGivesTheProportionalHeight)
{
    TForm form(nullptr);
    TPanel* area = makePanel(&form, &form, {0, 0, 738, 465});
    auto* combo = new TRzComboBox(&form, area);
    combo->setBounds(416, 256, 275, 39);
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(27);
    combo->setFont(f);
    // A box that keeps its own height, as one sized by its font does.
    combo->setFixedHeight(39);
    form.show();

    TMRControlHandlerVCL handler(*combo);
    handler.Record(738, 465);
    area->setBounds(0, 0, 1476, 930);
    handler.Apply();
    EXPECT_EQ(bounds(*combo), QRect(832, 512, 550, 39));
    // 27 px is 20 pt, a cell of 26 px; the box is 39 - 26 = 13 taller than
    // its cell, so the cell must become 78 - 13 for the box to be 78 high.
    EXPECT_EQ(TFont::of(*combo)->height(), 65);
    EXPECT_LE(QFontMetrics(combo->font()).height(), 65);
}

TEST(ResizerHandlers, ItemHeightsIndentsAndGridSizesScaleTruncated)
{
    TForm form(nullptr);
    auto* list = new TListBox(&form, &form);
    list->setBounds(0, 0, 100, 24);
    list->setItemHeight(16);
    TMRItemHeight items(*list);
    items.Record();
    list->setBounds(0, 0, 100, 36);
    items.Apply();
    EXPECT_EQ(list->itemHeight(), 24);
    list->setBounds(0, 0, 100, 10);
    items.Apply();
    EXPECT_EQ(list->itemHeight(), 6);

    auto* tree = new TTreeView(&form, &form);
    tree->setBounds(0, 0, 200, 100);
    tree->setIndentation(20);
    TMRTreeView indent(*tree);
    indent.Record();
    tree->setBounds(0, 0, 300, 100);
    indent.Apply();
    EXPECT_EQ(tree->indentation(), 30);

    auto* grid = new TDrawGrid(&form, &form);
    grid->setColumnCount(3);
    grid->setRowCount(2);
    grid->setBounds(0, 0, 300, 100);
    grid->setDefaultColWidth(64);
    grid->setDefaultRowHeight(25);
    grid->setColWidth(1, 100);
    TMRDrawGrid cells(*grid);
    cells.Record();
    grid->setBounds(0, 0, 150, 50);
    cells.Apply();
    EXPECT_EQ(grid->defaultColWidth(), 32);
    EXPECT_EQ(grid->defaultRowHeight(), 12);
    EXPECT_EQ(grid->gridLineWidth(), 1);  // 0.5 truncated, never below 1
    EXPECT_EQ(grid->colWidth(0), 32);
    EXPECT_EQ(grid->colWidth(1), 50);
    EXPECT_EQ(grid->rowHeightAt(1), 12);
    grid->setColumnCount(1);  // removed columns are not addressed
    grid->setBounds(0, 0, 300, 100);
    cells.Apply();
    EXPECT_EQ(grid->colWidth(0), 64);

    EXPECT_THROW(TMRTreeView{*list}, Exception);
}

}  // namespace
}  // namespace brindolo
