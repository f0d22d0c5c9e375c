// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random player actions on the main window, checking after
// every one that the board still tells a consistent story and that every
// failure reached the player through the message box.
//
// BRINDOLO_MONKEY_SEED picks the run (the seed in use is printed with any
// failure); BRINDOLO_MONKEY_EVENTS sets how many actions it takes.

#include "app/principale.h"
#include "game/clock_random.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace brindolo::testing {
namespace {

unsigned long environmentNumber(const char* name, unsigned long fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const unsigned long number = value.toULong(&ok);
    return ok ? number : fallback;
}

std::string recased(std::string text, bool capitals)
{
    for (char& c : text)
        c = static_cast<char>(capitals ? std::toupper(static_cast<unsigned char>(c))
                                       : std::tolower(static_cast<unsigned char>(c)));
    return text;
}

class MonkeyTest : public ::testing::Test {
protected:
    static constexpr const char* kWords[] = {"gatto", "cane", "mela", "luna", "fiore", "casa", "nave", "sole"};

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QDir root(folder.path());
        ASSERT_TRUE(root.mkdir("immagini"));
        for (const char* word : kWords) {
            QImage picture(QSize(word[0] == 'f' ? 420 : 60, 45), QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            ASSERT_TRUE(picture.save(picturePath(word), "JPG"));
        }
        QFile mela(picturePath("mela"));
        ASSERT_TRUE(mela.open(QIODevice::ReadOnly));
        melaBytes = mela.readAll();
        // A picture cut short, a folder named like a picture and a link to
        // nothing: each fails to load in its own way whenever it is shown.
        QFile whole(picturePath("gatto"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        QFile cut(picturePath("rotto"));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(whole.size() / 2));
        cut.close();
        ASSERT_TRUE(root.mkdir("immagini/cartella.jpg"));
        ASSERT_TRUE(QFile::link(folder.path() + "/immagini/sparito.png", picturePath("sparito")));

        write("lingue.txt", "italiano\r\nEnglish\r\nDeutsch\r\nfran\xc3\xa7" "ais\r\n\r\n");
        write("italiano.lng", "[Translations]\r\nPrincipale.Esci.Caption=ESCI\r\nPrincipale.Panel35.Caption=GIOCA\r\n");
        write("english.lng", "[Translations]\r\nPrincipale.Esci.Caption=EXIT\r\nPrincipale.Panel35.Caption=PLAY\r\n"
                             "Principale.Panel32.Caption=YOU FOUND\r\nPrincipale.Caption=Brindolo\r\n");
        write("fran\xc3\xa7" "ais.lng", "[Translations]\nPrincipale.Panel34.Caption=MOTS\n");

        EventBoundary::setTitle("Brindolo 1.0");
        EventBoundary::setReporter([this](const QString& caption, const QString& text) {
            reports.push_back({caption, text});
        });
    }

    void TearDown() override
    {
        window.reset();
        EventBoundary::setReporter(nullptr);
    }

    QString picturePath(const char* word) const { return folder.path() + "/immagini/" + word + ".jpg"; }

    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(folder.path() + "/" + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A fresh program start, as a player would after a game that cannot go on.
    void startProgram()
    {
        window.reset();
        // The game's own draws come from the run's seed, so that a failing
        // run replays exactly.
        window = std::make_unique<TPrincipale>(&application, folder.path().toStdString() + "/",
                                               std::make_unique<SeededRandom>(static_cast<unsigned>(engine())));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }
    QWindow* handle() const { return window->windowHandle(); }
    QPoint centreOf(const QWidget& widget) const { return widget.mapTo(window.get(), widget.rect().center()); }
    QPoint anywhere()
    {
        const QSize size = window->QWidget::size();
        return QPoint(pick(std::max(1, size.width())), pick(std::max(1, size.height())));
    }
    std::string text(int panel) const { return window->Panel(panel)->caption().toStdString(); }

    // The place a click or drag ends: a slot, a tile or anywhere at all,
    // never the exit button, which would end the program.
    QPoint target()
    {
        QPoint point;
        switch (pick(3)) {
        case 0: point = centreOf(*window->Panel(11 + pick(10))); break;
        case 1: point = centreOf(*window->Panel(1 + pick(10))); break;
        default: point = anywhere(); break;
        }
        const QRect exit(window->Esci->mapTo(window.get(), QPoint(0, 0)), window->Esci->size());
        return exit.contains(point) ? QPoint(0, 0) : point;
    }

    // One random action of the player; the text says which, for the trace.
    std::string act()
    {
        std::ostringstream what;
        const int kind = pick(100);
        if (kind < 8) {
            what << "click GIOCA";
            QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(*window->Panel(35)));
        } else if (kind < 14) {
            what << "click the case box";
            QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(*window->MaiuscoloMinuscolo));
        } else if (kind < 19) {
            TShape* strips[] = {window->RichiamaLingua1, window->RichiamaLingua2, window->RichiamaLingua3};
            const int strip = pick(3);
            const Qt::MouseButton button = pick(4) == 0 ? Qt::RightButton : Qt::LeftButton;
            what << "click flag strip " << strip + 1 << " with button " << button;
            QTest::mouseClick(handle(), button, {}, centreOf(*strips[strip]));
        } else if (kind < 24) {
            languageAction(what);
        } else if (kind < 60) {
            const int tile = 1 + pick(10);
            const QPoint from = pick(10) == 0 ? anywhere() : centreOf(*window->Panel(tile));
            what << "drag from (" << from.x() << "," << from.y() << ") tile " << tile;
            QTest::mousePress(handle(), Qt::LeftButton, {}, from);
            for (int moves = pick(3); moves > 0; --moves)
                QTest::mouseMove(handle(), target());
            // Now and then the player knows the word: without that, a game
            // would hardly ever reach its tenth word.
            const int known = pick(3) == 0 ? slotSpelledBy(text(tile)) : 0;
            const QPoint to = known ? centreOf(*window->Panel(10 + known)) : target();
            what << " to (" << to.x() << "," << to.y() << ")";
            QTest::mouseMove(handle(), to);
            QTest::mouseRelease(handle(), Qt::LeftButton, {}, to);
        } else if (kind < 90) {
            const bool slot = pick(4) != 0;
            const QPoint to = slot ? centreOf(*window->Panel(11 + pick(10))) : anywhere();
            what << "hover at (" << to.x() << "," << to.y() << ")";
            QTest::mouseMove(handle(), to);
        } else if (kind < 95) {
            const QPoint at = target();
            what << "click at (" << at.x() << "," << at.y() << ")";
            QTest::mouseClick(handle(), Qt::LeftButton, {}, at);
        } else if (kind < 96) {
            // The teacher takes the language list away, or puts it back.
            const QString list = folder.path() + "/lingue.txt";
            const QString away = folder.path() + "/lingue.off";
            what << (QFile::exists(list) ? "remove" : "restore") << " lingue.txt";
            if (!QFile::rename(list, away))
                QFile::rename(away, list);
        } else if (kind < 97) {
            // The teacher overwrites a picture with a broken copy, or mends it:
            // no decoded picture may outlive the bytes it came from.
            QFile picture(picturePath("mela"));
            const bool broken = picture.size() < melaBytes.size();
            what << (broken ? "mend" : "break") << " mela.jpg";
            if (picture.open(QIODevice::WriteOnly | QIODevice::Truncate))
                picture.write(broken ? melaBytes : melaBytes.left(melaBytes.size() / 2));
        } else {
            const QSize size(120 + pick(1400), 100 + pick(900));
            what << "resize to " << size.width() << "x" << size.height();
            window->resize(size);
            QApplication::processEvents();
        }
        return what.str();
    }

