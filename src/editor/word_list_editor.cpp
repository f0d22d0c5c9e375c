// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/word_list_editor.h"

#include "editor/editor_errors.h"
#include "editor/file_moves.h"
#include "editor/word_names.h"
#include "game/word_rules.h"
#include "speech/recording_files.h"
#include "system/directory_search.h"
#include "system/file_errors.h"
#include "system/file_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

namespace {

// The path with links and "..", resolved as far as it is there: a folder
// not made yet is named after its resolved parent.
std::string resolved(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    char buffer[PATH_MAX];
    if (::realpath(trimmed.c_str(), buffer))
        return buffer;
    const std::size_t slash = trimmed.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return trimmed;
    return joinPath(resolved(trimmed.substr(0, slash)), trimmed.substr(slash + 1));
}

// Why a folder that is not there cannot be made on the first save, as
// makeFolders would make it: the nearest folder there is not one the user
// can write; empty when it can be made.
std::string whyCannotMake(const std::string& folder)
{
    std::string there = folder;
    while (there.size() > 1 && there.back() == '/')
        there.pop_back();
    struct stat status {};
    while (::stat(there.c_str(), &status) != 0) {
        if (errno != ENOENT)
            return std::string("it does not exist, and cannot be made: ") + errorText(errno);
        const std::size_t slash = there.rfind('/');
        there = slash == std::string::npos ? "." : slash == 0 ? "/" : there.substr(0, slash);
    }
    if (!S_ISDIR(status.st_mode))
        return "it does not exist, and cannot be made: " + there + " is a file, not a folder";
    if (::access(there.c_str(), W_OK | X_OK) != 0)
        return "it does not exist, and cannot be made in " + there + ": " + errorText(errno);
    return {};
}

bool inside(const std::string& path, const std::string& folder)
{
    return path == folder || path.starts_with(folder + "/");
}

std::string folderPart(const std::string& gameWord)
{
    const std::size_t slash = gameWord.rfind('/');
    return slash == std::string::npos ? std::string() : gameWord.substr(0, slash);
}

// The picture's path without its ".jpg" (in any case), to which a
// recording's extension is added.
std::string stemPath(const std::string& picturePath)
{
    const std::string_view name = fileNameOf(picturePath);
    if (name.size() > 4 && wildcardMatch("*.jpg", name))
        return picturePath.substr(0, picturePath.size() - 4);
    return picturePath;
}

// FileMoves::run's refusal, for what it cannot see: names in the way that
// are not the names moved to.
[[noreturn]] void refuseInTheWay(const std::string& taken, const std::vector<std::string>& names)
{
    std::string there;
    for (const std::string& name : names)
        there += (there.empty() ? "" : ", ") + std::string(fileNameOf(name));
    throw EWordExists(taken + " (" + there + ")");
}

// What the game shows of a picture's word, whichever case it is shown in:
// Gatto.jpg and gatto.jpg are one word to a pupil.
std::string shownForm(std::string_view pictureName)
{
    return caseInsensitiveForm(wordStem(pictureName));
}

QString qtPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

void checkTheme(const std::string& theme)
{
    if (!theme.empty())
        if (const std::string problem = themeNameProblem(theme); !problem.empty())
            throw EBadName(theme + ": " + problem);
}

std::string checkedWord(const std::string& text)
{
    const std::string word = mendedWord(text);
    if (word.empty())
        throw EBadName("\"" + text + "\" leaves no word once mended for the game");
    return word;
}

// What a file moved to the trash became, so that it can be put back.
struct Trashed {
    QString original;
    QString inTrash;
};

// Puts back what went to the trash, newest first, with the trash's note of
// it: the desktop would otherwise offer to restore what is no longer there.
void restore(const std::vector<Trashed>& trashed)
{
    for (auto each = trashed.rbegin(); each != trashed.rend(); ++each) {
        if (!QFile::rename(each->inTrash, each->original))
            continue;
        const QString name = each->inTrash.section(u'/', -1);
        const QString trash = each->inTrash.section(u'/', 0, -3);
        QFile::remove(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
    }
}

// Every path to the trash, or none of them.
void moveToTrash(const std::vector<std::string>& paths)
{
    std::vector<Trashed> trashed;
    for (const std::string& path : paths) {
        QString inTrash;
        const bool moved = QFile::moveToTrash(qtPath(path), &inTrash);
        if (moved)
            trashed.push_back({qtPath(path), inTrash});
        // Qt 6.4 reports success when it could not make the trash folder,
        // having moved the file into files/ of the working folder instead:
        // that is no trash, and the file goes back.
        if (moved && QFileInfo(inTrash).isAbsolute())
            continue;
        restore(trashed);
        throw ENoTrash(path + ": cannot be moved to the trash here; nothing was deleted");
    }
}

}  // namespace

bool isShippedPack(const std::string& folder, const std::string& programFolder)
{
    const std::string path = resolved(folder);
    return inside(path, resolved(joinPath(programFolder, "immagini")))
        || inside(path, resolved(joinPath(programFolder, "parole")));
}

std::string whyReadOnly(const std::string& folder, const std::string& programFolder)
{
    if (isShippedPack(folder, programFolder))
        return "it is a word list shipped with Brindolo, which is never changed; copy it into your own folder "
               "to change it";
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return whyCannotMake(folder);
    if (!S_ISDIR(status.st_mode))
        return "it is a file, not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return std::string("you cannot write to it: ") + errorText(errno);
    return {};
}

std::vector<std::string> recordingsBeside(const std::string& picturePath)
{
    const std::string stem = stemPath(picturePath);
    std::vector<std::string> recordings;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const QString& extension : recordingExtensions())
        for (const QString& spelled : {extension, extension.toUpper()}) {
            std::string path = stem + "." + spelled.toStdString();
            struct stat status {};
            // A file system that ignores case has one file by both names.
            if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)
                && seen.emplace(status.st_dev, status.st_ino).second)
                recordings.push_back(std::move(path));
        }
    return recordings;
}

