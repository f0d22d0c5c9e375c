// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/design.h"
#include "app/principale.h"
#include "layout/customrp.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace brindolo {
namespace {

// The main window at three client sizes: every control on the board sits
// where its design bounds, scaled from 738 x 465, put it; the picture fills
// its container.
TEST(WindowScaling, EveryControlFollowsItsDesignProportions)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("immagini"));
    TPrincipale window(nullptr, folder.path().toStdString() + "/");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TControl& panel = *window.PannelloPrincipale;
    window.SceltaLingua->appendItem("italiano");
    const QAbstractItemView& languages = *window.SceltaLingua->view();

    for (QSize size : {QSize(1024, 705), QSize(500, 300), QSize(1920, 1050)}) {
        window.resize(size);
        ASSERT_EQ(panel.width(), size.width());
        ASSERT_EQ(panel.height(), size.height());
        for (const ControlDesign& design : principaleControls()) {
            auto* control = dynamic_cast<TControl*>(window.findComponent(QString::fromLatin1(design.name)));
            ASSERT_NE(control, nullptr) << design.name;
            if (control == &panel)
                continue;
            const TControl& parent = *control->parentControl();
            if (control->align() == TAlign::Client) {
                EXPECT_EQ(control->boundsRect(), parent.alignRect()) << design.name;
                continue;
            }
            ASSERT_EQ(&parent, &panel) << design.name;
            const QRect expected(roundProduct(size.width(), ratioOf(design.left, 738)),
                                 roundProduct(size.height(), ratioOf(design.top, 465)),
                                 roundProduct(size.width(), ratioOf(design.width, 738)),
                                 roundProduct(size.height(), ratioOf(design.height, 465)));
            EXPECT_EQ(control->boundsRect(), expected) << design.name << " at " << size.width();
        }
        EXPECT_EQ(window.SceltaLingua->itemHeight(), 31);
        // A language list row is never lower than a line of its font.
        EXPECT_EQ(QFontInfo(languages.font()).pixelSize(), QFontInfo(window.SceltaLingua->font()).pixelSize());
        EXPECT_GE(languages.sizeHintForRow(0), std::max(31, QFontMetrics(languages.font()).lineSpacing()));
        EXPECT_EQ(window.ComboBox1->itemHeight(),
                  truncProduct(window.ComboBox1->clientHeight(), ratioOf(16, 24)));
    }
    // The tile font: 16 px is 12 pt in a 171 x 38 tile.
    window.resize(1476, 930);
    EXPECT_EQ(TFont::of(*window.Panel(1))->size(), 24);
}

}  // namespace
}  // namespace brindolo
