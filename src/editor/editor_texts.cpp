// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/editor_texts.h"

#include "i18n/ini_reader.h"

#include <QFile>
#include <utility>

namespace brindolo {

namespace {

// Key and Italian text; "%1" stands for a word, a theme or a file.
constexpr std::pair<const char*, const char*> kItalian[] = {
    {"Title", "Brindolo: parole"},
    {"Themes", "Temi"},
    {"AllWords", "tutte le parole"},
    {"Words", "Parole"},
    {"Add", "&Aggiungi immagini..."},
    {"AddFolder", "Aggiungi una &cartella..."},
    {"Rename", "&Rinomina..."},
    {"Move", "&Sposta nel tema..."},
    {"Delete", "&Elimina"},
    {"NewTheme", "&Nuovo tema..."},
    {"RenameTheme", "Rinomina il &tema..."},
    {"DeleteTheme", "Elimina il te&ma"},
    {"Export", "Es&porta..."},
    {"Import", "&Importa..."},
    {"Play", "&Gioca"},
    {"Record", "Re&gistra..."},
    {"ReadOnly", "Questa lista non si può modificare: %1."},
    {"ShippedPack", "è arrivata con il gioco"},
    {"CannotWrite", "non si può scrivere nella sua cartella"},
    {"CopyToMine", "&Copia nella mia lista"},
    {"HasRecording", "ha una registrazione"},
    {"Word", "Parola"},
    {"WordFor", "Parola per %1"},
    {"ChooseWords", "Scegli le parole"},
    {"Pictures", "Immagini"},
    {"ThemeName", "Nome del tema"},
    {"ChooseTheme", "Scegli il tema"},
    {"Replace", "La parola «%1» c'è già. Sostituirla?"},
    {"ConfirmDelete", "Eliminare per sempre %1? Qui non c'è un cestino."},
    {"ConfirmDeleteTheme", "Eliminare il tema «%1» e le sue parole?"},
    {"NotAdded", "Non aggiunte: %1"},
    {"Error", "errore"},
    {"Warning", "attenzione"},
    {"Done", "Fatto: %1"},
    {"Level", "livello del microfono"},
    {"Stop", "&Ferma"},
    {"Listen", "&Ascolta"},
    {"Keep", "&Tieni"},
    {"ChooseRecording", "Scegli un &file..."},
    {"DeleteRecording", "&Elimina la registrazione"},
    {"SayTheWord", "Di' la parola..."},
    {"Recorded", "Registrata: ascoltala, poi tienila o registra di nuovo."},
    {"Kept", "Registrazione salvata."},
    {"Recordings", "Registrazioni"},
    {"ImportReplacing", "Importare comunque, sostituendo le parole che ci sono già?"},
    {"Shared", "Liste di parole"},
};

}  // namespace

EditorTexts EditorTexts::read(const QString& languageFile)
{
    EditorTexts texts;
    const IniReader file(languageFile.isEmpty() ? std::string() : QFile::encodeName(languageFile).toStdString());
    for (const auto& [key, italian] : kItalian) {
        const QString value = languageFile.isEmpty() ? QString() : file.readString(QStringLiteral("Editor"), QLatin1String(key));
        texts.texts_.insert(QLatin1String(key), value.isEmpty() ? QString::fromUtf8(italian) : value);
    }
    return texts;
}

QString EditorTexts::operator()(const char* key) const
{
    const auto found = texts_.constFind(QLatin1String(key));
    Q_ASSERT_X(found != texts_.constEnd(), "EditorTexts", key);
    return found == texts_.constEnd() ? QString::fromLatin1(key) : *found;
}

}  // namespace brindolo