    // A pick from the open language list, or typing into its text field:
    // only while the player can see it.
    void languageAction(std::ostringstream& what)
    {
        TRzComboBox& list = *window->SceltaLingua;
        if (!list.isVisible()) {
            what << "no language list to use";
            return;
        }
        if (list.count() > 0 && pick(2) == 0) {
            const int index = pick(list.count());
            what << "pick language " << index;
            ++languageChoices;
            list.hidePopup();
            list.setCurrentIndex(index);
            return;
        }
        static const char* const typed[] = {"i", "English", "x", "\b", "DEUTSCH", " "};
        const QString keys = QString::fromLatin1(typed[pick(6)]);
        what << "type '" << keys.toStdString() << "'";
        ++languageChoices;
        list.hidePopup();
        // Each key changes the text, and a change hides the field.
        for (qsizetype i = 0; i < keys.size() && list.isVisible(); ++i)
            QTest::keyClick(&list, keys[i].toLatin1());
    }

    // The open slot (1..10) whose word the text spells, 0 when none.
    int slotSpelledBy(const std::string& tileText) const
    {
        if (tileText.empty())
            return 0;
        const auto key = [](std::string text) {
            text = recased(text, true);
            std::sort(text.begin(), text.end());
            return text;
        };
        for (int k = 1; k <= 10; ++k) {
            const std::string& word = window->game().gameWord(k);
            if (window->Panel(10 + k)->isEnabled() && key(word.substr(0, word.find(".jpg"))) == key(tileText))
                return k;
        }
        return 0;
    }

