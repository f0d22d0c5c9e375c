// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/word_list.h"

#include "game/word_rules.h"
#include "system/ascii_case.h"
#include "system/directory_search.h"
#include "system/file_path.h"

#include <QByteArray>
#include <algorithm>

namespace brindolo {

namespace {

// The folder's path ending in "/", as every folder here is kept.
std::string asFolder(std::string_view path)
{
    return joinPath(path, "");
}

// Where the word packs lie, one folder per language.
std::string packsFolder(std::string_view programFolder)
{
    return joinPath(programFolder, "parole/");
}

}  // namespace

std::string teacherFolder()
{
    // Read as the variables' bytes: QStandardPaths decodes them as UTF-8 and
    // would lose a folder whose name is in another encoding.
    QByteArray data = qgetenv("XDG_DATA_HOME");
    if (!data.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (home.isEmpty())
            return {};
        data = home + "/.local/share";
    }
    return (data + "/brindolo/immagini").toStdString();
}

bool holdsPictures(const std::string& folder)
{
    return !folder.empty() && folderHolds(folder, "*.jpg");
}

std::vector<std::string> themesIn(const std::string& folder)
{
    std::vector<std::string> themes;
    if (folder.empty())
        return themes;
    for (std::string& name : searchDirectory(folder, "*"))
        if (isTheme(folder, name))
            themes.push_back(std::move(name));
    std::sort(themes.begin(), themes.end());
    return themes;
}

bool isTheme(const std::string& folder, const std::string& name)
{
    // Any entry may be asked about; a file is no folder and holds no
    // pictures. The pictures themselves, a folder's many entries, are not
    // opened to see.
    return !name.starts_with('.') && !wildcardMatch("*.jpg", name) && holdsPictures(joinPath(folder, name + "/"));
}

bool holdsWords(const std::string& folder)
{
    return holdsPictures(folder) || !themesIn(folder).empty();
}

std::string themeToPlay(const std::string& folder, const std::string& wanted, std::string& warning)
{
    warning.clear();
    if (wanted.empty())
        return {};
    const std::vector<std::string> themes = themesIn(folder);
    if (std::find(themes.begin(), themes.end(), wanted) != themes.end())
        return wanted;
    std::string known;
    for (const std::string& theme : themes)
        known += (known.empty() ? "" : ", ") + theme;
    warning = "no theme '" + wanted + "' in " + folder + " ("
        + (known.empty() ? std::string("it has no themes") : "its themes are " + known) + "); playing the whole list";
    return {};
}

std::string packFolder(std::string_view programFolder, std::string_view language)
{
    if (language.empty() || language == "." || language == ".." || language.find('/') != std::string_view::npos)
        return {};
    return packsFolder(programFolder) + asciiLowerText(std::string(language)) + "/";
}

std::string wordListFolder(const WordListPlaces& places, std::string_view programFolder, std::string_view language)
{
    if (!places.chosenFolder.empty())
        return asFolder(places.chosenFolder);
    if (holdsWords(places.teacherFolder))
        return asFolder(places.teacherFolder);
    const std::string pack = packFolder(programFolder, language);
    if (holdsWords(pack))
        return pack;
    return programPictureFolder(programFolder);
}

std::string wordListLanguage(std::string_view folder, std::string_view programFolder,
                             std::string_view interfaceLanguage)
{
    if (folder == programPictureFolder(programFolder))
        return "italiano";
    const std::string packs = packsFolder(programFolder);
    if (folder.starts_with(packs) && folder.size() > packs.size() + 1 && folder.back() == '/') {
        const std::string_view pack = folder.substr(packs.size(), folder.size() - packs.size() - 1);
        if (pack.find('/') == std::string_view::npos)
            return std::string(pack);
    }
    return std::string(interfaceLanguage);
}

}  // namespace brindolo
