// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recording_speaker.h"
#include "widgets/drag_controller.h"
#include "window_fixture.h"

#include "app/design.h"
#include "app/session_end.h"
#include "game/word_rules.h"
#include "picture/bitmap.h"
#include "picture/decode_cache.h"

#include <QAccessible>
#include <QFile>
#include <QLocale>
#include <QPointingDevice>
#include <QPrintDialog>
#include <QTimer>
#include <QScopeGuard>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>

namespace brindolo::testing {
namespace {

using namespace board_map;
using PlayTest = WindowTest;

TEST_F(PlayTest, BeforeTheFirstGameNothingDragsAndNothingPreviews)
{
    EXPECT_EQ(window->catalogue().count(), 10);
    for (int panel = 1; panel <= 20; ++panel)
        EXPECT_FALSE(window->Panel(panel)->isEnabled()) << "Panel" << panel;
    QTest::mousePress(handle(), Qt::LeftButton, {}, centreOf(1));
    EXPECT_FALSE(DragController::instance().dragging());
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, centreOf(11));
    hover(11);
    for (int panel = kRecasedPanels.first; panel <= kRecasedPanels.last; ++panel)
        EXPECT_EQ(text(panel), "") << "Panel" << panel;
    EXPECT_TRUE(window->Immagine->fileNamePath().empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(PlayTest, AWholeGamePlayedWithTheMouseCountsToTenAndBringsBackGioca)
{
    click(*window->Panel(kPlayButton));
    ASSERT_TRUE(window->Panel(kPlayButton)->isHidden());
    EXPECT_EQ(text(kFoundCounter), "0");
    EXPECT_EQ(window->Immagine->fileNamePath(), loadedPath(1));

    for (int word = 1; word <= kWordsPerGame; ++word) {
        const int tile = tileFor(word);
        ASSERT_NE(tile, 0) << "no tile spells word " << word;
        drag(tile, 10 + word);
        const std::string stem = window->game().gameWord(word).substr(0, window->game().gameWord(word).size() - 4);
        std::string upperStem = stem;
        std::transform(upperStem.begin(), upperStem.end(), upperStem.begin(), ::toupper);
        EXPECT_EQ(text(slot(word)), upperStem);
        EXPECT_FALSE(window->Panel(slot(word))->isEnabled());
        EXPECT_EQ(text(tile), "");
        EXPECT_TRUE(window->Panel(tile)->isEnabled());
        EXPECT_EQ(text(kFoundCounter), std::to_string(word));
        EXPECT_EQ(window->Panel(kPlayButton)->isHidden(), word < 10) << "after word " << word;
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(PlayTest, WrongDropsAndDropsBesideTheSlotsChangeNothing)
{
    click(*window->Panel(kPlayButton));
    const int tile = tileFor(1);
    const std::string key = text(tile);

    drag(tile, 12);  // word 2's slot: every key differs
    EXPECT_EQ(text(12), "");
    EXPECT_EQ(text(tile), key);
    EXPECT_TRUE(window->Panel(12)->isEnabled());
    EXPECT_EQ(text(kFoundCounter), "0");

    dragTo(tile, centreOf(*window->ImmagineContenitore));
    dragTo(tile, centreOf(kHintBar));
    dragTo(tile, QPoint(190, 445));  // the bare panel between counter and slots
    EXPECT_EQ(text(tile), key);
    for (int slot = 11; slot <= 20; ++slot)
        EXPECT_EQ(text(slot), "");
    EXPECT_EQ(text(kFoundCounter), "0");
}

TEST_F(PlayTest, AFoundSlotTakesNoFurtherDropAndNoHover)
{
    click(*window->Panel(kPlayButton));
    drag(tileFor(1), 11);
    ASSERT_EQ(text(kFoundCounter), "1");
    const std::string stem = text(11);

    hover(12);
    const std::string hint = text(kHintBar);
    const std::string picture = window->Immagine->fileNamePath();
    hover(11);
    EXPECT_EQ(text(kHintBar), hint);
    EXPECT_EQ(window->Immagine->fileNamePath(), picture);

    const int other = tileFor(2);
    const std::string key = text(other);
    drag(other, 11);
    EXPECT_EQ(text(11), stem);
    EXPECT_EQ(text(other), key);
    EXPECT_EQ(text(kFoundCounter), "1");
}

TEST_F(PlayTest, HoverShowsTheSlotsOwnHintAndPictureAndFitsIt)
{
    click(*window->Panel(kPlayButton));
    for (int word : {3, 10, 1}) {
        hover(slot(word));
        const std::string& gameWord = window->game().gameWord(word);
        EXPECT_EQ(text(kHintBar), std::string(1, char(std::toupper(gameWord[0]))) + "_____");
        EXPECT_EQ(window->Immagine->fileNamePath(), loadedPath(word));
        const bool large = gameWord == "grande.jpg";
        EXPECT_EQ(window->Immagine->pictureWidth(), large ? 400 : 120);
        EXPECT_EQ(window->Immagine->stretch(), large);
        EXPECT_TRUE(window->Immagine->center());
        // 400 x 300 in the 319 x 316 frame: the whole picture, a 4:3 shape.
        if (large)
            EXPECT_EQ(window->Immagine->destinationRect(), QRect(0, 38, 319, 239));
    }
}

TEST_F(PlayTest, AMissingPictureIsReportedAndTheNextEventWorks)
{
    click(*window->Panel(kPlayButton));
    const std::string& word2 = window->game().gameWord(2);
    ASSERT_TRUE(QFile::remove(picturePath(word2.substr(0, word2.size() - 4))));

    hover(12);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Brindolo 1.0 | Cannot open file " + loadedPath(2) + ".");
    EXPECT_EQ(text(kHintBar), std::string(1, char(std::toupper(word2[0]))) + "_____") << "the hint comes before the load";
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    EXPECT_EQ(window->Immagine->pictureWidth(), 0) << "word 1's picture under word 2's hint";
    QTest::mouseMove(handle(), centreOf(12) + QPoint(3, 0));
    EXPECT_EQ(reports.size(), 1u) << "told once, not at every move";

    hover(13);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(window->Immagine->fileNamePath(), loadedPath(3));
    drag(tileFor(2), 12);
    EXPECT_EQ(text(kFoundCounter), "1");
}

// The deal's own work goes on when its pictures fail: the focus moves to the
// tiles and the pictures to come are decoded ahead.
TEST_F(PlayTest, ADealWhoseFirstPictureFailsStillMovesTheFocusAndDecodesAhead)
{
    const std::string word1 = window->catalogue().entry(0);
    ASSERT_TRUE(QFile::remove(picturePath(word1.substr(0, word1.size() - 4))));
    DecodeCache::shared().clear();
    key(Qt::Key_Space);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Brindolo 1.0 | Cannot open file " + loadedPath(1) + ".");
    EXPECT_EQ(focused(), window->Panel(window->game().nextTileToPick(10)));
    window->Immagine->waitForPrefetch();
    EXPECT_EQ(DecodeCache::shared().count(), 9);
}

TEST_F(PlayTest, ADealFromAFolderRemovedWhileTheGameIsOpenStillMovesTheFocus)
{
    ASSERT_TRUE(QDir(folder.path() + "/immagini").removeRecursively());
    key(Qt::Key_Space);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(text(tileFor(1)), upperKey(window->game().gameWord(1)));
    EXPECT_EQ(focused(), window->Panel(window->game().nextTileToPick(10)));
    window->Immagine->waitForPrefetch();
}

TEST_F(PlayTest, AChosenLanguagesPackServesFromTheNextGame)
{
    const QString pack = folder.path() + "/parole/english";
    ASSERT_TRUE(QDir().mkpath(pack));
    ASSERT_TRUE(QFile::copy(picturePath("gatto"), pack + "/cat.jpg"));
    RecordingSpeaker speaker;
    speaker.voices = {"italiano", "english"};
    window->speakWith(speaker, false);
    click(*window->Panel(35));
    window->SceltaLingua->setEditText("English");
    EXPECT_EQ(window->catalogue().count(), 10) << "the game in progress keeps its words";
    hover(12);
    EXPECT_EQ(window->Immagine->fileNamePath(), loadedPath(2));

    drag(tileFor(1), 11);
    using Said = std::vector<RecordingSpeaker::Utterance>;
    EXPECT_EQ(speaker.said, (Said{{window->Panel(11)->caption(), "italiano"}})) << "in the language of its list";
    for (int word = 2; word <= 10; ++word)
        drag(tileFor(word), 10 + word);
    click(*window->Panel(35));
    EXPECT_EQ(window->catalogue().count(), 1);
    EXPECT_EQ(window->game().gameWord(1), "cat.jpg");
    EXPECT_EQ(window->Immagine->fileNamePath(), pack.toStdString() + "/cat.jpg");
    EXPECT_EQ(window->Memo1->lines(), QStringList{"cat.jpg"});
    drag(tileFor(1), 11);
    EXPECT_EQ(speaker.said.back(), RecordingSpeaker::Utterance("CAT", "english"));
    EXPECT_EQ(speaker.said.size(), 11u);
    EXPECT_TRUE(reports.empty());
}

// Nothing is said unasked but a found word; the hint bar says the shown word.
TEST_F(PlayTest, TheVoiceSaysFoundWordsAndTheShownWordOnRequestUnlessMutedOrMissing)
{
    RecordingSpeaker speaker;
    window->speakWith(speaker, false);
    EXPECT_TRUE(window->Voce->isChecked() && window->Voce->isEnabled()) << "until the voices are known";
    speaker.voices = {"italiano"};
    window->voicesChanged();
    click(*window->Panel(35));
    hover(13);
    EXPECT_TRUE(speaker.said.empty()) << "a hover shows, it does not say";
    click(*window->Panel(31));
    const QString third = QString::fromStdString(window->game().gameWord(3)).chopped(4).toUpper();
    ASSERT_EQ(speaker.said.size(), 1u);
    EXPECT_EQ(speaker.said.back(), RecordingSpeaker::Utterance(third, "italiano"));
    drag(tileFor(2), 13);
    EXPECT_EQ(speaker.said.size(), 1u) << "a wrong drop says nothing";

    click(*window->Voce);
    drag(tileFor(1), 11);
    click(*window->Panel(31));
    EXPECT_EQ(speaker.said.size(), 1u) << "muted";
    click(*window->Voce);

    speaker.voices.clear();
    window->voicesChanged();
    EXPECT_FALSE(window->Voce->isEnabled() || window->Voce->isChecked());
    click(*window->Panel(31));
    EXPECT_EQ(speaker.said.size(), 1u) << "no voice";
    speaker.voices = {"Italiano"};
    window->voicesChanged();
    EXPECT_TRUE(window->Voce->isEnabled() && window->Voce->isChecked());

    RecordingSpeaker another;
    another.voices = {"italiano"};
    window->speakWith(another, true);
    window->voicesChanged();
    EXPECT_FALSE(window->Voce->isChecked());
    drag(tileFor(2), 12);
    EXPECT_TRUE(another.said.empty()) << "--mute";
}

// A word recorded beside its picture is played instead of spoken, from the
// hint bar and on a find; one that cannot play gives way to the voice, and
// the voice box silences both.
TEST_F(PlayTest, ARecordedWordIsPlayedInsteadOfSpokenUnlessItCannotPlay)
{
    RecordingSpeaker speaker;
    speaker.voices = {"italiano"};
    RecordingPlayerDouble recordings;
    window->speakWith(speaker, false, &recordings);
    // The window's voice stops the player as it goes.
    const auto forget = qScopeGuard([&] { window->speakWith(speaker, true); });
    window->voicesChanged();
    click(*window->Panel(35));
    const QString recording =
        folder.path() + "/immagini/" + QString::fromStdString(window->game().gameWord(1)).chopped(4) + ".ogg";
    ASSERT_TRUE(QFile(recording).open(QIODevice::WriteOnly));
    hover(11);
    click(*window->Panel(31));
    EXPECT_EQ(recordings.played, QStringList{recording});
    recordings.finish(true);
    EXPECT_TRUE(speaker.said.empty());

    drag(tileFor(1), 11);
    EXPECT_EQ(recordings.played.size(), 2);
    recordings.finish(false);
    using Said = std::vector<RecordingSpeaker::Utterance>;
    EXPECT_EQ(speaker.said, (Said{{window->Panel(11)->caption(), "italiano"}}));

    click(*window->Voce);
    click(*window->Panel(31));
    EXPECT_EQ(recordings.played.size(), 2) << "muted";
}

// Once dealt, the other nine pictures are decoded ahead on a background
// thread; each hover still reads its file and shows what a fresh decode of it
// gives, and a broken picture is told of at its hover only.
TEST_F(PlayTest, HoversFindThePrefetchedPicturesAndStillFollowTheirFiles)
{
    const std::string word2 = window->catalogue().entry(1);
    ASSERT_TRUE(QFile::resize(picturePath(word2.substr(0, word2.size() - 4)), 300));
    DecodeCache::shared().clear();
    click(*window->Panel(35));
    window->Immagine->waitForPrefetch();
    EXPECT_TRUE(reports.empty());

    auto fileBytes = [&](int word) {
        QFile file(QString::fromStdString(loadedPath(word)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray all = file.readAll();
        return std::vector<std::uint8_t>(all.begin(), all.end());
    };
    const DecodeSettings& settings = window->Immagine->decodeSettings();
    for (int word = 3; word <= 10; ++word) {
        const std::vector<std::uint8_t> bytes = fileBytes(word);
        const std::optional<QImage> prefetched = DecodeCache::shared().find(fileDigest(bytes), settings);
        ASSERT_TRUE(prefetched) << "word " << word;
        hover(10 + word);
        EXPECT_EQ(window->Immagine->picture().cacheKey(), prefetched->cacheKey());
        EXPECT_EQ(window->Immagine->picture(), toBitmap(decodeJpeg(bytes, settings))) << "word " << word;
    }

    hover(12);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(window->Immagine->pictureWidth(), 0);

    const std::string& word3 = window->game().gameWord(3);
    savePicture(word3.substr(0, word3.size() - 4), QSize(60, 40));
    hover(13);
    EXPECT_EQ(window->Immagine->pictureWidth(), 60);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(PlayTest, ClosingTheWindowStopsThePrefetch)
{
    // Large enough that nine decodes cannot be over before the window closes.
    for (const std::string& word : kWords)
        savePicture(word, QSize(1600, 1200));
    DecodeCache::shared().clear();
    click(*window->Panel(35));
    window->close();
    const int atClose = DecodeCache::shared().count();
    window->Immagine->waitForPrefetch();
    EXPECT_LT(atClose, 10);
    EXPECT_EQ(DecodeCache::shared().count(), atClose);
}

TEST_F(PlayTest, TheCaseBoxRecasesTheThirtyOnePanelsAndLeavesTheRest)
{
    click(*window->Panel(kPlayButton));
    drag(tileFor(1), 11);
    hover(12);
    ASSERT_TRUE(window->MaiuscoloMinuscolo->isChecked());

    click(*window->MaiuscoloMinuscolo);
    ASSERT_FALSE(window->MaiuscoloMinuscolo->isChecked());
    auto hasCapitals = [](const std::string& s) { return std::any_of(s.begin(), s.end(), ::isupper); };
    auto hasSmall = [](const std::string& s) { return std::any_of(s.begin(), s.end(), ::islower); };
    for (int panel = kRecasedPanels.first; panel <= kRecasedPanels.last; ++panel)
        EXPECT_FALSE(hasCapitals(text(panel))) << "Panel" << panel << " " << text(panel);
    EXPECT_EQ(text(11), window->game().gameWord(1).substr(0, window->game().gameWord(1).size() - 4));
    EXPECT_EQ(text(32), "HAI TROVATO");
    EXPECT_EQ(text(34), "PAROLE");
    EXPECT_EQ(text(kPlayButton), "GIOCA");
    EXPECT_EQ(window->Esci->caption(), "ESCI");

    drag(tileFor(2), 12);
    EXPECT_EQ(text(kFoundCounter), "2") << "a recased tile is still accepted";
    EXPECT_FALSE(hasCapitals(text(12)));

    click(*window->MaiuscoloMinuscolo);
    for (int panel = kRecasedPanels.first; panel <= kRecasedPanels.last; ++panel)
        EXPECT_FALSE(hasSmall(text(panel))) << "Panel" << panel;
}

// The deal on the board goes to paper through the print dialog, while the
// found words, the picked tile and every letter stay where they were.
TEST_F(PlayTest, CtrlPPrintsTheDealOnTheBoardAndLeavesTheGameAsItWas)
{
    int dialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&dialogs] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            ++dialogs;
            dialog->reject();
        }
    });
    closer.start(20);
    const auto pressCtrlP = [this] {
        QTest::keyClick(handle(), Qt::Key_P, Qt::ControlModifier);
        QTest::qWait(60);
    };
    pressCtrlP();
    EXPECT_EQ(dialogs, 0) << "no deal, nothing to print";

    click(*window->Panel(kPlayButton));
    drag(tileFor(1), 11);
    const int picked = tileFor(2);
    click(*window->Panel(picked));
    std::vector<std::string> before;
    for (int panel = 1; panel <= 31; ++panel)
        before.push_back(text(panel));
    pressCtrlP();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(window->game().foundCount(), 1);
    EXPECT_EQ(window->game().pickedTile(), picked);
    for (int panel = 1; panel <= 31; ++panel)
        EXPECT_EQ(text(panel), before[static_cast<size_t>(panel - 1)]) << "Panel" << panel;
    EXPECT_TRUE(reports.empty());

    Worksheet sheet = window->boardWorksheet();
    ASSERT_EQ(sheet.rows.size(), 10U);
    for (int k = 1; k <= 10; ++k) {
        const std::string& word = window->game().gameWord(k);
        EXPECT_EQ(sheet.rows[static_cast<size_t>(k - 1)].word, upperCase(wordStem(word)));
        EXPECT_EQ(sheet.rows[static_cast<size_t>(k - 1)].picturePath, loadedPath(k));
    }
    EXPECT_EQ(sheet.texts.title, "Trova la parola");
    click(*window->MaiuscoloMinuscolo);
    sheet = window->boardWorksheet();
    EXPECT_EQ(sheet.rows[0].letters, AnagramKey(window->game().gameWord(1))) << "the case box's small letters";
}

// Subfolders with pictures are themes: a drop-down, reached by Tab and named
// for the screen reader, chooses the theme the next game deals from.
TEST_F(PlayTest, AChosenThemeDealsTheNextGameFromItsPicturesOnly)
{
    EXPECT_FALSE(window->SceltaTema->isVisible()) << "no themes, no drop-down";
    QDir pictures(folder.path() + "/immagini");
    ASSERT_TRUE(pictures.mkdir("frutta") && pictures.mkdir("animali"));
    for (const char* name : {"frutta/mela.jpg", "animali/gatto.jpg", "animali/topo.jpg"})
        ASSERT_TRUE(pictures.rename(QString(name).section('/', 1), name));
    RecordingSpeaker speaker;
    StartSettings start;
    start.theme = "animali";
    start.longest = 5;
    window->apply(start, speaker);
    EXPECT_EQ(window->Panel(kPlayButton)->accessibleDescription(), "words of at most 5 letters");
    ASSERT_TRUE(window->SceltaTema->isVisible());
    EXPECT_EQ(window->SceltaTema->items().mid(1), (QStringList{"animali", "frutta"}));
    EXPECT_EQ(window->SceltaTema->currentText(), "animali");
    EXPECT_EQ(window->SceltaTema->accessibleName(), "theme");
    EXPECT_EQ(window->Panel(kHintBar)->nextInFocusChain(), window->SceltaTema);

    window->Panel35Click();
    for (const std::string& word : window->game().gameWords())
        EXPECT_TRUE(word == "animali/gatto.jpg" || word == "animali/topo.jpg") << word;
    window->SceltaTema->setEditText("frutta");
    window->Panel35Click();
    for (const std::string& word : window->game().gameWords())
        EXPECT_EQ(word, "frutta/mela.jpg");
    window->SceltaTema->setEditText(window->SceltaTema->items().first());
    window->Panel35Click();
    EXPECT_EQ(window->catalogue().count(), 10) << "the whole list";
    EXPECT_TRUE(reports.empty());
}

// With a results folder, a finished game and one left by ESCI each add
// their line; a game's wrong drops and finds are counted as played.
TEST_F(PlayTest, EsciClosesTheWindowAndRecordsTheGameUnderWay)
{
    const QTemporaryDir results;
    RecordingSpeaker speaker;
    StartSettings start;
    start.resultsFolder = results.path().toStdString();
    window->apply(start, speaker);
    click(*window->Panel(kPlayButton));
    drag(tileFor(1), slot(2));  // every key differs
    for (int word = 1; word <= kWordsPerGame; ++word)
        drag(tileFor(word), slot(word));
    click(*window->Panel(kPlayButton));
    for (int word = 1; word <= 3; ++word)
        drag(tileFor(word), slot(word));

    click(*window->Esci);
    EXPECT_FALSE(window->isVisible());
    std::ifstream file(results.filePath(QString::fromStdString(loginName() + ".csv")).toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    // The ten words dealt, then the wrong drop's mix-up: word 1's letters on
    // word 2's picture.
    const std::string dealt = R"("[^,"]+(, [^,"]+){9}")";
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d,immagini,10,1,\d+,,)"
                                                      + dealt + R"(,[^,>]+>[^,>]+)")))
        << lines[1];
    EXPECT_TRUE(std::regex_search(lines[2], std::regex(R"(,immagini,3,0,\d+,"[^,"]+(, [^,"]+){6}",)" + dealt + ",$")))
        << lines[2];
}

