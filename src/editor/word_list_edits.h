// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The editor's changes to a word list's folder that only move or remove
// files: a word's picture and its recording always go together. Folders end
// with "/", names are the file system's bytes; a game word is a picture's
// name led by its theme ("animali/gatto.jpg"). Every failure raises
// Exception with a sentence for the user, and leaves the files as they were.

#include <QStringList>
#include <string>
#include <vector>

namespace brindolo {

// A word with the game's rules applied: small letters, no "/", no leading
// dot, no control characters, at most 17 characters; empty when nothing is
// left of it.
std::string fittedWord(const std::string& typed);

// Every recording beside a picture, in the order the game looks for them.
QStringList recordingsOf(const QString& picturePath);

// Renames the word's picture (and recording) to newWord, in its theme.
// Returns the new game word.
std::string renameWord(const std::string& folder, const std::string& gameWord, const std::string& newWord);

// Moves the word's picture (and recording) into theme (empty: the list's
// own folder). Returns the new game word.
std::string moveWord(const std::string& folder, const std::string& gameWord, const std::string& theme);

// Whether deleted files can go to the desktop's trash here.
bool trashAvailable(const std::string& folder);
// Moves the word's picture and recording to the trash, or deletes them for
// good when toTrash is false.
void deleteWord(const std::string& folder, const std::string& gameWord, bool toTrash);

// Every folder of the list that is or can become a theme: its subfolders,
// hidden ones left out, in byte order.
std::vector<std::string> themeFolders(const std::string& folder);
void makeTheme(const std::string& folder, const std::string& theme);
void renameTheme(const std::string& folder, const std::string& theme, const std::string& newName);
void deleteTheme(const std::string& folder, const std::string& theme, bool toTrash);

// Copies the files of a word list and of its themes (pictures, recordings,
// the credits of a pack) into the list at to, made if need be. A file
// already there is kept as it is. Everything is copied aside first, inside
// to, and only then moved into place, so that a full disk leaves to as it
// was. Returns how many files were copied.
int copyWordList(const std::string& from, const std::string& to);

}  // namespace brindolo
