// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/small_form.h"
#include "i18n/tlanguage.h"
#include "system/errors.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

namespace brindolo {
namespace {

using testing::SmallForm;
using testing::writeFile;

class TLanguageTest : public ::testing::Test {
protected:
    // Points the translator at a language file holding the given lines
    // under [Translations].
    void useTranslations(const QByteArray& lines)
    {
        ui.language->setLanguageFile(writeFile(dir, "lang.lng", "[Translations]\r\n" + lines));
    }

    QTemporaryDir dir;
    SmallForm ui;
};

TEST_F(TLanguageTest, TranslatesTheListedCaptionsAndNothingElse)
{
    ui.language->setProperties({"Principale.Esci.Caption", "Principale.Caption"});
    useTranslations("Principale.Esci.Caption=EXIT\r\nPrincipale.Caption=Brindolo 1.0  en\r\n"
                    "Principale.Panel32.Caption=YOU FOUND\r\n");
    ui.language->Translate();

    EXPECT_EQ(ui.exit->caption(), "EXIT");
    EXPECT_EQ(ui.form->caption(), "Brindolo 1.0  en");
    EXPECT_EQ(ui.found->caption(), "HAI TROVATO");  // in the file, not in the list

    // A second language lacking a key leaves that caption in the first one.
    useTranslations("Principale.Caption=Brindolo 1.0  fr\r\n");
    ui.language->Translate();
    EXPECT_EQ(ui.exit->caption(), "EXIT");
    EXPECT_EQ(ui.form->caption(), "Brindolo 1.0  fr");
}

TEST_F(TLanguageTest, MissingFilesAndEmptyValuesChangeNothingButTheRunHandlersAreCalled)
{
    std::vector<std::string> calls;
    ui.language->OnBeforeTranslation = [&](QObject& sender) {
        EXPECT_EQ(&sender, ui.language);
        calls.push_back("before");
    };
    ui.language->OnAfterTranslation = [&](QObject&) { calls.push_back("after"); };
    ui.language->OnTranslate = [&](QObject&, TComponent&, const QString&, const QString&, QString&) {
        calls.push_back("translate");
    };
    ui.language->setProperties({"Principale.Esci.Caption", "  ", "Principale.Panel32.Caption"});

    ui.language->setLanguageFile(dir.filePath("missing.lng"));
    ui.language->Translate();
    EXPECT_EQ(ui.found->caption(), "HAI TROVATO");
    useTranslations("Principale.Esci.Caption=\r\nPrincipale.Panel32.Caption=YOU FOUND\r\n");
    ui.language->Translate();

    EXPECT_EQ(calls, (std::vector<std::string>{"before", "after", "before", "translate", "after"}));
    EXPECT_EQ(ui.exit->caption(), "ESCI");
    // The blank entry is passed over, and the run goes on after it.
    EXPECT_EQ(ui.found->caption(), "YOU FOUND");
}

TEST_F(TLanguageTest, PathsResolveThroughOwnershipCaseInsensitivelyWithTrimmedSegments)
{
    ui.language->TranslateProperty(" principale . ESCI . caption ", "EXIT");
    EXPECT_EQ(ui.exit->caption(), "EXIT");

    // The container panel lies around the button but does not own it.
    ui.language->TranslateProperty("Principale.PannelloPrincipale.Esci.Caption", "NO");
    // A path naming no component, or naming one past a missing one.
    ui.language->TranslateProperty("Nowhere.Esci.Caption", "NO");
    ui.language->TranslateProperty("Principale.Nothing.Caption", "NO");
    EXPECT_EQ(ui.exit->caption(), "EXIT");

    // No point: a property of the application object.
    ui.language->TranslateProperty("title", "Brindolo 2");
    EXPECT_EQ(ui.application.title(), "Brindolo 2");

    // The first owned component of a name wins.
    auto* twin = ui.make<TPanel>("esci", ui.container);
    ui.language->TranslateProperty("Principale.Esci.Caption", "FIRST");
    EXPECT_EQ(ui.exit->caption(), "FIRST");
    EXPECT_EQ(twin->caption(), "");
}

TEST_F(TLanguageTest, TheFileKeyIsTheEntryAsListedWhileTheSegmentsAreTrimmed)
{
    ui.language->setProperties({"Principale . Esci . Caption"});
    useTranslations("Principale.Esci.Caption=WRONG\r\nPrincipale . Esci . Caption=EXIT\r\n");
    ui.language->Translate();
    EXPECT_EQ(ui.exit->caption(), "EXIT");
}

TEST_F(TLanguageTest, OnTranslateSeesEveryResolvedEntryAndMayReplaceTheValue)
{
    struct Call {
        TComponent* component;
        QString property, oldValue, newValue;
    };
    std::vector<Call> calls;
    ui.language->OnTranslate = [&](QObject&, TComponent& c, const QString& p, const QString& o, QString& n) {
        calls.push_back({&c, p, o, n});
        if (p == "Caption")
            n = n == "EXIT" ? QStringLiteral("USCITA") : QString();
    };

    ui.language->TranslateProperty("Principale.Esci.Caption", "EXIT");
    ui.language->TranslateProperty("Principale.Panel32.Caption", "blank me");
    ui.language->TranslateProperty("Principale.Esci.Colour", "red");
    ui.language->TranslateProperty("Principale.Esci.", "x");
    ui.language->TranslateProperty("Principale.Esci.Left", "12");
    // Qt's own properties are not the design's: no rename through a file.
    ui.language->TranslateProperty("Principale.Esci.objectName", "Gone");

    EXPECT_EQ(ui.exit->caption(), "USCITA");
    EXPECT_EQ(ui.found->caption(), "");
    EXPECT_EQ(ui.exit->left(), 12);
    EXPECT_EQ(ui.exit->name(), "Esci");
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].component, ui.exit);
    EXPECT_EQ(calls[0].oldValue, "ESCI");
    EXPECT_EQ(calls[2].property, "Colour");
    EXPECT_EQ(calls[2].oldValue, "");
    EXPECT_EQ(calls[3].property, "");
    EXPECT_EQ(calls[4].oldValue, "");  // not a text property
    EXPECT_EQ(calls[4].newValue, "12");
}

