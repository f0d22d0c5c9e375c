// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up does each step once: one scan of the picture folder, one layout of
// the board at the maximized size, one paint, and no picture read or decoded
// before the first game.

#include "app/principale.h"
#include "layout/customrp.h"
#include "picture/decode_cache.h"
#include "widgets/event_boundary.h"

#include <QDir>
#include <QEvent>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <memory>
#include <string>
#include <vector>

namespace brindolo::testing {
namespace {

// What the program opens inside one folder, told by the kernel: the folder
// itself (a scan) or a file in it (a picture read).
class FolderOpens {
public:
    explicit FolderOpens(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        watch_ = inotify_add_watch(fd_, folder.toLocal8Bit().constData(), IN_OPEN);
    }
    ~FolderOpens() { ::close(fd_); }
    bool watching() const { return fd_ >= 0 && watch_ >= 0; }

    void collect()
    {
        alignas(inotify_event) char buffer[16384];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len == 0)
                    ++scans;
                else
                    ++fileReads;
                p += sizeof(inotify_event) + event->len;
            }
        }
    }

    int scans = 0;
    int fileReads = 0;

private:
    int fd_;
    int watch_ = -1;
};

// Paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkdir("immagini"));
        for (const char* word : {"gatto", "cane", "mela", "luna", "fiore"}) {
            QImage picture(QSize(120, 90), QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            ASSERT_TRUE(picture.save(folder.path() + "/immagini/" + word + ".jpg", "JPG"));
        }
        EventBoundary::setReporter([this](const QString&, const QString& text) { reports.push_back(text.toStdString()); });
        DecodeCache::shared().clear();
    }

    void TearDown() override { EventBoundary::setReporter(nullptr); }

    std::unique_ptr<TPrincipale> makeWindow() const
    {
        return std::make_unique<TPrincipale>(nullptr, folder.path().toStdString() + "/");
    }

    static void settle(QWidget& window)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
    }

    static int rescales(const TPrincipale& window)
    {
        return dynamic_cast<const TCustomResizerPanel&>(*window.PannelloPrincipale).rescaleCount();
    }

    QTemporaryDir folder;
    std::vector<std::string> reports;
};

TEST_F(StartupTest, ShownMaximizedTheWindowScansLaysOutAndPaintsOnceAndDecodesNothing)
{
    FolderOpens opens(folder.path() + "/immagini");
    ASSERT_TRUE(opens.watching());
    auto window = makeWindow();
    int formResizes = 0;
    const auto formResize = window->OnResize;
    window->OnResize = [&] {
        ++formResizes;
        formResize();
    };
    PaintCounter board(*window->PannelloPrincipale);

    window->showMaximized();
    settle(*window);
    opens.collect();

    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(opens.scans, 1);
    EXPECT_EQ(window->catalogue().count(), 5);
    EXPECT_EQ(formResizes, 1);
    EXPECT_EQ(rescales(*window), 1);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), window->rect());
    EXPECT_GT(window->PannelloPrincipale->width(), 738);
    EXPECT_EQ(board.paints, 1);
    EXPECT_EQ(opens.fileReads, 0);
    EXPECT_EQ(DecodeCache::shared().count(), 0);
    EXPECT_TRUE(window->Immagine->picture().isNull());
    EXPECT_TRUE(reports.empty());

    // The first game is where the first picture is read and decoded, and
    // each of the others once, ahead of its hover.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      window->Panel(35)->mapTo(window.get(), window->Panel(35)->rect().center()));
    window->Immagine->waitForPrefetch();
    opens.collect();
    const int others = static_cast<int>(window->game().picturesToCome().size());
    EXPECT_LE(others, 4) << "each picture once, the one on show not again";
    EXPECT_EQ(opens.scans, 1);
    EXPECT_EQ(opens.fileReads, 1 + others);
    EXPECT_EQ(DecodeCache::shared().count(), 1) << "the pictures are alike: one decode serves them all";
    EXPECT_FALSE(window->Immagine->picture().isNull());
}

// The board laid out once, at the maximized size, is exactly the board laid
// out first at the design size and then maximized.
TEST_F(StartupTest, OneLayoutAtTheMaximizedSizeGivesTheSameBoardAsTwo)
{
    auto once = makeWindow();
    once->showMaximized();
    settle(*once);
    auto twice = makeWindow();
    twice->show();
    settle(*twice);
    twice->showMaximized();
    QTest::qWait(50);

    ASSERT_EQ(rescales(*once), 1);
    ASSERT_EQ(rescales(*twice), 2);
    ASSERT_EQ(once->size(), twice->size());
    ASSERT_EQ(once->componentCount(), twice->componentCount());
    int controls = 0;
    for (int i = 0; i < once->componentCount(); ++i) {
        const auto* a = dynamic_cast<const TControl*>(once->component(i));
        const auto* b = dynamic_cast<const TControl*>(twice->component(i));
        if (!a)
            continue;
        ++controls;
        ASSERT_NE(b, nullptr);
        SCOPED_TRACE(a->name().toStdString());
        EXPECT_EQ(a->boundsRect(), b->boundsRect());
        EXPECT_EQ(a->widget().font(), b->widget().font());
        if (const auto* combo = dynamic_cast<const TCustomComboBox*>(a))
            EXPECT_EQ(combo->itemHeight(), dynamic_cast<const TCustomComboBox*>(b)->itemHeight());
    }
    // The panel and the 47 controls on it.
    EXPECT_EQ(controls, 48);
}

// Full screen, as maximized: one layout, straight at the screen's size.
TEST_F(StartupTest, ShownFullScreenTheBoardIsLaidOutOnceOverTheWholeScreen)
{
    auto window = makeWindow();
    window->showFullScreen();
    settle(*window);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_EQ(window->frameGeometry(), window->screen()->geometry());
    EXPECT_EQ(rescales(*window), 1);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), window->rect());
}

// A window the window system has not placed yet, or one shown at its design
// size, still gets its layout from its first real size change.
TEST_F(StartupTest, AWindowShownNormallyIsLaidOutOnceAtItsDesignSizeAndAgainOnEveryResize)
{
    auto window = makeWindow();
    window->show();
    settle(*window);
    EXPECT_EQ(rescales(*window), 1);
    EXPECT_EQ(window->PannelloPrincipale->boundsRect(), QRect(0, 0, 738, 465));
    EXPECT_EQ(window->Panel(1)->boundsRect(), QRect(6, 11, 171, 38));

    window->resize(1024, 705);
    EXPECT_EQ(rescales(*window), 2);
    EXPECT_EQ(window->Panel(1)->boundsRect(), QRect(8, 17, 237, 58));
}

// The catalogue list stays hidden, so it never makes the editor that would
// lay its names out; shown, it shows them all.
TEST_F(StartupTest, TheHiddenCatalogueListMakesNoEditor)
{
    auto window = makeWindow();
    window->FormCreate();
    ASSERT_EQ(window->catalogue().count(), 5);
    QStringList expected;
    for (int i = 0; i < window->catalogue().count(); ++i)
        expected << QString::fromStdString(window->catalogue().entry(i));
    EXPECT_EQ(window->Memo1->lines(), expected);
    EXPECT_EQ(window->Memo1->editor(), nullptr);

    window->show();
    window->Memo1->show();
    ASSERT_NE(window->Memo1->editor(), nullptr);
    EXPECT_EQ(window->Memo1->editor()->toPlainText(), expected.join('\n'));
    window->Memo1->appendLine("x.jpg");
    EXPECT_EQ(window->Memo1->lines(), expected << "x.jpg");
}

}  // namespace
}  // namespace brindolo::testing