std::string recordingBeside(const std::string& picturePath)
{
    const std::vector<std::string> recordings = recordingsBeside(picturePath);
    return recordings.empty() ? std::string() : recordings.front();
}

ShownWords::ShownWords(const std::string& folder)
{
    for (std::string& name : searchDirectory(folder, "*.jpg"))
        names_.emplace(shownForm(name), std::move(name));
}

std::string ShownWords::find(std::string_view pictureName, std::string_view except) const
{
    std::string found;
    const auto [first, last] = names_.equal_range(shownForm(pictureName));
    for (auto each = first; each != last; ++each) {
        const std::string& name = each->second;
        if (name == except)
            continue;
        if (name == pictureName)
            return name;
        if (found.empty() || name < found)
            found = name;
    }
    return found;
}

WordListEditor::WordListEditor(const std::string& folder, const std::string& programFolder) : folder_(folder)
{
    if (const std::string why = whyReadOnly(folder, programFolder); !why.empty())
        throw EReadOnlyList(folder + ": " + why);
}

std::string WordListEditor::pathOf(const std::string& gameWord) const
{
    return joinPath(folder_, gameWord);
}

std::string WordListEditor::themePath(const std::string& theme) const
{
    return theme.empty() ? folder_ : joinPath(folder_, theme);
}

std::string WordListEditor::addPicture(const PreparedPicture& picture, const std::string& word,
                                       const std::string& theme, bool replace)
{
    checkTheme(theme);
    const std::string prefix = theme.empty() ? "" : theme + "/";
    std::string gameWord = prefix + pictureFileName(checkedWord(word));
    struct stat status {};
    const std::string there = ShownWords(themePath(theme)).find(fileNameOf(gameWord));
    if (!replace && (!there.empty() || ::lstat(pathOf(gameWord).c_str(), &status) == 0))
        throw EWordExists((there.empty() ? gameWord : prefix + there) + ": this word is in the list already");
    // In the place of the picture there, which keeps its name and its
    // recordings: a second name would show the word twice.
    if (!there.empty())
        gameWord = prefix + there;
    makeFolders(themePath(theme));
    writePicture(picture, pathOf(gameWord));
    return gameWord;
}

void WordListEditor::addWordMoves(FileMoves& moves, const std::string& from, const std::string& to,
                                  std::vector<std::string>& inTheWay) const
{
    moves.add(from, to);
    const std::vector<std::string> own = recordingsBeside(from);
    for (const std::string& recording : own)
        moves.add(recording, stemPath(to) + recording.substr(stemPath(from).size()));
    // A recording left at the new name would be played for the word, or in
    // the place of its own.
    for (const std::string& there : recordingsBeside(to))
        if (std::none_of(own.begin(), own.end(), [&](const std::string& mine) { return sameFile(mine, there); }))
            inTheWay.push_back(there);
}

std::string WordListEditor::renameWord(const std::string& gameWord, const std::string& newWord)
{
    const std::string theme = folderPart(gameWord);
    const std::string renamed = (theme.empty() ? "" : theme + "/") + pictureFileName(checkedWord(newWord));
    if (renamed == gameWord)
        return renamed;
    const std::string taken = renamed + ": this word is in the list already";
    std::vector<std::string> inTheWay;
    if (std::string there = ShownWords(themePath(theme)).find(fileNameOf(renamed), fileNameOf(gameWord));
        !there.empty())
        inTheWay.push_back(std::move(there));
    FileMoves moves;
    addWordMoves(moves, pathOf(gameWord), pathOf(renamed), inTheWay);
    if (!inTheWay.empty())
        refuseInTheWay(taken, inTheWay);
    moves.run(taken);
    return renamed;
}