TEST_F(TLanguageTest, IntegerPropertiesConvertAndABadValueStopsTheRunThere)
{
    ui.language->TranslateProperty("Principale.Esci.Left", " -7");
    EXPECT_EQ(ui.exit->left(), -7);
    ui.language->TranslateProperty("Principale.Esci.Width", "$1F");
    EXPECT_EQ(ui.exit->width(), 31);

    bool after = false;
    ui.language->OnAfterTranslation = [&](QObject&) { after = true; };
    ui.language->setProperties({"Principale.Esci.Caption", "Principale.Esci.Top", "Principale.Panel32.Caption"});
    useTranslations("Principale.Esci.Caption=EXIT\r\nPrincipale.Esci.Top=12px\r\n"
                    "Principale.Panel32.Caption=YOU FOUND\r\n");
    try {
        ui.language->Translate();
        FAIL() << "12px converted";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'12px' is not a valid integer value");
    }
    EXPECT_EQ(ui.exit->caption(), "EXIT");
    EXPECT_EQ(ui.found->caption(), "HAI TROVATO");
    EXPECT_FALSE(after);
}

TEST_F(TLanguageTest, ListPropertiesAreSplitAtTheSeparator)
{
    ui.language->TranslateProperty("Principale.Memo1.Lines", "a;b");
    EXPECT_EQ(ui.memo->lines(), QStringList{"a;b"});

    ui.language->setSeparator(";");
    ui.language->TranslateProperty("Principale.Memo1.Lines", "a; b");
    EXPECT_EQ(ui.memo->lines(), (QStringList{"a", "b"}));

    ui.language->setSeparator(" | ");
    ui.language->TranslateProperty("Principale.Memo1.Lines", "a | b|c | d");
    EXPECT_EQ(ui.memo->lines(), (QStringList{"a", "b|c", "d"}));
}

TEST_F(TLanguageTest, ABlankSeparatorStoresAComma)
{
    EXPECT_EQ(ui.language->separator(), "");
    ui.language->setSeparator(" \t ");
    EXPECT_EQ(ui.language->separator(), ",");
    ui.language->setSeparator("");
    EXPECT_EQ(ui.language->separator(), ",");
    ui.language->setSeparator(" ; ");
    EXPECT_EQ(ui.language->separator(), " ; ");
}

TEST_F(TLanguageTest, AHandlerShorteningTheListEndsTheRunWithAnError)
{
    ui.language->setProperties({"Principale.Esci.Caption", "Principale.Panel32.Caption"});
    useTranslations("Principale.Esci.Caption=EXIT\r\nPrincipale.Panel32.Caption=YOU FOUND\r\n");
    ui.language->OnTranslate = [&](QObject&, TComponent&, const QString&, const QString&, QString&) {
        ui.language->properties().clear();
    };
    EXPECT_THROW(ui.language->Translate(), Exception);
    EXPECT_EQ(ui.exit->caption(), "EXIT");
}

TEST_F(TLanguageTest, PublishesItsStateAsProperties)
{
    ui.language->setProperty("Properties", QStringList{"a", "b"});
    ui.language->setProperty("Separator", QString());
    ui.language->setProperty("LanguageFile", QStringLiteral("/x.lng"));
    EXPECT_EQ(ui.language->properties(), (QStringList{"a", "b"}));
    EXPECT_EQ(ui.language->separator(), ",");
    EXPECT_EQ(ui.language->languageFile(), "/x.lng");
    // Owned by the form, so a path can name the translator itself.
    ui.language->TranslateProperty("Principale.Language1.Separator", ";");
    EXPECT_EQ(ui.language->separator(), ";");
}

}  // namespace
}  // namespace brindolo