    // What must hold between any two events.
    ::testing::AssertionResult invariantsHold()
    {
        for (const Report& report : reports) {
            if (report.caption != "Brindolo 1.0" || report.text.isEmpty()
                || report.text.startsWith("Unexpected failure"))
                return ::testing::AssertionFailure()
                       << "unexpected report: " << report.caption.toStdString() << " | " << report.text.toStdString();
        }
        for (const Report& report : reports)
            reportTexts.insert(report.text.toStdString());
        reportCount += reports.size();
        reports.clear();
        if (QApplication::activeModalWidget())
            return ::testing::AssertionFailure() << "a modal window is open";
        // Whatever language is chosen, the captions come from a language
        // file or the design, whole.
        const QString exit = window->Esci->caption();
        const QString play = window->Panel(35)->caption();
        if ((exit != "ESCI" && exit != "EXIT") || (play != "GIOCA" && play != "PLAY"))
            return ::testing::AssertionFailure()
                   << "captions '" << exit.toStdString() << "' and '" << play.toStdString() << "'";
        englishShown += exit == "EXIT";

        const Game& game = window->game();
        const bool started = !text(33).empty();
        const bool capitals = window->MaiuscoloMinuscolo->isChecked();
        int disabledSlots = 0;
        for (int k = 1; k <= 10; ++k) {
            const TPanel& slot = *window->Panel(10 + k);
            if (!started) {
                if (slot.isEnabled() || !text(10 + k).empty())
                    return ::testing::AssertionFailure() << "slot " << k << " is in play before any game";
                continue;
            }
            if (slot.isEnabled()) {
                if (!text(10 + k).empty())
                    return ::testing::AssertionFailure() << "open slot " << k << " shows '" << text(10 + k) << "'";
                continue;
            }
            ++disabledSlots;
            const std::string& word = game.gameWord(k);
            const std::string stem = word.substr(0, word.find(".jpg"));
            if (text(10 + k) != recased(stem, capitals))
                return ::testing::AssertionFailure()
                       << "found slot " << k << " shows '" << text(10 + k) << "', not the stem of " << word;
        }
        if (!started)
            return ::testing::AssertionSuccess();
        if (game.foundCount() != disabledSlots)
            return ::testing::AssertionFailure()
                   << "found count " << game.foundCount() << " but " << disabledSlots << " slots found";
        if (text(33) != std::to_string(game.foundCount()))
            return ::testing::AssertionFailure() << "the counter shows " << text(33) << " for " << game.foundCount();
        if (window->Panel(35)->isHidden() != (game.foundCount() < 10))
            return ::testing::AssertionFailure() << "GIOCA is " << (window->Panel(35)->isHidden() ? "hidden" : "shown")
                                                 << " with " << game.foundCount() << " words found";
        for (int tile = 1; tile <= 10; ++tile)
            if (!window->Panel(tile)->isEnabled())
                return ::testing::AssertionFailure() << "tile " << tile << " was disabled";
        return ::testing::AssertionSuccess();
    }

