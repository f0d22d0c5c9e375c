// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/errors.h"
#include "widgets/event_boundary.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>
#include <vector>

namespace brindolo {
namespace {

class EventBoundaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventBoundary::setTitle(QStringLiteral("Brindolo 1.0"));
        EventBoundary::setReporter([this](const QString& caption, const QString& text) {
            reports.emplace_back(caption, text);
        });
    }
    void TearDown() override
    {
        EventBoundary::setReporter(nullptr);
        EventBoundary::setCanceller(nullptr);
    }
    std::vector<std::pair<QString, QString>> reports;
};

TEST(EventBoundaryText, PeriodIsAppendedUnlessTheTextEndsAtOrBelowThePeriod)
{
    EXPECT_EQ(EventBoundary::reportText(""), "");
    EXPECT_EQ(EventBoundary::reportText("File not found"), "File not found.");
    EXPECT_EQ(EventBoundary::reportText("Done."), "Done.");
    EXPECT_EQ(EventBoundary::reportText("Stop!"), "Stop!");     // 33
    EXPECT_EQ(EventBoundary::reportText("a-"), "a-");           // 45
    EXPECT_EQ(EventBoundary::reportText("dir/"), "dir/.");      // 47
    EXPECT_EQ(EventBoundary::reportText("trailing "), "trailing ");
    EXPECT_EQ(EventBoundary::reportText(QString::fromUtf8("città")), QString::fromUtf8("città."));
    EXPECT_EQ(EventBoundary::reportText(QString::fromUtf8("emoji 😀")), QString::fromUtf8("emoji 😀."));
}

TEST_F(EventBoundaryTest, EveryKindOfFailureIsReportedOnceWithTheTitleAsCaption)
{
    bool after = false;
    EXPECT_FALSE(EventBoundary::run([&] {
        throw EFOpenError("Cannot open file /x/immagini/cat.jpg");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_FALSE(EventBoundary::run([] { throw std::runtime_error("plain"); }));
    EXPECT_FALSE(EventBoundary::run([] { throw 42; }));
    EXPECT_TRUE(EventBoundary::run([] {}));

    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].first, "Brindolo 1.0");
    EXPECT_EQ(reports[0].second, "Cannot open file /x/immagini/cat.jpg.");
    EXPECT_EQ(reports[1].second, "plain.");
    EXPECT_FALSE(reports[2].second.isEmpty());
}

TEST_F(EventBoundaryTest, SilentAbortEndsTheHandlerWithoutAMessage)
{
    int cancelled = 0;
    EventBoundary::setCanceller([&] { ++cancelled; });
    EXPECT_FALSE(EventBoundary::run([] { throw EAbort(); }));
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(cancelled, 1);
}

TEST_F(EventBoundaryTest, FailureReleasesTheMouseGrabAndCancelsBeforeReporting)
{
    QWidget widget;
    widget.show();
    std::vector<std::string> order;
    EventBoundary::setCanceller([&] { order.push_back("cancel"); });
    EventBoundary::setReporter([&](const QString&, const QString&) {
        order.push_back(QWidget::mouseGrabber() ? "report while grabbed" : "report");
    });
    EventBoundary::run([&] {
        widget.grabMouse();
        throw Exception("boom");
    });
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(order, (std::vector<std::string>{"cancel", "report"}));
}

TEST_F(EventBoundaryTest, AFailingReporterDoesNotEscape)
{
    EventBoundary::setReporter([](const QString&, const QString&) { throw std::runtime_error("again"); });
    EXPECT_FALSE(EventBoundary::run([] { throw Exception("first"); }));
}

}  // namespace
}  // namespace brindolo
