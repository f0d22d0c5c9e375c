// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/practice.h"

#include "results/results_csv.h"
#include "results/results_file.h"
#include "system/errors.h"
#include "system/file_descriptor.h"
#include "system/file_errors.h"
#include "system/logging.h"
#include "system/utf8.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <utility>

namespace brindolo {

std::vector<std::string> wordsToPractise(std::string_view resultsText)
{
    struct Seen {
        std::pair<int, int> missed{-1, 0};  // the game and the place in it
        int found = -1;
    };
    std::map<std::string, Seen> seen;
    int game = 0;
    readGameLines(
        resultsText,
        [&](GameLine&& line) {
            for (size_t place = 0; place < line.missed.size(); ++place)
                seen[line.missed[place]].missed = {game, static_cast<int>(place)};
            for (const std::string& word : line.words)
                if (std::find(line.missed.begin(), line.missed.end(), word) == line.missed.end())
                    seen[word].found = game;
            ++game;
        },
        [](int, const char*) {});
    std::vector<std::pair<std::pair<int, int>, std::string>> missed;
    for (const auto& [word, when] : seen)
        if (when.missed.first > when.found)
            missed.emplace_back(when.missed, word);
    std::sort(missed.begin(), missed.end(), [](const auto& a, const auto& b) {
        return a.first.first != b.first.first ? a.first.first > b.first.first : a.first.second < b.first.second;
    });
    std::vector<std::string> words;
    for (auto& [when, word] : missed)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> practiceWords(const std::string& resultsFolder, const std::string& login)
{
    // The writer records nothing for a login unfit for a file name.
    if (login.empty() || login.front() == '.' || login.find('/') != std::string::npos)
        return {};
    try {
        const FileDescriptor folder(::open(resultsFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.get() < 0)
            throw EInOutError(errorText(errno), errno);
        return wordsToPractise(readResultsFile(folder.get(), login + ".csv", ::geteuid()));
    } catch (const EInOutError& failure) {
        // No file yet: no game to practise from.
        if (failure.errorCode() != ENOENT)
            qCWarning(lcResults, "no words to practise from %s/%s.csv: %s", terminalSafe(resultsFolder).c_str(),
                      terminalSafe(login).c_str(), failure.what());
    }
    return {};
}

}  // namespace brindolo