    // A start whose first picture failed leaves no tile to play and no
    // GIOCA to press: nothing the player does can change that.
    bool stuck() const
    {
        if (!window->Panel(35)->isHidden())
            return false;
        for (int tile = 1; tile <= 10; ++tile)
            if (!text(tile).empty())
                return false;
        return window->game().foundCount() < 10;
    }

    struct Report {
        QString caption;
        QString text;
    };

    QTemporaryDir folder;
    std::mt19937 engine;
    // The window's owner, as in the program: the translator's paths start here.
    TApplication application;
    std::unique_ptr<TPrincipale> window;
    std::vector<Report> reports;
    std::size_t reportCount = 0;
    int languageChoices = 0;
    int englishShown = 0;
    QByteArray melaBytes;
    std::set<std::string> reportTexts;
};

// The offscreen platform cannot grab the mouse or raise a window and says so
// at every drag and every opening of the language list: thousands of those
// would bury anything else Qt has to say.
class QuietAboutGrabs {
public:
    QuietAboutGrabs() { previous_ = qInstallMessageHandler(handle); }
    ~QuietAboutGrabs() { qInstallMessageHandler(previous_); }
    QuietAboutGrabs(const QuietAboutGrabs&) = delete;
    QuietAboutGrabs& operator=(const QuietAboutGrabs&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            previous_(type, context, message);
    }
    inline static QtMessageHandler previous_ = nullptr;
};

TEST_F(MonkeyTest, RandomPlayKeepsTheBoardConsistentAndReportsEveryFailure)
{
    const auto seed = static_cast<unsigned>(environmentNumber("BRINDOLO_MONKEY_SEED", 20240611));
    const unsigned long events = environmentNumber("BRINDOLO_MONKEY_EVENTS", 20000);
    SCOPED_TRACE("BRINDOLO_MONKEY_SEED=" + std::to_string(seed));
    engine.seed(seed);
    const QuietAboutGrabs quiet;
    startProgram();

    std::deque<std::string> recent;
    int restarts = 0;
    int wordsFound = 0;
    int gamesWon = 0;
    for (unsigned long event = 0; event < events; ++event) {
        const int foundBefore = window->game().foundCount();
        recent.push_back(act());
        if (recent.size() > 12)
            recent.pop_front();
        const auto holds = invariantsHold();
        if (!holds) {
            std::string trail;
            for (const std::string& step : recent)
                trail += "\n  " + step;
            FAIL() << "after event " << event << ": " << holds.message() << "\nlast events:" << trail;
        }
        if (window->game().foundCount() > foundBefore) {
            ++wordsFound;
            gamesWon += window->game().foundCount() == 10;
        }
        if (stuck()) {
            ++restarts;
            startProgram();
        }
    }
    // A monkey that never got anywhere would prove nothing.
    if (events >= 20000) {
        EXPECT_GT(gamesWon, 0);
        EXPECT_GT(reportCount, 0u) << "no broken picture was ever shown";
        EXPECT_GT(languageChoices, 0) << "the language list never opened";
        EXPECT_GT(englishShown, 0) << "no choice ever translated";
    }
    std::printf("monkey: seed %u, %lu events, %d words found, %d games won, %d language choices, "
                "%zu failures reported, %d restarts\n",
                seed, events, wordsFound, gamesWon, languageChoices, reportCount, restarts);
    for (const std::string& text : reportTexts)
        std::printf("  reported: %s\n", text.c_str());
}

}  // namespace
}  // namespace brindolo::testing