void WordListEditor::moveWords(const std::vector<std::string>& gameWords, const std::string& theme)
{
    checkTheme(theme);
    FileMoves moves;
    std::vector<std::string> inTheWay;
    std::set<std::string> moved;
    const ShownWords inTheme(themePath(theme));
    for (const std::string& gameWord : gameWords) {
        if (folderPart(gameWord) == theme)
            continue;
        const std::string name(fileNameOf(gameWord));
        // Two words the game shows alike, from two themes, cannot share one.
        if (!moved.insert(shownForm(name)).second)
            inTheWay.push_back(name);
        if (std::string there = inTheme.find(name); !there.empty())
            inTheWay.push_back(std::move(there));
        addWordMoves(moves, pathOf(gameWord), joinPath(themePath(theme), name), inTheWay);
    }
    if (moves.empty())
        return;
    const std::string taken =
        (theme.empty() ? std::string("the list") : "the theme " + theme) + " has these words already";
    if (!inTheWay.empty())
        refuseInTheWay(taken, inTheWay);
    makeFolders(themePath(theme));
    moves.run(taken);
}

void WordListEditor::deleteWords(const std::vector<std::string>& gameWords, Removal removal)
{
    std::vector<std::string> paths;
    for (const std::string& gameWord : gameWords) {
        const std::string picture = pathOf(gameWord);
        struct stat status {};
        if (::lstat(picture.c_str(), &status) != 0)
            throw EInOutError("Cannot delete " + gameWord + ": " + errorText(errno), errno);
        paths.push_back(picture);
        for (std::string& recording : recordingsBeside(picture))
            paths.push_back(std::move(recording));
    }
    if (removal == Removal::ToTrash)
        return moveToTrash(paths);
    // Checked first, so that deleting stops before the first file rather
    // than halfway.
    if (::access(folder_.c_str(), W_OK | X_OK) != 0)
        throw EInOutError("Cannot delete in " + folder_ + ": " + errorText(errno), errno);
    for (const std::string& path : paths)
        if (::unlink(path.c_str()) != 0)
            throw EInOutError("Cannot delete " + path + ": " + errorText(errno), errno);
}

std::vector<std::string> WordListEditor::themeFolders() const
{
    std::vector<std::string> themes;
    for (std::string& name : searchDirectory(folder_, "*")) {
        struct stat status {};
        if (themeNameProblem(name).empty() && ::stat(joinPath(folder_, name).c_str(), &status) == 0
            && S_ISDIR(status.st_mode))
            themes.push_back(std::move(name));
    }
    std::sort(themes.begin(), themes.end());
    return themes;
}

void WordListEditor::makeTheme(const std::string& name)
{
    if (name.empty())
        throw EBadName(themeNameProblem(name));
    checkTheme(name);
    makeFolders(folder_);
    const std::string path = themePath(name);
    if (::mkdir(path.c_str(), 0777) == 0)
        return;
    if (errno == EEXIST)
        throw EWordExists(name + ": there is a theme or a file of that name already");
    throw EInOutError("Cannot make the theme " + path + ": " + errorText(errno), errno);
}

void WordListEditor::renameTheme(const std::string& name, const std::string& newName)
{
    if (name.empty() || newName.empty())
        throw EBadName(themeNameProblem({}));
    checkTheme(name);
    checkTheme(newName);
    FileMoves moves;
    moves.add(themePath(name), themePath(newName));
    moves.run(newName + ": there is a theme or a file of that name already");
}

void WordListEditor::deleteTheme(const std::string& name, Removal removal)
{
    checkTheme(name);
    if (name.empty())
        throw EBadName("the list's own folder is no theme");
    const std::string path = themePath(name);
    if (removal == Removal::ToTrash)
        return moveToTrash({path});
    // Out of the list at once, under a hidden name, so that a failure part
    // of the way leaves no half a theme.
    std::string aside = joinPath(folder_, ".deleted-XXXXXX");
    if (!::mkdtemp(aside.data()))
        throw EInOutError("Cannot delete the theme " + path + ": " + errorText(errno), errno);
    FileMoves moves;
    moves.add(path, joinPath(aside, "theme"));
    try {
        moves.run(name);
    } catch (...) {
        ::rmdir(aside.c_str());
        throw;
    }
    if (!QDir(qtPath(aside)).removeRecursively())
        throw EInOutError("The theme " + name + " is out of the list, but some of its files are left in " + aside,
                          EIO);
}

}  // namespace brindolo
