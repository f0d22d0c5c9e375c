// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/word_list_edits.h"

#include "game/word_rules.h"
#include "speech/recording_files.h"
#include "system/errors.h"
#include "system/utf8.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace brindolo {

namespace {

QString fromBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string shown(const QString& path)
{
    return terminalSafe(QFile::encodeName(path).toStdString());
}

std::string themeOf(const std::string& gameWord)
{
    const std::size_t slash = gameWord.rfind('/');
    return slash == std::string::npos ? std::string() : gameWord.substr(0, slash);
}

std::string inTheme(const std::string& theme, const std::string& name)
{
    return theme.empty() ? name : theme + "/" + name;
}

// A name that stays inside the list's folder, as one entry of it.
void refuseOutsideName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos || name.front() == '.')
        throw Exception("\"" + terminalSafe(name) + "\" cannot name a word or a theme");
}

// The word's files: its picture, then every recording beside it (the game
// plays the first, but one left behind would follow another word).
QStringList filesOf(const std::string& folder, const std::string& gameWord)
{
    const QString picture = fromBytes(picturePathFor(folder, gameWord));
    if (!QFileInfo::exists(picture))
        throw Exception("there is no picture " + shown(picture));
    return QStringList{picture} + recordingsOf(picture);
}

// Renames every file to its new path, all or none: a rename that fails
// puts back the ones made before it.
void renameAll(const QStringList& from, const QStringList& to)
{
    for (const QString& target : to)
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            throw Exception(shown(target) + " is there already");
    for (qsizetype i = 0; i < from.size(); ++i) {
        QFile file(from[i]);
        if (!file.rename(to[i])) {
            for (qsizetype done = 0; done < i; ++done)
                QFile::rename(to[done], from[done]);
            throw Exception("cannot move " + shown(from[i]) + " to " + shown(to[i]) + ": " +
                            file.errorString().toStdString());
        }
    }
}

// The new paths of the word's files: the picture as pictureName in
// targetFolder, the recording beside it with the same name and its own
// extension.
QStringList targetsOf(const QStringList& files, const QString& targetFolder, const QString& stem)
{
    QStringList targets;
    for (const QString& file : files)
        targets << targetFolder + stem + u'.' + QFileInfo(file).suffix();
    return targets;
}

}  // namespace

QStringList recordingsOf(const QString& picturePath)
{
    const QFileInfo picture(picturePath);
    const QString stem = picture.path() + u'/' + picture.completeBaseName();
    QStringList recordings;
    for (const QString& extension : recordingExtensions())
        for (const QString& name : {stem + u'.' + extension, stem + u'.' + extension.toUpper()})
            if (QFileInfo(name).isFile())
                recordings << name;
    return recordings;
}

std::string fittedWord(const std::string& typed)
{
    std::string word;
    int characters = 0;
    const std::string lowered = lowerCase(typed);
    for (const Utf8Character& character : utf8Characters(lowered)) {
        if (!character.valid || character.codePoint < 0x20 || (character.codePoint >= 0x7f && character.codePoint < 0xa0) ||
            character.codePoint == '/')
            continue;
        if (word.empty() && (character.codePoint == '.' || character.codePoint == ' '))
            continue;
        if (characters == kTileCharacters)
            break;
        appendUtf8(word, character.codePoint);
        ++characters;
    }
    while (!word.empty() && word.back() == ' ')
        word.pop_back();
    return word;
}

std::string renameWord(const std::string& folder, const std::string& gameWord, const std::string& newWord)
{
    refuseOutsideName(newWord);
    const QStringList files = filesOf(folder, gameWord);
    const std::string theme = themeOf(gameWord);
    const QString themeFolder = fromBytes(folder + (theme.empty() ? "" : theme + "/"));
    const QStringList targets = targetsOf(files, themeFolder, fromBytes(newWord));
    if (targets.first() == files.first())
        return gameWord;
    renameAll(files, targets);
    return inTheme(theme, newWord + ".jpg");
}

