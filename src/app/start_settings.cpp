// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/start_settings.h"

#include "app/settings_file.h"
#include "i18n/file_reader.h"
#include "i18n/language_list.h"
#include "system/file_path.h"
#include "system/language_names.h"
#include "system/utf8.h"
#include "system/logging.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <optional>
#include <sys/stat.h>

namespace brindolo {

namespace {

// What the files and the command line chose; unset ones are left to the
// weaker places.
struct Chosen {
    std::optional<QString> language;
    std::optional<std::string> picturesFolder;
    std::optional<bool> capitals;
    std::optional<bool> voice;
    std::optional<bool> fullscreen;
    std::optional<QString> font;
    std::optional<std::string> theme;
    std::optional<int> longest;
    std::optional<bool> repeats;
    std::optional<bool> locked;
    std::optional<std::string> resultsFolder;
    std::optional<bool> practice;
    std::optional<int> scanBeat;
};

QString scanRange()
{
    return QStringLiteral("not a number of seconds from %1 to %2")
        .arg(QString::number(kFastestScan / 1000.0), QString::number(kSlowestScan / 1000.0));
}

// The name in names that text stands for: the name itself in any case, or
// its language's code or name ("fr", "French"). Empty when none.
QString findLanguage(const QStringList& names, const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return {};
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    const QLocale::Language language = languageNamed(wanted);
    if (language == QLocale::AnyLanguage)
        return {};
    for (const QString& name : names)
        if (!name.trimmed().isEmpty() && languageNamed(name) == language)
            return name;
    return {};
}

QString desktopLanguage(const QStringList& names, const QStringList& desktopLanguages)
{
    // Naming the list's languages searches Qt's whole locale table, so it
    // waits for a desktop language worth matching: the C locale of a kiosk
    // starts without it.
    QList<QLocale::Language> listed;
    for (const QString& tag : desktopLanguages) {
        const QLocale::Language language = QLocale(tag).language();
        if (language == QLocale::C || language == QLocale::AnyLanguage)
            continue;
        if (listed.isEmpty())
            for (const QString& name : names)
                listed << (name.trimmed().isEmpty() ? QLocale::AnyLanguage : languageNamed(name));
        if (const qsizetype at = listed.indexOf(language); at >= 0)
            return names.at(at);
    }
    return {};
}

QString listedNames(QStringList names)
{
    names.removeIf([](const QString& name) { return name.trimmed().isEmpty(); });
    return names.isEmpty() ? QStringLiteral("the language list is empty or missing")
                           : QStringLiteral("the languages are ") + names.join(QStringLiteral(", "));
}

std::optional<bool> readBoolean(const QString& text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// Bytes of a file name or a settings line as they may be shown on a terminal.
QString shown(const QByteArray& bytes)
{
    return QString::fromStdString(terminalSafe(bytes.toStdString(), StrayBytes::Escaped));
}

// Why a settings file that is there cannot be read; none when there is no
// file at all, which is the usual case and no mistake.
std::optional<QString> whyUnreadable(const std::string& path, int error)
{
    struct stat link {};
    if (error == ENOENT && ::lstat(path.c_str(), &link) != 0)
        return std::nullopt;
    if (error == ENOENT)
        return QStringLiteral("a link to a file that does not exist");
    if (error == kFileTooLarge)
        return QStringLiteral("larger than 1 MiB, which no settings file is");
    if (error == kNotARegularFile)
        return QStringLiteral("not a regular file");
    return QString::fromLocal8Bit(std::strerror(error));
}

void readFile(const QString& path, const QStringList& names, Chosen& chosen, QStringList& warnings)
{
    const QByteArray pathBytes = QFile::encodeName(path);
    const FileContents contents = readTextFile(pathBytes.toStdString());
    if (contents.error != 0) {
        if (const auto why = whyUnreadable(pathBytes.toStdString(), contents.error))
            warnings << shown(pathBytes) + QStringLiteral(": cannot be read: ") + *why + QStringLiteral("; ignored");
        return;
    }
    qCDebug(lcSettings) << "reading" << path;
    const SettingsText file = parseSettings(contents.bytes);
    if (file.malformed)
        warnings << shown(pathBytes)
                + QStringLiteral(": a line that is neither KEY=VALUE nor [SECTION] is ignored "
                                 "(comments begin with ';')");
    for (const auto& [key, value] : file.values) {
        // Commented out as in a shell script: what the writer meant.
        if (key.startsWith(u'#'))
            continue;
        const bool isList = value.isList;
        const QString text = QString::fromUtf8(value.bytes);
        const auto ignore = [&](const QString& why) {
            warnings << QStringLiteral("%1: %2=%3: %4; ignored")
                            .arg(shown(pathBytes), shown(key.toUtf8()), shown(value.bytes), why);
        };
        const bool known = key == QLatin1String("language") || key == QLatin1String("pictures")
            || key == QLatin1String("capitals") || key == QLatin1String("voice") || key == QLatin1String("fullscreen")
            || key == QLatin1String("font") || key == QLatin1String("theme") || key == QLatin1String("longest")
            || key == QLatin1String("repeats") || key == QLatin1String("locked") || key == QLatin1String("results")
            || key == QLatin1String("practice") || key == QLatin1String("scan");
        if (!known) {
            ignore(QStringLiteral("no such setting (the settings are language, pictures, capitals, voice, "
                                  "fullscreen, font, theme, longest, repeats, locked, results, practice and scan)"));
        } else if (isList) {
            ignore(QStringLiteral("a value with a comma must be written in double quotes"));
        } else if (key == QLatin1String("pictures")) {
            // A folder's name is the file system's bytes, whatever their
            // encoding. A relative path would depend on where the game is
            // started from.
            struct stat folder {};
            if (!value.bytes.startsWith('/'))
                ignore(QStringLiteral("not a full path (one that begins with /)"));
            else if (::stat(value.bytes.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode))
                ignore(QStringLiteral("no such folder"));
            else
                chosen.picturesFolder = value.bytes.toStdString();
        } else if (key == QLatin1String("theme")) {
            // A theme is a folder's name, in the file system's bytes. Empty:
            // the whole list, over a weaker file's theme.
            chosen.theme = value.bytes.toStdString();
        } else if (key == QLatin1String("results")) {
            // Empty turns results off again; whether the folder can be
            // written to is told when the game starts.
            if (!value.bytes.isEmpty() && !value.bytes.startsWith('/'))
                ignore(QStringLiteral("not a full path (one that begins with /)"));
            else
                chosen.resultsFolder = value.bytes.toStdString();
        } else if (text.toUtf8() != value.bytes) {
            ignore(QStringLiteral("not UTF-8 text"));
        } else if (key == QLatin1String("language")) {
            if (const QString name = findLanguage(names, text); !name.isEmpty())
                chosen.language = name;
            else
                ignore(QStringLiteral("not a language of the list: ") + listedNames(names));
        } else if (key == QLatin1String("font")) {
            // Whether the family is installed is known only to the window.
            if (!text.trimmed().isEmpty())
                chosen.font = text.trimmed();
            else
                ignore(QStringLiteral("no font family given"));
        } else if (key == QLatin1String("longest")) {
            if (const std::optional<int> letters = readLongest(text))
                chosen.longest = *letters;
            else
                ignore(QStringLiteral("not a number of letters from 1 to %1").arg(kMostLetters));
        } else if (key == QLatin1String("scan")) {
            // Empty turns off a weaker file's scan.
            if (text.trimmed().isEmpty())
                chosen.scanBeat = 0;
            else if (const std::optional<int> beat = readScanBeat(text))
                chosen.scanBeat = *beat;
            else
                ignore(scanRange());
        } else if (const auto flag = readBoolean(text)) {
            std::optional<bool>& box = key == QLatin1String("capitals") ? chosen.capitals
                : key == QLatin1String("voice")                      ? chosen.voice
                : key == QLatin1String("repeats")                    ? chosen.repeats
                : key == QLatin1String("locked")                     ? chosen.locked
                : key == QLatin1String("practice")                   ? chosen.practice
                                                                     : chosen.fullscreen;
            box = *flag;
        } else {
            ignore(QStringLiteral("neither true nor false"));
        }
    }
}

}  // namespace

std::optional<int> readScanBeat(const QString& seconds)
{
    // Plain decimals only: no sign, exponent, infinity or "nan", which a
    // number reader would take.
    const QString text = seconds.trimmed();
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool decimal = text.count(u'.') <= 1 && std::any_of(text.begin(), text.end(), digit)
        && std::all_of(text.begin(), text.end(), [&](QChar c) { return c == u'.' || digit(c); });
    bool number = false;
    const double value = decimal ? QLocale::c().toDouble(text, &number) : 0;
    if (!number || value * 1000 < kFastestScan || value * 1000 > kSlowestScan)
        return std::nullopt;
    return qRound(value * 1000);
}

StartSettings resolveStartSettings(const CommandLine& line, const StartSources& sources, QStringList& warnings)
{
    Chosen chosen;
    for (const QString& path : sources.settingsFiles)
        readFile(path, sources.languageNames, chosen, warnings);

    if (line.language) {
        const QString name = findLanguage(sources.languageNames, *line.language);
        if (name.isEmpty())
            throw EUsageError(QStringLiteral("unknown language '%1': %2")
                                  .arg(*line.language, listedNames(sources.languageNames))
                                  .toStdString());
        chosen.language = name;
    }
    if (!line.picturesFolder.empty()) {
        // Kept all the same: the player named it, and the window says it
        // holds no pictures.
        struct stat folder {};
        if (::stat(line.picturesFolder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            warnings << QStringLiteral("--pictures %1: no such folder")
                            .arg(shown(QByteArray::fromStdString(line.picturesFolder)));
        chosen.picturesFolder = line.picturesFolder;
    }
    if (!line.resultsFolder.empty())
        chosen.resultsFolder = line.resultsFolder;
    if (line.practice)
        chosen.practice = true;
    if (line.mute)
        chosen.voice = false;
    if (line.fullscreen)
        chosen.fullscreen = true;
    if (line.font)
        chosen.font = *line.font;
    if (line.theme)
        chosen.theme = QFile::encodeName(*line.theme).toStdString();
    if (line.longest)
        chosen.longest = *line.longest;
    if (line.noRepeats)
        chosen.repeats = false;
    if (line.locked)
        chosen.locked = true;
    if (line.scan) {
        // The player asked for this pace: none other is put in its place.
        chosen.scanBeat = readScanBeat(*line.scan).value_or(0);
        if (*chosen.scanBeat == 0)
            warnings << QStringLiteral("--scan %1: %2; no switch scan").arg(shown(line.scan->toUtf8()), scanRange());
    }

    StartSettings settings;
    if (chosen.language) {
        settings.language = *chosen.language;
    } else {
        settings.language = desktopLanguage(sources.languageNames, sources.desktopLanguages);
        qCDebug(lcSettings) << "desktop languages" << sources.desktopLanguages << "give" << settings.language;
    }
    settings.picturesFolder = chosen.picturesFolder.value_or(settings.picturesFolder);
    settings.capitals = chosen.capitals.value_or(settings.capitals);
    settings.voice = chosen.voice.value_or(settings.voice);
    settings.fullscreen = chosen.fullscreen.value_or(settings.fullscreen);
    settings.font = chosen.font.value_or(settings.font);
    settings.theme = chosen.theme.value_or(settings.theme);
    settings.longest = chosen.longest.value_or(settings.longest);
    settings.repeats = chosen.repeats.value_or(settings.repeats);
    settings.locked = chosen.locked.value_or(settings.locked);
    settings.resultsFolder = chosen.resultsFolder.value_or(settings.resultsFolder);
    // The words to practise are read from the pupil's results.
    settings.practice = chosen.practice.value_or(settings.practice) && !settings.resultsFolder.empty();
    if (chosen.practice.value_or(false) && settings.resultsFolder.empty())
        warnings << QStringLiteral("practice needs a results folder (results= or --results); the game deals as usual");
    settings.scanBeat = chosen.scanBeat.value_or(settings.scanBeat);
    return settings;
}

QStringList settingsFiles()
{
    // The XDG base directories: a relative entry is ignored, as the XDG
    // base directory rules ask, since it would depend on where the game
    // starts.
    const auto absolute = [](const QByteArray& folder) { return folder.startsWith('/'); };
    QStringList folders;
    const QByteArray home = qgetenv("XDG_CONFIG_HOME");
    if (absolute(home))
        folders << QFile::decodeName(home);
    else if (const QByteArray user = qgetenv("HOME"); absolute(user))
        folders << QFile::decodeName(user + "/.config");
    QStringList system;
    for (const QByteArray& folder : qgetenv("XDG_CONFIG_DIRS").split(':'))
        if (absolute(folder))
            system << QFile::decodeName(folder);
    if (system.isEmpty())
        system << QStringLiteral("/etc/xdg");
    folders << system;
    folders.removeDuplicates();
    QStringList files;
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder)
        files << *folder + QStringLiteral("/brindolo/brindolo.conf");
    return files;
}

StartSettings readStartSettings(const CommandLine& line, const std::string& programFolder, std::FILE* err)
{
    StartSources sources;
    try {
        sources.languageNames = readLanguageList(joinPath(programFolder, "lingue.txt"));
    } catch (const EInOutError& failure) {
        // No language can be matched; the flag tells the player when opened.
        qCDebug(lcSettings) << "no language list:" << failure.what();
    }
    sources.settingsFiles = settingsFiles();
    sources.desktopLanguages = QLocale::system().uiLanguages();
    QStringList warnings;
    const StartSettings settings = resolveStartSettings(line, sources, warnings);
    for (const QString& warning : warnings)
        std::fprintf(err, "brindolo: %s\n", terminalSafe(warning.toStdString()).c_str());
    return settings;
}

}  // namespace brindolo
