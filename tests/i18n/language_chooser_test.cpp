// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/language_chooser.h"
#include "i18n/small_form.h"
#include "system/errors.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

namespace brindolo {
namespace {

using testing::SmallForm;
using testing::writeFile;

class LanguageChooserTest : public ::testing::Test {
protected:
    LanguageChooserTest()
    {
        ui.language->setProperties({"Principale.Esci.Caption", "Principale.Panel32.Caption"});
        ui.languages->OnChange = [this] { chooseLanguage(*ui.languages, *ui.language, folder); };
        ui.form->show();
    }
    ~LanguageChooserTest() override { ui.languages->hidePopup(); }

    QTemporaryDir dir;
    std::string folder = testing::folderOf(dir);
    SmallForm ui;
};

TEST(LanguageFilePath, LowersOnlyAToZAndKeepsEverythingElse)
{
    EXPECT_EQ(LanguageFilePath("/opt/b/", "Italiano"), "/opt/b/italiano.lng");
    EXPECT_EQ(LanguageFilePath("/opt/b", QString::fromUtf8(" ÉSPAÑOL ")), QString::fromUtf8("/opt/b/ ÉspaÑol .lng"));
    EXPECT_EQ(LanguageFilePath("/opt/b/", ""), "/opt/b/.lng");
    EXPECT_EQ(LanguageFilePath("/opt/b/", "../X"), "/opt/b/../x.lng");
}

TEST_F(LanguageChooserTest, OpeningListsTheNamesOnceKeepsTheTextAndShowsTheList)
{
    writeFile(dir, "lingue.txt", "italiano\r\nEnglish\r\n");
    int changes = 0;
    ui.languages->OnChange = [&] { ++changes; };
    // Hidden, the drop-down has no text field yet and still tells of each
    // change of its text.
    EXPECT_EQ(ui.languages->lineEdit(), nullptr);
    ui.languages->setEditText("English");
    ui.languages->setEditText("English");
    ui.languages->setEditText("italiano");
    EXPECT_EQ(changes, 2);
    changes = 0;

    openLanguageChooser(*ui.languages, folder);
    openLanguageChooser(*ui.languages, folder);

    EXPECT_EQ(ui.languages->items(), (QStringList{"italiano", "English"}));
    EXPECT_EQ(ui.languages->currentText(), "italiano");
    ASSERT_NE(ui.languages->lineEdit(), nullptr);
    EXPECT_EQ(ui.languages->lineEdit()->text(), "italiano");
    EXPECT_TRUE(ui.languages->isVisible());
    EXPECT_TRUE(ui.languages->view()->isVisible());
    EXPECT_EQ(changes, 0);
}

TEST_F(LanguageChooserTest, PickingANameTranslatesFromItsFileAndHidesTheList)
{
    writeFile(dir, "lingue.txt", "italiano\r\nEnglish\r\n");
    writeFile(dir, "english.lng", "[Translations]\r\nPrincipale.Esci.Caption=EXIT\r\n");
    writeFile(dir, "italiano.lng", "[Translations]\r\nPrincipale.Panel32.Caption=TROVATE\r\n");

    openLanguageChooser(*ui.languages, folder);
    ui.languages->setCurrentIndex(1);
    EXPECT_EQ(ui.language->languageFile(), QString::fromStdString(folder) + "english.lng");
    EXPECT_EQ(ui.exit->caption(), "EXIT");
    EXPECT_FALSE(ui.languages->isVisible());

    // Filling leaves no name current, so picking the first one is a change
    // of text too.
    openLanguageChooser(*ui.languages, folder);
    EXPECT_EQ(ui.languages->currentText(), "English");
    ui.languages->setCurrentIndex(0);
    EXPECT_EQ(ui.found->caption(), "TROVATE");
    EXPECT_EQ(ui.exit->caption(), "EXIT");
    EXPECT_FALSE(ui.languages->isVisible());
}

TEST_F(LanguageChooserTest, HugeListsOpenAndNamesOnlyEverNameAFileToRead)
{
    QByteArray names;
    for (int i = 0; i < 300000; ++i)
        names += "x\r\n";
    writeFile(dir, "lingue.txt", names);
    openLanguageChooser(*ui.languages, folder);
    EXPECT_EQ(ui.languages->count(), 300000);
    ui.languages->hidePopup();

    // A name no file system takes reads nothing.
    ui.languages->setEditText(QString(10 << 20, 'y'));
    EXPECT_EQ(ui.exit->caption(), "ESCI");

    // A name climbing out of the folder reads a file there.
    ASSERT_TRUE(QDir(dir.path()).mkdir("prog"));
    writeFile(dir, "fuori.lng", "[Translations]\r\nPrincipale.Esci.Caption=FUORI\r\n");
    ui.languages->OnChange = nullptr;
    ui.languages->setEditText("../FUORI");
    chooseLanguage(*ui.languages, *ui.language, folder + "prog/");
    EXPECT_EQ(ui.exit->caption(), "FUORI");
}

TEST_F(LanguageChooserTest, TypingTranslatesWithTheTextSoFar)
{
    writeFile(dir, "e.lng", "[Translations]\r\nPrincipale.Esci.Caption=E\r\n");
    ui.languages->setVisible(true);
    ui.languages->setEditText("E");
    EXPECT_EQ(ui.exit->caption(), "E");
    EXPECT_FALSE(ui.languages->isVisible());
}

TEST_F(LanguageChooserTest, AMissingListFailsWithTheItemsGoneAndVisibilityKept)
{
    writeFile(dir, "lingue.txt", "italiano\r\n");
    openLanguageChooser(*ui.languages, folder);
    ui.languages->hidePopup();
    QFile::remove(dir.filePath("lingue.txt"));

    try {
        openLanguageChooser(*ui.languages, folder);
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_TRUE(ui.languages->items().isEmpty());
    EXPECT_EQ(ui.languages->currentText(), "italiano");
    EXPECT_TRUE(ui.languages->isVisible());
}

TEST_F(LanguageChooserTest, AConversionErrorLeavesTheListShown)
{
    writeFile(dir, "bad.lng", "[Translations]\r\nPrincipale.Esci.Left=12px\r\n");
    ui.language->setProperties({"Principale.Esci.Left"});
    ui.languages->OnChange = nullptr;
    ui.languages->setEditText("bad");
    ui.languages->setVisible(true);
    EXPECT_THROW(chooseLanguage(*ui.languages, *ui.language, folder), EConvertError);
    EXPECT_TRUE(ui.languages->isVisible());
}

}  // namespace
}  // namespace brindolo
