// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/errors.h"
#include "widgets/controls.h"
#include "widgets/drag_controller.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace brindolo {
namespace {

// A window with one automatic drag source and targets of every sort.
class DragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventBoundary::setReporter([this](const QString&, const QString& text) { reports.push_back(text); });
        form = std::make_unique<TForm>(nullptr);
        form->setGeometry(50, 50, 400, 300);
        source = panel(10, 10, "ACT");
        source->setDragMode(TDragMode::Automatic);
        accepting = panel(200, 10, "");
        accepting->OnDragOver = [this](TControl& s) { asked.push_back(&s); return true; };
        accepting->OnDragDrop = [this](TControl& s) { dropped.push_back(&s); };
        disabled = panel(200, 60, "");
        disabled->OnDragOver = [this](TControl& s) { asked.push_back(&s); return true; };
        disabled->OnDragDrop = [this](TControl& s) { dropped.push_back(&s); };
        disabled->setEnabled(false);
        refusing = panel(200, 110, "");
        refusing->OnDragOver = [this](TControl& s) { asked.push_back(&s); return false; };
        refusing->OnDragDrop = [this](TControl& s) { dropped.push_back(&s); };
        hover = panel(200, 160, "");
        hover->OnMouseMove = [this](QMouseEvent&) { ++hovers; };
        failing = panel(200, 210, "");
        failing->OnDragOver = [](TControl&) { return true; };
        failing->OnDragDrop = [](TControl&) { throw Exception("Cannot open file x"); };
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        DragController::instance().cancel();
        EventBoundary::setReporter(nullptr);
    }

    TPanel* panel(int left, int top, const char* caption)
    {
        auto* p = new TPanel(form.get(), form.get());
        p->setBounds(left, top, 100, 30);
        p->setCaption(caption);
        return p;
    }
    static QPoint centre(TPanel* p) { return p->geometry().center(); }
    QWindow* window() const { return form->windowHandle(); }
    void press(TPanel* p) { QTest::mousePress(window(), Qt::LeftButton, {}, centre(p)); }
    void moveTo(TPanel* p) { QTest::mouseMove(window(), centre(p)); }
    void releaseAt(QPoint at) { QTest::mouseRelease(window(), Qt::LeftButton, {}, at); }
    void dragTo(TPanel* p)
    {
        press(source);
        moveTo(p);
        releaseAt(centre(p));
    }
    static Qt::CursorShape cursor()
    {
        return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    }
    void expectIdle()
    {
        auto& drag = DragController::instance();
        EXPECT_FALSE(drag.dragging());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(source->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_TRUE(form->findChildren<QLabel*>().isEmpty());
    }

    std::unique_ptr<TForm> form;
    TPanel *source, *accepting, *disabled, *refusing, *hover, *failing;
    std::vector<TControl*> asked, dropped;
    std::vector<QString> reports;
    int hovers = 0;
};

TEST_F(DragTest, PressStartsTheDragAtOnceAndReleaseOverAnAcceptingTargetDrops)
{
    auto& drag = DragController::instance();
    press(source);
    EXPECT_TRUE(drag.dragging());
    EXPECT_EQ(drag.source(), source);
    EXPECT_EQ(QWidget::mouseGrabber(), source);
    EXPECT_EQ(cursor(), Qt::ForbiddenCursor);

    moveTo(hover);
    EXPECT_EQ(hovers, 0) << "no control sees mouse moves while a drag holds the mouse";
    moveTo(accepting);
    EXPECT_EQ(drag.target(), accepting);
    EXPECT_TRUE(drag.accepted());
    EXPECT_EQ(cursor(), Qt::DragMoveCursor);
    const auto labels = form->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "ACT");
    EXPECT_TRUE(labels[0]->isVisible());

    releaseAt(centre(accepting));
    EXPECT_EQ(dropped, std::vector<TControl*>{source});
    EXPECT_FALSE(asked.empty());
    expectIdle();

    moveTo(hover);
    EXPECT_EQ(hovers, 1) << "mouse moves come back once the drag is over";
}

TEST_F(DragTest, ReleaseOverADisabledRefusingOrEmptySpotDropsNothing)
{
    dragTo(disabled);
    EXPECT_TRUE(asked.empty()) << "a disabled control is not even asked";
    dragTo(refusing);
    EXPECT_EQ(asked.size(), 2u);  // on the move and on the release
    press(source);
    QTest::mouseMove(window(), QPoint(350, 280));
    EXPECT_EQ(cursor(), Qt::ForbiddenCursor);
    releaseAt(QPoint(350, 280));
    EXPECT_TRUE(dropped.empty());
    expectIdle();
}

TEST_F(DragTest, OnlyTheLeftButtonOfAnEnabledAutomaticSourceStartsADrag)
{
    QTest::mousePress(window(), Qt::RightButton, {}, centre(source));
    EXPECT_FALSE(DragController::instance().dragging());
    QTest::mouseRelease(window(), Qt::RightButton, {}, centre(source));

    source->setEnabled(false);
    press(source);
    EXPECT_FALSE(DragController::instance().dragging());
    releaseAt(centre(source));

    source->setEnabled(true);
    source->setDragMode(TDragMode::Manual);
    press(source);
    EXPECT_FALSE(DragController::instance().dragging());
    releaseAt(centre(source));
}

TEST_F(DragTest, DoubleClickStartsADragToo)
{
    const QPoint local(5, 5);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, local, source->mapToGlobal(local), Qt::LeftButton,
                            Qt::LeftButton, {});
    QApplication::sendEvent(source, &doubleClick);
    EXPECT_TRUE(DragController::instance().dragging());
    moveTo(accepting);
    releaseAt(centre(accepting));
    EXPECT_EQ(dropped.size(), 1u);
}

TEST_F(DragTest, AFailingDropIsReportedAndTheNextEventWorks)
{
    dragTo(failing);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Cannot open file x.");
    expectIdle();
    dragTo(accepting);
    EXPECT_EQ(dropped.size(), 1u);
}

TEST_F(DragTest, AFailingDragOverCancelsTheDrag)
{
    refusing->OnDragOver = [](TControl&) -> bool { throw Exception("over"); };
    press(source);
    moveTo(refusing);
    EXPECT_EQ(reports.size(), 1u);
    expectIdle();
    releaseAt(centre(refusing));
    EXPECT_TRUE(dropped.empty());
}

}  // namespace
}  // namespace brindolo