// With practice on, the deal begins with the words the pupil missed, read
// from their own results file; a word the list lacks is passed over.
TEST_F(PlayTest, PracticeBeginsTheDealWithTheWordsMissed)
{
    const QTemporaryDir results;
    std::ofstream(results.filePath(QString::fromStdString(loginName() + ".csv")).toStdString())
        << "date,word list,words found,wrong drops,seconds,words not found\n"
        << "2026-03-02T09:15:00+01:00,immagini,7,0,40,\"sole, zebra, nave\"\n";
    RecordingSpeaker speaker;
    StartSettings start;
    start.resultsFolder = results.path().toStdString();
    start.practice = true;
    window->apply(start, speaker);
    click(*window->Panel(kPlayButton));
    EXPECT_EQ(std::make_pair(window->game().gameWord(1), window->game().gameWord(2)),
              std::make_pair(std::string("sole.jpg"), std::string("nave.jpg")));
}

// A classroom machine: no way out a child can reach, the teacher's chord ends it.
TEST_F(PlayTest, ALockedWindowHidesItsWaysOutAndClosesOnlyOnTheTeachersChord)
{
    RecordingSpeaker speaker;
    StartSettings start;
    start.locked = true;
    window->apply(start, speaker);
    for (const QWidget* way : std::initializer_list<const QWidget*>{window->Esci, window->RichiamaLingua1,
                                                                     window->RichiamaLingua2, window->RichiamaLingua3})
        EXPECT_FALSE(way->isVisible()) << way->objectName().toStdString();
    EXPECT_FALSE(window->close());
    // The print dialog's file chooser would reach the whole disk.
    bool printDialog = false;
    QTimer::singleShot(50, [&printDialog] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            printDialog = true;
            dialog->reject();
        }
    });
    click(*window->Panel(kPlayButton));
    QTest::keyClick(handle(), Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(100);
    EXPECT_FALSE(printDialog);
    QTest::keyClick(handle(), Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(window->isVisible()) << "only the whole chord";
    QTest::keyClick(handle(), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_FALSE(window->isVisible());
}

// The desktop's end (a logout, a shutdown, SIGTERM, SIGHUP, Ctrl+C) ends
// even a locked game as ESCI would, recording the game under way.
TEST_F(PlayTest, TheDesktopsEndEndsEvenALockedGameAndRecordsIt)
{
    for (const int number : {SIGHUP, SIGINT}) {
        int ends = 0;
        const SessionEnd ending([&ends] { ++ends; }, {});
        ASSERT_EQ(::raise(number), 0);
        QTest::qWait(50);
        EXPECT_EQ(ends, 1) << number;
    }

    const QTemporaryDir results;
    RecordingSpeaker speaker;
    StartSettings start;
    start.locked = true;
    start.resultsFolder = results.path().toStdString();
    window->apply(start, speaker);
    click(*window->Panel(kPlayButton));
    for (int word = 1; word <= 3; ++word)
        drag(tileFor(word), slot(word));
    const SessionEnd ending([this] { window->endGame(); }, {});
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }));

    // A logout asks for the program's data first, then for the close.
    window->show();
    window->lock();
    window->Panel35Click();
    drag(tileFor(1), slot(1));
    window->releaseForSessionEnd();
    EXPECT_TRUE(window->close());

    std::ifstream file(results.filePath(QString::fromStdString(loginName() + ".csv")).toStdString());
    std::string header, line;
    std::getline(file, header);
    std::getline(file, line);
    EXPECT_TRUE(std::regex_search(line, std::regex(",immagini,3,0,\\d+,"))) << line;
    std::getline(file, line);
    EXPECT_TRUE(std::regex_search(line, std::regex(",immagini,1,0,\\d+,"))) << line;
}

}  // namespace
}  // namespace brindolo::testing

