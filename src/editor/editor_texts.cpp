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
    {"NotMadeYet", "La cartella %1 non c'è ancora: sarà creata quando aggiungerai la prima parola."},
    {"FindingNoJpgEnding",
     "il nome deve finire con «.jpg» in lettere minuscole, altrimenti la parola è tutto il nome «%1»"},
    {"FindingNoWord", "non c'è nessuna parola prima di «.jpg»"},
    {"FindingNotUtf8", "il nome non è UTF-8 valido, quindi alcune lettere non si possono mostrare"},
    {"FindingTooLong", "la parola ha %1 lettere, più delle %2 che una tessera mostra"},
    {"FindingTooLarge", "l'immagine è di %1 x %2 pixel, più di %3 per lato: è lenta da mostrare e da controllare, "
                        "e una copia più piccola si vede uguale"},
    {"FindingSameWord", "dà la stessa parola di «%1»"},
    {"FindingEmptyFile", "il file è vuoto, quindi non mostra nessuna immagine"},
    {"FindingUnreadable", "l'immagine non si può leggere: %1"},
    {"FindingRecording", "la registrazione non si può ascoltare (%1), quindi la voce sintetica dice la parola"},
};

// The key of each kind of finding.
constexpr std::pair<FindingKind, const char*> kFindingKeys[] = {
    {FindingKind::NoJpgEnding, "FindingNoJpgEnding"}, {FindingKind::NoWord, "FindingNoWord"},
    {FindingKind::NotUtf8, "FindingNotUtf8"},         {FindingKind::TooLong, "FindingTooLong"},
    {FindingKind::TooLarge, "FindingTooLarge"},       {FindingKind::SameWord, "FindingSameWord"},
    {FindingKind::EmptyFile, "FindingEmptyFile"},     {FindingKind::Unreadable, "FindingUnreadable"},
    {FindingKind::Recording, "FindingRecording"},
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

QString EditorTexts::finding(const WordFinding& finding) const
{
    for (const auto& [kind, key] : kFindingKeys) {
        if (kind != finding.kind)
            continue;
        // In one pass: a name may well hold "%2".
        const QString text = (*this)(key);
        const auto value = [&](std::size_t i) { return QString::fromUtf8(finding.values.at(i)); };
        switch (finding.values.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(value(0));
        case 2:
            return text.arg(value(0), value(1));
        default:
            return text.arg(value(0), value(1), value(2));
        }
    }
    return QString::fromUtf8(finding.text);
}

QString EditorTexts::operator()(const char* key) const
{
    const auto found = texts_.constFind(QLatin1String(key));
    Q_ASSERT_X(found != texts_.constEnd(), "EditorTexts", key);
    return found == texts_.constEnd() ? QString::fromLatin1(key) : *found;
}

}  // namespace brindolo
