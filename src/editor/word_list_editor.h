// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The word list's operations on its folder, each whole or nothing: a failure
// raises (editor_errors.h, EInOutError with the system's reason, or the
// picture saver's errors) and leaves the folder as it was. Words are named
// as the game names them, "theme/word.jpg" or "word.jpg" beside the themes;
// a theme is a folder's name, "" for the list's own folder. A word's
// recordings (word.wav beside word.jpg) go with it everywhere. A word is
// "there already" when the game would show one in its theme the same way
// (Gatto.jpg and gatto.jpg), whatever the letters' case in the file name. Paths and
// names are the file system's bytes.

#include "picture/picture_saver.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

class FileMoves;

// Whether folder is one of the packs shipped with the program (its immagini/
// or parole/), which are never written, whatever the file system allows.
bool isShippedPack(const std::string& folder, const std::string& programFolder);

// Why the list in folder cannot be changed: a shipped pack, a folder the
// user cannot write, or one not there that cannot be made; empty when it
// can (or is not there yet and will be made on the first save).
std::string whyReadOnly(const std::string& folder, const std::string& programFolder);

// The game's recording file beside a picture (its path), or empty.
std::string recordingBeside(const std::string& picturePath);

// Every recording the game would play for the picture, the one it plays
// first first: each recording extension, in small letters or capitals. A
// word carries them all, so that none is left behind to speak for another
// picture of that name, or speaks in the place of the one kept.
std::vector<std::string> recordingsBeside(const std::string& picturePath);

// The pictures of one folder (the list's or a theme's) by the word the game
// shows for each, whichever case it shows it in: Gatto.jpg and gatto.jpg
// are one word to a pupil. The folder is read once, for many questions.
class ShownWords {
public:
    explicit ShownWords(const std::string& folder);
    // The picture whose word the game shows as it would show pictureName's,
    // as its file name (Gatto.jpg for gatto.jpg), the exact name first;
    // except is passed over. Empty when there is none.
    std::string find(std::string_view pictureName, std::string_view except = {}) const;

private:
    std::multimap<std::string, std::string> names_;  // by the form shown
};

// How deleted words and themes go: to the desktop's trash, from where they
// can be restored, or for good (after the user was asked).
enum class Removal { ToTrash, ForGood };

class WordListEditor {
public:
    // Raises EReadOnlyList when whyReadOnly gives a reason.
    WordListEditor(const std::string& folder, const std::string& programFolder);

    const std::string& folder() const { return folder_; }

    // The picture saved as word's picture in theme (the list's folder and the
    // theme's are made when missing); returns its game word. word is mended
    // as the game needs it (mendedWord), EBadName when nothing is left.
    // EWordExists when the word is there unless replace, which saves the
    // picture in the place of the one there (Gatto.jpg for "gatto"), with
    // its name and recordings.
    std::string addPicture(const PreparedPicture& picture, const std::string& word, const std::string& theme,
                           bool replace);

    // The word's picture and recording renamed to newWord (mended); returns
    // the new game word. EWordExists when that word is there.
    std::string renameWord(const std::string& gameWord, const std::string& newWord);

    // The words moved into theme, all or none; EWordExists names those
    // that are there already.
    void moveWords(const std::vector<std::string>& gameWords, const std::string& theme);

    // The words with their recordings deleted. ENoTrash, with nothing
    // deleted, when the desktop's trash cannot take them.
    void deleteWords(const std::vector<std::string>& gameWords, Removal removal);

    // The folders the list has for themes, pictures or none, in byte order.
    std::vector<std::string> themeFolders() const;
    // EBadName for a name themeNameProblem refuses, EWordExists when taken.
    void makeTheme(const std::string& name);
    void renameTheme(const std::string& name, const std::string& newName);
    // The theme with everything in it; ENoTrash as for words.
    void deleteTheme(const std::string& name, Removal removal);

private:
    // The word's picture and its recordings moved to the picture path to;
    // recordings there that would speak for it go to inTheWay.
    void addWordMoves(FileMoves& moves, const std::string& from, const std::string& to,
                      std::vector<std::string>& inTheWay) const;
    std::string pathOf(const std::string& gameWord) const;
    std::string themePath(const std::string& theme) const;

    std::string folder_;
};

}  // namespace brindolo