namespace brindolo::testing {
namespace {

// A file name that is not UTF-8 cannot be shown as it is, but the slot must
// still take its tile: the board reads back the very bytes the game wrote.
TEST(PlayRawNames, APictureNamedInLatin1IsStillPlayable)
{
    QTemporaryDir folder;
    const std::string root = folder.path().toStdString() + "/";
    QDir(folder.path()).mkdir("immagini");
    const QImage picture = [] {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        return image;
    }();
    ASSERT_TRUE(picture.save(folder.path() + "/plain.jpg", "JPG"));
    std::filesystem::rename(root + "plain.jpg", root + "immagini/citt\xe0.jpg");
    std::vector<std::string> reports;
    EventBoundary::setReporter([&](const QString&, const QString& text) { reports.push_back(text.toStdString()); });
    TPrincipale window(nullptr, root, std::make_unique<ScriptedRandom>());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.catalogue().count(), 1);
    ASSERT_EQ(window.catalogue().entry(0), "citt\xe0.jpg");

    auto centre = [&](int panel) { return window.Panel(panel)->mapTo(&window, window.Panel(panel)->rect().center()); };
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre(35));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, centre(1));
    QTest::mouseMove(window.windowHandle(), centre(11));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, centre(11));
    EXPECT_EQ(window.Panel(33)->caption(), "1");
    EXPECT_FALSE(window.Panel(11)->isEnabled());
    EXPECT_TRUE(reports.empty());
    EventBoundary::setReporter(nullptr);
    // QTemporaryDir removes through QString, which cannot name that file.
    std::filesystem::remove_all(root + "immagini");
}

}  // namespace
}  // namespace brindolo::testing