std::string moveWord(const std::string& folder, const std::string& gameWord, const std::string& theme)
{
    if (!theme.empty())
        refuseOutsideName(theme);
    if (themeOf(gameWord) == theme)
        return gameWord;
    const QStringList files = filesOf(folder, gameWord);
    const QString themeFolder = fromBytes(folder + (theme.empty() ? "" : theme + "/"));
    if (!QDir().mkpath(themeFolder))
        throw Exception("cannot make the theme " + shown(themeFolder));
    const QString stem = fromBytes(std::string(fileNameOf(gameWord))).chopped(4);
    renameAll(files, targetsOf(files, themeFolder, stem));
    return inTheme(theme, std::string(fileNameOf(gameWord)));
}

bool trashAvailable(const std::string& folder)
{
    // Qt moves a file to the trash of its own volume or the home's; a
    // missing trash folder is made, so only a volume without a writable
    // place for one is left out.
    const QStorageInfo volume(fromBytes(folder));
    const QStorageInfo home(QDir::homePath());
    return volume.isValid() && !volume.isReadOnly() && (volume == home || QFileInfo(volume.rootPath()).isWritable());
}

void deleteWord(const std::string& folder, const std::string& gameWord, bool toTrash)
{
    for (const QString& path : filesOf(folder, gameWord)) {
        QFile file(path);
        if (!(toTrash ? file.moveToTrash() : file.remove()))
            throw Exception("cannot delete " + shown(path) + ": " + file.errorString().toStdString());
    }
}

std::vector<std::string> themeFolders(const std::string& folder)
{
    std::vector<std::string> themes;
    const QDir list(fromBytes(folder));
    for (const QString& name : list.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
            continue;
        themes.push_back(QFile::encodeName(name).toStdString());
    }
    std::sort(themes.begin(), themes.end());
    return themes;
}

void makeTheme(const std::string& folder, const std::string& theme)
{
    refuseOutsideName(theme);
    const QString path = fromBytes(folder + theme);
    if (QFileInfo::exists(path))
        throw Exception(shown(path) + " is there already");
    if (!QDir().mkpath(path))
        throw Exception("cannot make the theme " + shown(path));
}

void renameTheme(const std::string& folder, const std::string& theme, const std::string& newName)
{
    refuseOutsideName(theme);
    refuseOutsideName(newName);
    renameAll({fromBytes(folder + theme)}, {fromBytes(folder + newName)});
}

void deleteTheme(const std::string& folder, const std::string& theme, bool toTrash)
{
    refuseOutsideName(theme);
    const QString path = fromBytes(folder + theme);
    const bool gone = toTrash ? QFile::moveToTrash(path) : QDir(path).removeRecursively();
    if (!gone)
        throw Exception("cannot delete the theme " + shown(path));
}

int copyWordList(const std::string& from, const std::string& to)
{
    const QDir source(fromBytes(from));
    const QDir target(fromBytes(to));
    if (!QDir().mkpath(target.path()))
        throw Exception("cannot make the folder " + shown(target.path()));
    // The list's own files, then each theme's: one level deep, as the game
    // reads them.
    QStringList names = source.entryList(QDir::Files);
    for (const QString& theme : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& name : QDir(source.filePath(theme)).entryList(QDir::Files))
            names << theme + u'/' + name;
    names.removeIf([&target](const QString& name) { return QFileInfo::exists(target.filePath(name)); });

    QTemporaryDir aside(target.filePath(QStringLiteral(".brindolo-copy-XXXXXX")));
    if (!aside.isValid())
        throw Exception("cannot write in " + shown(target.path()) + ": " + aside.errorString().toStdString());
    const QDir staging(aside.path());
    for (const QString& name : names) {
        if (!QDir().mkpath(QFileInfo(staging.filePath(name)).path()))
            throw Exception("cannot write in " + shown(target.path()));
        QFile file(source.filePath(name));
        if (!file.copy(staging.filePath(name)))
            throw Exception("cannot copy " + shown(source.filePath(name)) + ": " + file.errorString().toStdString());
    }
    for (const QString& name : names) {
        QDir().mkpath(QFileInfo(target.filePath(name)).path());
        if (!QFile::rename(staging.filePath(name), target.filePath(name)))
            throw Exception("cannot copy into " + shown(target.filePath(name)));
    }
    return static_cast<int>(names.size());
}

}  // namespace brindolo
