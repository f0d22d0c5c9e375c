// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/nobderp.h"
#include "layout/resizer_board.h"
#include "widgets/more_controls.h"

#include <gtest/gtest.h>
#include <memory>

namespace brindolo {
namespace {

TEST(ResizerWidthLists, StatusPanelsAndListColumnsScaleTruncatedAndSkipRemovedItems)
{
    Board f;
    auto* bar = f.add<TStatusBar>({0, 440, 738, 25});
    bar->addPanel(QStringLiteral("one"), 100);
    bar->addPanel(QStringLiteral("two"), 250);
    auto* list = f.add<TListView>({0, 0, 400, 200});
    list->setColumnCount(3);
    list->setColumnWidth(0, 120);
    list->setColumnWidth(1, 50);
    list->setColumnWidth(2, 90);
    f.show();

    f.resize(1000, 630);
    EXPECT_EQ(bar->boundsRect().width(), 1000);
    EXPECT_EQ(bar->panels()->width(0), 135);  // 135.5
    EXPECT_EQ(bar->panels()->width(1), 338);  // 338.75
    EXPECT_EQ(list->boundsRect().width(), 542);
    EXPECT_EQ(list->columnWidth(0), 162);  // 162.6
    EXPECT_EQ(list->columnWidth(1), 67);   // 67.75

    f.resize(500, 315);
    EXPECT_EQ(bar->panels()->width(0), 67);   // 67.75
    EXPECT_EQ(bar->panels()->width(1), 169);  // 169.375

    // The application drops the last column and panel: only what is left
    // is scaled. Back at the design size, a float ratio a hair below
    // 100 / 738 truncates to 99.
    list->setColumnCount(2);
    bar->removePanel(1);
    f.resize(738, 465);
    EXPECT_EQ(list->columnWidth(0), 120);
    EXPECT_EQ(list->columnWidth(1), 50);
    EXPECT_EQ(bar->panels()->count(), 1);
    EXPECT_EQ(bar->panels()->width(0), 99);
}

TEST(ResizerWidthLists, RecordsAgainWhenItemsOrWidthsChange)
{
    TForm form(nullptr);
    auto* list = new TListView(&form, &form);
    list->setBounds(0, 0, 400, 100);
    list->setColumnCount(1);
    list->setColumnWidth(0, 100);
    TMRWidthItems columns(*list, u"Columns");
    columns.Record();
    list->setBounds(0, 0, 800, 100);
    columns.Apply();
    EXPECT_EQ(list->columnWidth(0), 200);

    list->setColumnCount(2);  // a new column of 100 at width 800
    list->setColumnWidth(1, 100);
    columns.Record();
    list->setBounds(0, 0, 400, 100);
    columns.Apply();
    EXPECT_EQ(list->columnWidth(0), 100);
    EXPECT_EQ(list->columnWidth(1), 50);

    list->setColumnWidth(0, 300);  // dragged by the user at width 400
    columns.Record();
    list->setBounds(0, 0, 200, 100);
    columns.Apply();
    EXPECT_EQ(list->columnWidth(0), 150);
    EXPECT_EQ(list->columnWidth(1), 25);
}

TEST(ResizerHeader, SectionsScaleWidthsAndLimitsTruncated)
{
    Board f;
    auto* header = f.add<THeaderControl>({0, 0, 738, 24});
    THeaderSections& sections = *header->sections();
    sections.add(200, 100, 300);
    sections.add(300, 100, 300);  // at its maximum
    f.show();

    f.resize(1000, 465);
    EXPECT_EQ(sections.width(0), 271);     // 271.00
    EXPECT_EQ(sections.minWidth(0), 135);  // 135.50
    EXPECT_EQ(sections.maxWidth(0), 406);  // 406.50

    // Growing past the old maximum of 406: the width follows the new
    // limits, not the ones it had before this apply (599.99 truncated).
    f.resize(1476, 465);
    EXPECT_EQ(sections.width(1), 599);
    EXPECT_EQ(sections.maxWidth(1), 599);
    // Shrinking below an old minimum likewise.
    sections.setMinWidth(0, 200);
    f.resize(369, 465);
    EXPECT_EQ(sections.minWidth(0), 49);
    EXPECT_EQ(sections.width(0), 99);
    f.resize(738, 465);
    EXPECT_EQ(sections.width(0), 199);
    EXPECT_EQ(sections.width(1), 299);
}

TEST(ResizerHeader, RebuildsWhenSectionsOrLimitsChangeAndSkipsRemovedOnes)
{
    TForm form(nullptr);
    auto* header = new THeaderControl(&form, &form);
    header->setBounds(0, 0, 400, 20);
    THeaderSections& sections = *header->sections();
    sections.add(100, 40, 200);
    TMRHeaderControl handler(*header);
    handler.Record();

    header->setBounds(0, 0, 800, 20);
    handler.Apply();
    sections.add(80, 20, 400);  // added by the application at width 800
    handler.Record();
    header->setBounds(0, 0, 400, 20);
    handler.Apply();
    EXPECT_EQ(sections.width(0), 100);
    EXPECT_EQ(sections.minWidth(0), 40);
    EXPECT_EQ(sections.width(1), 40);
    EXPECT_EQ(sections.minWidth(1), 10);
    EXPECT_EQ(sections.maxWidth(1), 200);

    sections.setMaxWidth(0, 60);  // a new limit: narrows the section too
    handler.Record();
    header->setBounds(0, 0, 800, 20);
    handler.Apply();
    EXPECT_EQ(sections.maxWidth(0), 120);
    EXPECT_EQ(sections.width(0), 120);

    sections.remove(1);
    header->setBounds(0, 0, 400, 20);
    handler.Apply();
    EXPECT_EQ(sections.count(), 1);
    EXPECT_EQ(sections.width(0), 60);
}

TEST(ResizerSplitter, MinSizeFollowsTheSideItLiesOn)
{
    Board f;
    auto* top = f.add<TSplitter>({0, 200, 738, 4});
    top->setSplitterAlign(TSplitter::alTop);
    top->setMinSize(30);
    auto* left = f.add<TSplitter>({100, 0, 5, 465});
    left->setMinSize(30);
    auto* none = f.add<TSplitter>({200, 0, 5, 465});
    none->setSplitterAlign(TSplitter::alNone);
    none->setMinSize(30);
    auto* client = f.add<TSplitter>({0, 0, 10, 10});
    client->setSplitterAlign(TSplitter::alClient);
    client->setMinSize(30);
    f.show();

    f.resize(1000, 630);
    EXPECT_EQ(top->boundsRect().height(), 5);
    EXPECT_EQ(top->minSize(), 37);  // 37.5
    f.resize(1476, 465);
    EXPECT_EQ(left->boundsRect().width(), 10);
    EXPECT_EQ(left->minSize(), 60);  // against its width, not its height
    EXPECT_EQ(none->minSize(), 30);
    EXPECT_EQ(client->minSize(), 30);
}

TEST(ResizerSplitter, RecordsAgainUnderANewAlign)
{
    TForm form(nullptr);
    auto* splitter = new TSplitter(&form, &form);
    splitter->setBounds(0, 0, 5, 100);
    splitter->setMinSize(30);
    TMRMinSize handler(*splitter);
    handler.Record();
    splitter->setBounds(0, 0, 10, 100);
    handler.Apply();
    EXPECT_EQ(splitter->minSize(), 60);

    splitter->setSplitterAlign(TSplitter::alBottom);
    handler.Record();
    splitter->setBounds(0, 0, 10, 200);
    handler.Apply();
    EXPECT_EQ(splitter->minSize(), 120);

    splitter->setSplitterAlign(TSplitter::alNone);
    handler.Record();
    splitter->setBounds(0, 0, 10, 100);
    handler.Apply();
    EXPECT_EQ(splitter->minSize(), 120);
}

}  // namespace
}  // namespace brindolo
