#include "platform/drag_controller.h"
#include "window_fixture.h"

#include <QFile>
#include <filesystem>

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

TEST_F(PlayTest, AChosenLanguagesPackServesFromTheNextGame)
{
    const QString pack = folder.path() + "/parole/english";
    ASSERT_TRUE(QDir().mkpath(pack));
    ASSERT_TRUE(QFile::copy(picturePath("gatto"), pack + "/cat.jpg"));
    click(*window->Panel(35));
    window->SceltaLingua->setEditText("English");
    EXPECT_EQ(window->catalogue().count(), 10) << "the game in progress keeps its words";
    hover(12);
    EXPECT_EQ(window->Immagine->fileNamePath(), loadedPath(2));

    drag(tileFor(1), 11);
    for (int word = 2; word <= 10; ++word)
        drag(tileFor(word), 10 + word);
    click(*window->Panel(35));
    EXPECT_EQ(window->catalogue().count(), 1);
    EXPECT_EQ(window->game().gameWord(1), "cat.jpg");
    EXPECT_EQ(window->Immagine->fileNamePath(), pack.toStdString() + "/cat.jpg");
    EXPECT_EQ(window->Memo1->lines(), QStringList{"cat.jpg"});
    EXPECT_TRUE(reports.empty());
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

TEST_F(PlayTest, EsciClosesTheWindow)
{
    click(*window->Esci);
    EXPECT_FALSE(window->isVisible());
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