namespace brindolo::testing {
namespace {

using PlayWithoutDragTest = WindowTest;

TEST_F(PlayWithoutDragTest, AWholeGamePlayedWithClicksAndTapsOnly)
{
    click(*window->Panel(35));
    // The test owns the device; deleting it takes it off Qt's list of devices.
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    for (int word = 1; word <= 10; ++word) {
        const int tile = tileFor(word);
        ASSERT_NE(tile, 0) << "no tile spells word " << word;
        if (word == 1) {
            for (int panel : {tile, 10 + word}) {
                QTest::touchEvent(handle(), touchScreen.get()).press(0, centreOf(panel));
                QTest::touchEvent(handle(), touchScreen.get()).release(0, centreOf(panel));
            }
        } else {
            // Press and release on the tile pick it, wherever the pointer went.
            QTest::mousePress(handle(), Qt::LeftButton, {}, centreOf(tile));
            QTest::mouseMove(handle(), centreOf(10 + word));
            QTest::mouseRelease(handle(), Qt::LeftButton, {}, centreOf(tile));
            ASSERT_EQ(window->game().pickedTile(), tile);
            EXPECT_EQ(window->marks().picked(), window->Panel(tile));
            EXPECT_EQ(text(33), std::to_string(word - 1));
            click(*window->Panel(10 + word));
        }
        EXPECT_EQ(text(33), std::to_string(word));
        EXPECT_EQ(text(tile), "");
        EXPECT_EQ(window->marks().picked(), nullptr);
    }
    EXPECT_FALSE(window->Panel(35)->isHidden());
    EXPECT_EQ(focused(), window->Panel(35));
    EXPECT_TRUE(reports.empty());
}

// Qt hands a finger to our controls, which take no touch events, as the
// mouse events it makes of it: a drag, a tap, or a swipe that misses and
// leaves the board as it was.
TEST_F(PlayWithoutDragTest, AWholeGamePlayedByFingerAndNoSwipeLeavesADragBehind)
{
    const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
    const auto swipe = [&](QPoint from, QPoint to) {
        QTest::touchEvent(handle(), finger.get()).press(0, from);
        QTest::touchEvent(handle(), finger.get()).move(0, to);
        QTest::touchEvent(handle(), finger.get()).release(0, to);
        EXPECT_FALSE(DragController::instance().dragging() || QWidget::mouseGrabber());
    };
    const auto tap = [&](int panel) { swipe(centreOf(panel), centreOf(panel)); };
    RecordingSpeaker speaker;
    speaker.voices = {"italiano"};
    window->speakWith(speaker, false);
    window->voicesChanged();
    tap(kPlayButton);
    for (int word = 1; word <= kWordsPerGame; ++word) {
        const int tile = tileFor(word);
        ASSERT_NE(tile, 0) << "no tile spells word " << word;
        for (const QPoint missed : {centreOf(slot(word % kWordsPerGame + 1)), QPoint(-40, -40), QPoint(5000, 5000)})
            swipe(centreOf(tile), missed);
        EXPECT_EQ(text(kFoundCounter), std::to_string(word - 1));
        if (word == 1) {
            // A second finger neither ends nor doubles the first one's drag.
            QTest::touchEvent(handle(), finger.get()).press(0, centreOf(tile));
            QTest::touchEvent(handle(), finger.get()).stationary(0).press(1, centreOf(slot(2)));
            QTest::touchEvent(handle(), finger.get()).move(0, centreOf(slot(1))).release(1, centreOf(slot(2)));
            QTest::touchEvent(handle(), finger.get()).release(0, centreOf(slot(1)));
        } else if (word % 2) {
            swipe(centreOf(tile), centreOf(slot(word)));
        } else {
            tap(tile);
            tap(slot(word));
        }
        EXPECT_EQ(text(kFoundCounter), std::to_string(word));
        EXPECT_EQ(text(tile), "");
        if (word == 1) {
            const QString shown = QString::fromStdString(window->game().previewedWord());
            speaker.said.clear();  // the found word
            tap(kHintBar);
            EXPECT_EQ(speaker.said, (std::vector{RecordingSpeaker::Utterance(shown, "italiano")}));
        }
    }
    EXPECT_FALSE(window->Panel(kPlayButton)->isHidden());
    EXPECT_TRUE(reports.empty());
}

TEST_F(PlayWithoutDragTest, AWholeGamePlayedWithKeysOnly)
{
    EXPECT_EQ(focused(), window->Panel(35));
    key(Qt::Key_Space);
    ASSERT_TRUE(window->Panel(35)->isHidden());
    EXPECT_EQ(focused(), window->Panel(1));
    auto number = [this](const QWidget* control) {
        for (int n = 1; n <= 20; ++n)
            if (window->Panel(n) == control)
                return n;
        return 0;
    };
    // Up and Down within a column until the panel has the focus.
    auto steer = [&](int panel) {
        for (int step = 0; step < 10 && focused() != window->Panel(panel); ++step)
            key(number(focused()) > panel ? Qt::Key_Up : Qt::Key_Down);
        ASSERT_EQ(focused(), window->Panel(panel));
    };
    for (int word = 1; word <= 10; ++word) {
        const int tile = tileFor(word);
        steer(tile);
        key(Qt::Key_Space);
        ASSERT_EQ(window->game().pickedTile(), tile);
        key(Qt::Key_Right);
        steer(10 + word);
        key(Qt::Key_Return);
        EXPECT_EQ(text(33), std::to_string(word));
        int next = 35;
        for (int step = 1; step <= 10 && next == 35; ++step)
            if (const int n = (tile - 1 + step) % 10 + 1; !text(n).empty())
                next = n;
        EXPECT_EQ(focused(), window->Panel(next)) << "after word " << word;
    }
    key(Qt::Key_Enter);
    EXPECT_TRUE(window->Panel(35)->isHidden()) << "GIOCA starts the next game";
    EXPECT_TRUE(reports.empty());
}

TEST_F(PlayWithoutDragTest, AWrongSlotKeepsTheTilePickedAndEscapeOrAClickElsewherePutsItBack)
{
    click(*window->Panel(35));
    const int tile = tileFor(1);
    const std::string letters = text(tile);
    click(*window->Panel(tile));
    click(*window->Panel(12));
    EXPECT_EQ(text(12), "");
    EXPECT_EQ(text(tile), letters);
    EXPECT_EQ(text(33), "0");
    EXPECT_EQ(window->game().pickedTile(), tile);
    EXPECT_EQ(window->marks().picked(), window->Panel(tile));

    key(Qt::Key_Escape);
    EXPECT_EQ(window->game().pickedTile(), 0);
    EXPECT_EQ(window->marks().picked(), nullptr);

    click(*window->Panel(tile));
    click(*window->Panel(31));
    EXPECT_EQ(window->game().pickedTile(), 0) << "a click on the hint bar";
    click(*window->Panel(tile));
    click(*window->Panel(tile));
    EXPECT_EQ(window->game().pickedTile(), 0) << "a second click on the picked tile";

    const int emptied = tileFor(2);
    drag(emptied, 12);
    click(*window->Panel(emptied));
    EXPECT_EQ(window->game().pickedTile(), 0) << "a tile without letters";
    EXPECT_EQ(text(tile), letters);
}

// A switch player's game: the focus steps by itself through what can be
// chosen now, and Space alone plays a whole game; Tab and a right click step
// on at once, a click anywhere chooses, a held switch chooses once, and the
// focus waits while a word is being said.
TEST_F(PlayWithoutDragTest, AWholeGamePlayedWithOneSwitchAsTheFocusStepsByItself)
{
    RecordingSpeaker speaker;
    speaker.voices = {"italiano"};
    StartSettings start;
    start.scanBeat = 10000;  // the test beats the time itself
    window->apply(start, speaker);
    window->voicesChanged();
    SwitchScanner& scan = *window->scanner();
    EXPECT_GT(window->marks().focusWidth() * principaleDesign().clientHeight, 4 * window->marks().height())
        << "a bolder frame than the keyboard's 3 design pixels";
    std::vector<std::string> told;
    setAnnouncementListener([&told](QAccessibleEvent& event) {
        if (event.type() == QAccessible::ObjectShow && event.accessibleInterface()->role() == QAccessible::Notification)
            told.push_back(event.accessibleInterface()->text(QAccessible::Name).toStdString());
    });
    const auto restore = qScopeGuard([] { setAnnouncementListener(nullptr); });
    auto at = [this](int panel) { return focused() == window->Panel(panel); };
    // The panels the focus visits in so many beats.
    auto visits = [&](int beats) {
        std::vector<int> visited;
        for (int beat = 0; beat < beats; ++beat) {
            scan.beatElapsed();
            visited.push_back(panelNumber(focused()->objectName().toStdString()));
        }
        return visited;
    };

    EXPECT_EQ(visits(1), std::vector{kPlayButton}) << "GIOCA alone before a game";
    key(Qt::Key_Space);
    ASSERT_TRUE(window->Panel(kPlayButton)->isHidden());
    EXPECT_TRUE(at(1));
    EXPECT_EQ(visits(10), (std::vector{2, 3, 4, 5, 6, 7, 8, 9, 10, 1}));
    key(Qt::Key_Space);
    EXPECT_EQ(window->game().pickedTile(), 1);
    EXPECT_EQ(visits(11), (std::vector{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1})) << "the slots, then put back";
    QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(*window->ImmagineContenitore));
    EXPECT_EQ(window->game().pickedTile(), 0);
    EXPECT_EQ(told, (std::vector<std::string>{"picked up", "put back"}));
    QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(5));
    EXPECT_EQ(window->game().pickedTile(), 1) << "a click chooses the focus, not what it lands on";
    key(Qt::Key_Tab);
    EXPECT_TRUE(at(11));
    QTest::mouseClick(handle(), Qt::RightButton, {}, centreOf(15));
    EXPECT_TRUE(at(12));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(window->Panel(12), &held);
    EXPECT_EQ(told.size(), 3u) << "a switch held down chooses once: no \"not here\"";
    key(Qt::Key_Escape);

