// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chooser and the translator on the real main window, driven through
// the flag strips and the language drop-down as the player drives them.

#include "app/principale.h"
#include "i18n/small_form.h"
#include "support/recording_speaker.h"
#include "widgets/event_boundary.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLocale>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace brindolo {
namespace {

using testing::writeFile;

class WindowTranslationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkdir("immagini"));
        application.setTitle("Brindolo 1.0");
        EventBoundary::setTitle("Brindolo 1.0");
        EventBoundary::setReporter([this](const QString& caption, const QString& text) {
            reports.push_back((caption + " | " + text).toStdString());
        });
        window = std::make_unique<TPrincipale>(&application, testing::folderOf(dir));
        window->Language1->OnAfterTranslation = [this](QObject&) { ++translations; };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window->SceltaLingua->hidePopup();
        window.reset();
        EventBoundary::setReporter(nullptr);
    }

    void releaseOver(const QWidget& strip, Qt::MouseButton button)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, strip.mapTo(window.get(), strip.rect().center()));
    }

    // A name picked from the open list with the keyboard, as the player may.
    void pick(int row)
    {
        QAbstractItemView& view = *window->SceltaLingua->view();
        ASSERT_TRUE(view.isVisible());
        view.setCurrentIndex(view.model()->index(row, 0));
        QTest::keyClick(&view, Qt::Key_Return);
    }

    // Every caption and text on a window, by component name.
    std::map<QString, QString> texts() const { return textsOf(*window); }
    static std::map<QString, QString> textsOf(const TPrincipale& window)
    {
        std::map<QString, QString> all{{"Principale", window.caption()}};
        for (int i = 0; i < window.componentCount(); ++i) {
            const TComponent& c = *window.component(i);
            for (const char* property : {"Caption", "Text"}) {
                const QVariant value = c.object().property(property);
                if (value.isValid())
                    all[c.name() + "." + property] = value.toString();
            }
        }
        return all;
    }

    QTemporaryDir dir;
    TApplication application;
    std::unique_ptr<TPrincipale> window;
    std::vector<std::string> reports;
    int translations = 0;
};

TEST_F(WindowTranslationTest, AChoiceChangesTheTranslatedCaptionsAndNothingElse)
{
    writeFile(dir, "lingue.txt", "italiano\r\nenglish\r\nparziale\r\n");
    QFile::copy(BRINDOLO_SOURCE_DIR "/data/english.lng", dir.filePath("english.lng"));
    writeFile(dir, "parziale.lng", "[Translations]\r\nPrincipale.Panel35.Caption=GIOCHIAMO\r\n");
    TRzComboBox& list = *window->SceltaLingua;
    // A title no language file holds, so that the title's translation shows.
    window->setCaption("Brindolo");
    const auto before = texts();

    // Any button over any strip opens the list.
    releaseOver(*window->RichiamaLingua3, Qt::RightButton);
    ASSERT_TRUE(list.isVisible());
    EXPECT_TRUE(list.view()->isVisible());
    EXPECT_EQ(list.items(), (QStringList{"italiano", "english", "parziale"}));
    pick(1);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(translations, 1);

    auto expected = before;
    expected["Principale"] = "Brindolo 1.0";
    expected["Esci.Caption"] = "EXIT";
    expected["Panel32.Caption"] = "YOU FOUND";
    expected["Panel34.Caption"] = "WORDS";
    expected["Panel35.Caption"] = "PLAY";
    expected["Voce.Caption"] = "voice";
    expected["SceltaLingua.Text"] = "english";
    EXPECT_EQ(texts(), expected);

    // A language lacking keys leaves those captions in the one before.
    releaseOver(*window->RichiamaLingua1, Qt::MiddleButton);
    pick(2);
    expected["Panel35.Caption"] = "GIOCHIAMO";
    expected["SceltaLingua.Text"] = "parziale";
    EXPECT_EQ(texts(), expected);

    // Picking the name the field shows already translates again and hides
    // the list all the same.
    window->Panel(35)->setCaption("GIOCA");
    releaseOver(*window->RichiamaLingua2, Qt::LeftButton);
    pick(2);
    EXPECT_EQ(translations, 3);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(texts(), expected);
    EXPECT_TRUE(reports.empty());
}

// Started in a language (the desktop's, or one set for the class), the
// window is the one a pick under the flag gives, and its first word list is
// already that language's pack.
TEST_F(WindowTranslationTest, StartingInALanguageIsAPickMadeBeforeTheFirstGame)
{
    writeFile(dir, "lingue.txt", "italiano\r\nenglish\r\n");
    QFile::copy(BRINDOLO_SOURCE_DIR "/data/english.lng", dir.filePath("english.lng"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("parole/english"));
    writeFile(dir, "parole/english/cat.jpg", "");
    releaseOver(*window->RichiamaLingua1, Qt::LeftButton);
    pick(1);

    // An application of its own: the translator finds its window by name.
    TApplication other;
    QLocale::setDefault(QLocale::c());
    TPrincipale started(&other, testing::folderOf(dir));
    RecordingSpeaker speaker;
    StartSettings start;
    start.language = "english";
    started.apply(start, speaker);
    EXPECT_EQ(QLocale().language(), QLocale::English) << "the screen reader's locale";
    EXPECT_EQ(textsOf(started), texts());
    EXPECT_EQ(started.Panel(35)->caption(), "PLAY");
    EXPECT_EQ(started.catalogue().count(), 1) << "the English pack, read once";
    EXPECT_TRUE(reports.empty());
}

TEST_F(WindowTranslationTest, AMissingListIsReportedAndLeavesTheDropDownEmptyAndHidden)
{
    writeFile(dir, "lingue.txt", "italiano\r\n");
    releaseOver(*window->RichiamaLingua2, Qt::LeftButton);
    window->SceltaLingua->hidePopup();
    window->SceltaLingua->setVisible(false);
    QFile::remove(dir.filePath("lingue.txt"));

    releaseOver(*window->RichiamaLingua2, Qt::LeftButton);
    EXPECT_EQ(reports, std::vector<std::string>{"Brindolo 1.0 | File not found."});
    EXPECT_TRUE(window->SceltaLingua->items().isEmpty());
    EXPECT_FALSE(window->SceltaLingua->isVisible());
    EXPECT_EQ(window->SceltaLingua->currentText(), "italiano");

    // The window goes on, and the next opening reads the list anew.
    writeFile(dir, "lingue.txt", "english\r\n");
    releaseOver(*window->RichiamaLingua2, Qt::LeftButton);
    EXPECT_EQ(window->SceltaLingua->items(), QStringList{"english"});
    EXPECT_TRUE(window->SceltaLingua->isVisible());
    EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace brindolo
