// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/class_summary.h"

#include "results/practice.h"
#include "results/results_csv.h"
#include "results/results_file.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "system/file_descriptor.h"
#include "system/file_errors.h"
#include "system/file_path.h"
#include "system/utf8.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace brindolo {

namespace {

struct Pupil {
    std::string login;
    long long games = 0;
    long long found = 0;
    long long wrongDrops = 0;
    std::vector<int> seconds;
    std::map<std::string, long long> missed;
    std::map<std::string, long long> mixUps;
    std::vector<std::string> toPractise;
};

// The words (or mix-ups) counted most, most first, then in alphabetical
// order.
std::vector<std::pair<std::string, long long>> mostCounted(const std::map<std::string, long long>& counts,
                                                          size_t count)
{
    std::vector<std::pair<std::string, long long>> words(counts.begin(), counts.end());
    std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    if (words.size() > count)
        words.resize(count);
    return words;
}

void readPupil(const std::string& text, const std::string& path, Pupil& pupil, std::FILE* err, int& unreadable)
{
    readGameLines(
        text,
        [&](GameLine&& game) {
            ++pupil.games;
            pupil.found += game.found;
            pupil.wrongDrops += game.wrongDrops;
            if (game.seconds)
                pupil.seconds.push_back(*game.seconds);
            for (const std::string& word : game.missed)
                ++pupil.missed[word];
            for (const auto& [letters, picture] : game.mixUps)
                ++pupil.mixUps[letters + '>' + picture];
        },
        [&](int line, const char* why) {
            std::fprintf(err, "%s:%d: %s; skipped\n", terminalSafe(path).c_str(), line, why);
            ++unreadable;
        });
}

std::string median(std::vector<int> values)
{
    if (values.empty())
        return "-";
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2 == 1)
        return std::to_string(values[middle]);
    const long long upper = values[middle];
    const long long lower = *std::max_element(values.begin(), values.begin() + middle);
    const long long twice = lower + upper;
    return std::to_string(twice / 2) + (twice % 2 ? ".5" : "");
}

// Quoted for the terminal: the words are a pupil's.
std::string wordList(const std::vector<std::pair<std::string, long long>>& words)
{
    std::string text;
    for (const auto& [word, count] : words)
        text += (text.empty() ? "" : ", ") + terminalSafe(word) + " (" + std::to_string(count) + ')';
    return text;
}

// The text of a pupil's file, which only the pupil named by the file may
// own; nothing, with why on err, for a file left out.
std::optional<std::string> pupilText(int folder, const std::string& path, const std::string& name,
                                     const std::string& login, std::FILE* err)
{
    try {
        const passwd* user = ::getpwnam(login.c_str());
        if (!user)
            throw EInOutError("no login of that name", ENOENT);
        return readResultsFile(folder, name, user->pw_uid);
    } catch (const EInOutError& why) {
        std::fprintf(err, "%s: skipped: %s\n", terminalSafe(path).c_str(), terminalSafe(why.what()).c_str());
        return std::nullopt;
    }
}

}  // namespace

int printClassSummary(const std::string& folder, std::FILE* out, std::FILE* err,
                      std::vector<PupilPractice>* practice)
{
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || ::faccessat(directory.get(), ".", R_OK | X_OK, AT_EACCESS) != 0)
        throw EInOutError(terminalSafe(folder) + ": " + errorText(errno), errno);
    std::vector<std::string> names = searchDirectory(folder, "*.csv");
    std::sort(names.begin(), names.end());
    std::vector<Pupil> pupils;
    std::map<std::string, long long> classMissed;
    std::map<std::string, long long> classMixUps;
    int unreadable = 0;
    for (const std::string& name : names) {
        Pupil pupil;
        pupil.login = name.substr(0, name.size() - 4);
        const std::string path = joinPath(folder, name);
        const std::optional<std::string> text = pupilText(directory.get(), path, name, pupil.login, err);
        if (!text) {
            ++unreadable;
            continue;
        }
        readPupil(*text, path, pupil, err, unreadable);
        pupil.toPractise = wordsToPractise(*text);
        for (const auto& [word, count] : pupil.missed)
            classMissed[word] += count;
        for (const auto& [mixUp, count] : pupil.mixUps)
            classMixUps[mixUp] += count;
        pupils.push_back(std::move(pupil));
    }
    std::fprintf(out, "%-16s %6s %6s %6s %8s  %s\n", "pupil", "games", "found", "wrong", "seconds",
                 "missed most");
    for (const Pupil& pupil : pupils)
        std::fprintf(out, "%-16s %6lld %6lld %6lld %8s  %s\n", terminalSafe(pupil.login).c_str(), pupil.games,
                     pupil.found, pupil.wrongDrops, median(pupil.seconds).c_str(),
                     wordList(mostCounted(pupil.missed, 3)).c_str());
    std::fprintf(out, "\nThe words the class missed most: %s\n",
                 classMissed.empty() ? "none" : wordList(mostCounted(classMissed, 10)).c_str());
    std::fprintf(out, "\nWords to practise:\n");
    for (const Pupil& pupil : pupils) {
        std::string words;
        for (size_t k = 0; k < pupil.toPractise.size() && k < static_cast<size_t>(kPracticeWords); ++k)
            words += (words.empty() ? "" : ", ") + terminalSafe(pupil.toPractise[k]);
        std::fprintf(out, "%-16s %s\n", terminalSafe(pupil.login).c_str(), words.empty() ? "none" : words.c_str());
        if (practice)
            practice->push_back({pupil.login, pupil.toPractise});
    }
    std::fprintf(out, "\nThe mix-ups the class made most: %s\n",
                 classMixUps.empty() ? "none" : wordList(mostCounted(classMixUps, 10)).c_str());
    return unreadable;
}

}  // namespace brindolo