    for (int word = 1; word <= kWordsPerGame; ++word) {
        const int tile = tileFor(word);
        for (int beat = 0; beat < 10 && !at(tile); ++beat)
            scan.beatElapsed();
        key(Qt::Key_Space);
        ASSERT_EQ(window->game().pickedTile(), tile);
        for (int beat = 0; beat < 10 && !at(slot(word)); ++beat)
            scan.beatElapsed();
        key(Qt::Key_Return);
        ASSERT_EQ(text(kFoundCounter), std::to_string(word));
        const int first = window->game().nextTileToPick(kTiles.last);
        EXPECT_TRUE(at(word < kWordsPerGame ? first : kPlayButton)) << "the next scan starts at the first tile";
        if (word == 1) {
            speaker.talking = true;
            EXPECT_EQ(visits(2), (std::vector{first, first})) << "the focus waits while the word is said";
            speaker.talking = false;
            EXPECT_EQ(visits(1), std::vector{window->game().nextTileToPick(first)});
        }
    }
    EXPECT_EQ(told.back(), text(slot(10)) + ". Well done! You found 10 words.");
    EXPECT_EQ(visits(2), (std::vector{kPlayButton, kPlayButton})) << "the scan returns to GIOCA";
    EXPECT_TRUE(reports.empty());

