// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the word list comes from. The first of these places that applies
// gives the folder the catalogue is read from:
//   1. the folder named on the command line (--pictures);
//   2. the teacher's own folder, when it (or one of its themes) holds at
//      least one picture;
//   3. the word pack shipped for the interface language chosen under the
//      flag, parole/<language>/ beside the program;
//   4. immagini/ beside the program, the Italian pack.
// Folders are the file system's bytes and always end with "/".

#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

// The places that depend on how the program was started.
struct WordListPlaces {
    std::string chosenFolder;   // empty when none was named
    std::string teacherFolder;  // empty when there is none
};

// The teacher's own word list: $XDG_DATA_HOME/brindolo/immagini, or
// ~/.local/share/brindolo/immagini; empty when HOME is not set either. It
// may not be there yet.
std::string teacherFolder();

// True when the folder lists at least one "*.jpg" entry, in any case.
bool holdsPictures(const std::string& folder);
// True when the folder, or one of its themes, holds pictures.
bool holdsWords(const std::string& folder);

// The themes of a word list: its subfolders that hold pictures, named by
// their folders, in byte order. Hidden folders are no themes, nor are
// entries named as pictures ("*.jpg").
std::vector<std::string> themesIn(const std::string& folder);
// Whether the folder's entry name is one of its themes.
bool isTheme(const std::string& folder, const std::string& name);

// The theme to play from folder: wanted when the folder has that theme, the
// whole list (empty) otherwise, with warning telling why.
std::string themeToPlay(const std::string& folder, const std::string& wanted, std::string& warning);

// The pack of a language: its name lowered over A to Z only, as with the
// language files. Empty for a name that could reach outside parole/.
std::string packFolder(std::string_view programFolder, std::string_view language);

// The word list for the language chosen under the flag (UTF-8, empty while
// none has been chosen).
std::string wordListFolder(const WordListPlaces& places, std::string_view programFolder, std::string_view language);

// The language the words of a word list are in, as lingue.txt names it: a
// pack's own language, "italiano" for immagini/, and for any other folder
// (the teacher's, or one named at start) the interface language.
std::string wordListLanguage(std::string_view folder, std::string_view programFolder,
                             std::string_view interfaceLanguage);

}  // namespace brindolo