    // The timer beats by itself.
    const auto two = [this] { return std::vector<QWidget*>{window->Panel(kPlayButton), window->Panel(kHintBar)}; };
    SwitchScanner quick(*window, kFastestScan, two, [] { return false; });
    QTRY_VERIFY_WITH_TIMEOUT(at(kHintBar), 3 * kFastestScan);
}

// A picture named ".jpg" is a word without letters: its empty tile is still
// picked and placed like any other, until its word is found.
TEST_F(PlayWithoutDragTest, AWordWithoutLettersIsPlacedByKeysAndByClicks)
{
    ASSERT_TRUE(QFile::rename(picturePath("gatto"), folder.path() + "/immagini/.jpg"));
    window->game().buildCatalogue(window->game().pictureFolder());
    key(Qt::Key_Space);
    int word = 0;
    for (int k = 1; k <= 10; ++k)
        if (window->game().gameWord(k) == ".jpg")
            word = k;
    ASSERT_NE(word, 0);
    int empty = 0;
    for (int n = 1; n <= 10; ++n)
        if (text(n).empty())
            empty = n;
    ASSERT_NE(empty, 0);

    // In the focus order, and picked with a key.
    window->Panel(empty == 1 ? 2 : empty - 1)->setFocus();
    key(empty == 1 ? Qt::Key_Up : Qt::Key_Down);
    ASSERT_EQ(focused(), window->Panel(empty));
    key(Qt::Key_Space);
    EXPECT_EQ(window->game().pickedTile(), empty);
    click(*window->Panel(10 + (word == 1 ? 2 : 1)));
    EXPECT_EQ(window->game().pickedTile(), empty) << "a wrong slot";
    window->Panel(10 + word)->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(text(33), "1");
    EXPECT_FALSE(window->Panel(10 + word)->isEnabled());

    // Once its word is found it is an emptied tile like the others.
    click(*window->Panel(empty));
    EXPECT_EQ(window->game().pickedTile(), 0);
    EXPECT_EQ(window->Panel(empty)->focusPolicy(), Qt::NoFocus);
}

TEST_F(PlayWithoutDragTest, TheFocusSkipsEmptyTilesAndFoundSlotsAndASlotsFocusPreviewsItsWord)
{
    key(Qt::Key_Space);
    // The fixture's arrangement deals word 1 to tile 4 and word 2 to tile 3.
    ASSERT_EQ(tileFor(1), 4);
    ASSERT_EQ(tileFor(2), 3);
    drag(4, 11);
    drag(3, 12);

    std::vector<const QWidget*> chain{window->Panel(1)};
    for (int n : {2, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20})
        chain.push_back(window->Panel(n));
    chain.insert(chain.end(),
                 {window->Panel(31), window->Voce, window->MaiuscoloMinuscolo, window->RichiamaLingua1, window->Esci});
    window->Panel(1)->setFocus();
    std::vector<const QWidget*> visited{focused()};
    while (visited.size() < chain.size()) {
        key(Qt::Key_Tab);
        visited.push_back(focused());
    }
    EXPECT_EQ(visited, chain);

    window->Panel(2)->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), window->Panel(5));
    key(Qt::Key_Up);
    EXPECT_EQ(focused(), window->Panel(2));
    window->Panel(14)->setFocus();
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), window->Panel(5)) << "the nearest tile to the empty one on the row";
    window->Panel(1)->setFocus();
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), window->Panel(13)) << "the nearest slot not found";
    key(Qt::Key_Up);
    EXPECT_EQ(focused(), window->Panel(13)) << "nothing above but found slots";

    const std::string& word3 = window->game().gameWord(3);
    EXPECT_EQ(text(31), std::string(1, char(std::toupper(word3[0]))) + "_____");
    EXPECT_EQ(window->Immagine->fileNamePath(), loadedPath(3));

    // The focus frame lies on the slot and grows with the board.
    EXPECT_EQ(window->marks().focusArea(), window->Panel(13)->geometry());
    const int width = window->marks().focusWidth();
    window->resize(window->size() * 2);
    EXPECT_EQ(window->marks().focusArea(), window->Panel(13)->geometry());
    EXPECT_GT(window->marks().focusWidth(), width);
}

// What the screen reader was told: which control, and what changed.
std::vector<std::pair<QObject*, QAccessible::Event>> heard;

TEST_F(PlayWithoutDragTest, AScreenReaderHearsTheBoardInTheInterfaceLanguage)
{
    for (const char* language : {"italiano.lng", "english.lng"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(BRINDOLO_SOURCE_DIR "/data/") + language,
                                folder.path() + "/" + language));
    // What the program told of its own, besides the controls' names.
    std::vector<std::string> told;
    setAnnouncementListener([&told](QAccessibleEvent& event) {
        heard.emplace_back(event.object(), event.type());
        if (event.type() == QAccessible::ObjectShow && event.accessibleInterface()->role() == QAccessible::Notification)
            told.push_back(event.accessibleInterface()->text(QAccessible::Name).toStdString());
    });
    const auto restore = qScopeGuard([] {
        setAnnouncementListener(nullptr);
        heard.clear();
    });
    auto reader = [](QWidget* control) { return QAccessible::queryAccessibleInterface(control); };
    auto name = [&](QWidget* control) { return reader(control)->text(QAccessible::Name).toStdString(); };
    auto heardOf = [](QWidget* control, QAccessible::Event event) {
        return std::count(heard.begin(), heard.end(), std::pair<QObject*, QAccessible::Event>(control, event));
    };

    EXPECT_EQ(QLocale().language(), QLocale::Italian) << "the language a screen reader is given";
    click(*window->Panel(35));
    const int tile = tileFor(1);
    TPanel* slot = window->Panel(11);
    EXPECT_EQ(reader(window->Panel(tile))->role(), QAccessible::Button);
    EXPECT_EQ(name(window->Panel(tile)), "tessera " + std::to_string(tile) + ", " + text(tile));
    EXPECT_EQ(name(slot), "casella 1, vuota");
    click(*window->Panel(tile));
    EXPECT_TRUE(reader(window->Panel(tile))->state().checked);
    EXPECT_EQ(heardOf(window->Panel(tile), QAccessible::StateChanged), 1);
    EXPECT_EQ(name(window->Panel(tile)), "tessera " + std::to_string(tile) + ", " + text(tile) + ", presa");
    click(*window->Panel(12));
    key(Qt::Key_Escape);
    EXPECT_FALSE(reader(window->Panel(tile))->state().checked);
    click(*window->Panel(tile));
    EXPECT_EQ(told, (std::vector<std::string>{"presa", "non qui", "lasciata", "presa"}));

    heard.clear();
    click(*slot);
    EXPECT_EQ(told.back(), text(11) + ". Hai trovato 1 parola.");
    EXPECT_EQ(told.size(), 5u) << "a tile that finds its word is not put back";
    EXPECT_EQ(name(slot), "casella 1, " + text(11));
    EXPECT_TRUE(reader(slot)->state().disabled);
    EXPECT_EQ(name(window->Panel(tile)), "tessera " + std::to_string(tile) + ", vuota");
    EXPECT_EQ(name(window->Panel(33)), "HAI TROVATO 1 PAROLE");
    for (TPanel* changed : {slot, window->Panel(tile), window->Panel(33)})
        EXPECT_GE(heardOf(changed, QAccessible::NameChanged), 1) << changed->objectName().toStdString();

    hover(13);
    EXPECT_EQ(reader(window->Panel(31))->role(), QAccessible::Button);
    EXPECT_EQ(name(window->Panel(31)), text(31) + ", di' la parola");
    EXPECT_GE(heardOf(window->Panel(31), QAccessible::NameChanged), 1);
    for (QWidget* button : {static_cast<QWidget*>(window->Panel(35)), static_cast<QWidget*>(window->Esci)})
        EXPECT_EQ(reader(button)->role(), QAccessible::Button);
    EXPECT_EQ(name(window->Esci), "ESCI");
    QAccessibleInterface* caseBox = reader(window->MaiuscoloMinuscolo);
    EXPECT_EQ(caseBox->role(), QAccessible::CheckBox);
    EXPECT_EQ(name(window->MaiuscoloMinuscolo), "lettere maiuscole");
    EXPECT_EQ(name(window->Voce), "voce");
    EXPECT_TRUE(caseBox->state().checked);
    click(*window->MaiuscoloMinuscolo);
    EXPECT_FALSE(caseBox->state().checked);
    EXPECT_EQ(reader(window->RichiamaLingua1)->role(), QAccessible::Button);
    EXPECT_EQ(name(window->RichiamaLingua1), "lingua: italiano");

    window->SceltaLingua->setEditText("english");
    EXPECT_EQ(name(window->RichiamaLingua1), "language: english");
    EXPECT_EQ(name(window->Panel(12)), "slot 2, empty");
    EXPECT_GE(heardOf(window->Panel(12), QAccessible::NameChanged), 1);
    EXPECT_EQ(QLocale().language(), QLocale::English);

    // The end: the reader hears the praise and the count, the voice says the
    // praise in the word list's language, and the window shows it a while.
    RecordingSpeaker speaker;
    speaker.voices = {"italiano"};
    window->speakWith(speaker, false);
    window->voicesChanged();
    for (int word = 2; word <= 10; ++word) {
        click(*window->Panel(tileFor(word)));
        if (word == 2)
            EXPECT_EQ(told.back(), "picked up");
        click(*window->Panel(10 + word));
    }
    EXPECT_EQ(told.end()[-3], text(19) + ". You found 9 words.");
    EXPECT_EQ(told.back(), text(20) + ". Well done! You found 10 words.");
    EXPECT_EQ(speaker.said.back(), RecordingSpeaker::Utterance(QString::fromStdString(text(20) + ". Bravo!"), "italiano"));
    EXPECT_EQ(focused(), window->Panel(35));
    EXPECT_EQ(window->marks().message(), "Well done!");
    QTRY_VERIFY_WITH_TIMEOUT(window->marks().message().isEmpty(), 5000);
}

// A folder named at start that is not there is told as a folder, and the
// board stays as it was: GIOCA, and the flag for another language's words.
TEST_F(PlayTest, AMissingFolderIsToldAndTheBoardStaysAsItWas)
{
    window = std::make_unique<TPrincipale>(nullptr, folder.path().toStdString() + "/");
    RecordingSpeaker speaker;
    StartSettings start;
    start.picturesFolder = "/missing";
    window->apply(start, speaker);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    click(*window->Panel(kPlayButton));
    EXPECT_EQ(reports, std::vector<std::string>{
                           "Brindolo 1.0 | There are no pictures (*.jpg) to play with: the folder /missing/ does "
                           "not exist."});
    EXPECT_TRUE(window->Panel(kPlayButton)->isVisible());
    EXPECT_FALSE(window->Panel(tile(1))->isEnabled());
    EXPECT_TRUE(window->RichiamaLingua1->isVisible());
}

}  // namespace
}  // namespace brindolo::testing
