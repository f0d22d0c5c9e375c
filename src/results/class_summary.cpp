// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/class_summary.h"

#include "results/results_csv.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "system/file_path.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace brindolo {

namespace {

struct Pupil {
    std::string login;
    int games = 0;
    int found = 0;
    int wrongDrops = 0;
    std::vector<int> seconds;
    std::map<std::string, int> missed;
};

std::optional<int> number(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// The words missed most, most first, then in alphabetical order.
std::vector<std::pair<std::string, int>> mostMissed(const std::map<std::string, int>& missed, size_t count)
{
    std::vector<std::pair<std::string, int>> words(missed.begin(), missed.end());
    std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    if (words.size() > count)
        words.resize(count);
    return words;
}

void readPupil(const std::string& path, Pupil& pupil, std::FILE* err, int& unreadable)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        std::fprintf(err, "%s: cannot be read: %s\n", path.c_str(), std::strerror(errno));
        ++unreadable;
        return;
    }
    const std::string content = text.str();
    std::vector<int> broken;
    const std::vector<CsvRecord> records = readCsv(content, broken);
    const auto skip = [&](int line, const char* why) {
        std::fprintf(err, "%s:%d: %s; skipped\n", path.c_str(), line, why);
        ++unreadable;
    };
    for (const int line : broken)
        skip(line, "a quote that does not close");
    if (records.empty())
        return;
    const std::vector<std::string>& header = records.front().fields;
    const auto column = [&](std::string_view name) {
        return static_cast<size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    using namespace results_columns;
    const size_t found = column(kFound), wrong = column(kWrongDrops), seconds = column(kSeconds),
                 missed = column(kNotFound);
    if (std::max({found, wrong, seconds, missed}) >= header.size()) {
        skip(records.front().line, "not the header of a results file");
        return;
    }
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
        const std::vector<std::string>& fields = record->fields;
        if (fields.size() < header.size()) {
            skip(record->line, "fewer fields than the header names");
            continue;
        }
        const auto foundCount = number(fields[found]);
        const auto wrongCount = number(fields[wrong]);
        const auto time = number(fields[seconds]);
        if (!foundCount || !wrongCount || (!time && !fields[seconds].empty())) {
            skip(record->line, "a count that is not a number");
            continue;
        }
        ++pupil.games;
        pupil.found += *foundCount;
        pupil.wrongDrops += *wrongCount;
        if (time)
            pupil.seconds.push_back(*time);
        for (const std::string& word : splitWords(fields[missed]))
            ++pupil.missed[word];
    }
}

std::string median(std::vector<int> values)
{
    if (values.empty())
        return "-";
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2 == 1)
        return std::to_string(values[middle]);
    const int upper = values[middle];
    const int lower = *std::max_element(values.begin(), values.begin() + middle);
    const int twice = lower + upper;
    return std::to_string(twice / 2) + (twice % 2 ? ".5" : "");
}

std::string wordList(const std::vector<std::pair<std::string, int>>& words)
{
    std::string text;
    for (const auto& [word, count] : words)
        text += (text.empty() ? "" : ", ") + word + " (" + std::to_string(count) + ')';
    return text;
}

}  // namespace

int printClassSummary(const std::string& folder, std::FILE* out, std::FILE* err)
{
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        throw EInOutError(folder + ": " + std::strerror(errno), errno);
    std::vector<std::string> names = searchDirectory(folder, "*.csv");
    std::sort(names.begin(), names.end());
    std::vector<Pupil> pupils;
    std::map<std::string, int> classMissed;
    int unreadable = 0;
    for (const std::string& name : names) {
        Pupil pupil;
        pupil.login = name.substr(0, name.size() - 4);
        readPupil(joinPath(folder, name), pupil, err, unreadable);
        for (const auto& [word, count] : pupil.missed)
            classMissed[word] += count;
        pupils.push_back(std::move(pupil));
    }
    std::fprintf(out, "%-16s %6s %6s %6s %8s  %s\n", "pupil", "games", "found", "wrong", "seconds",
                 "missed most");
    for (const Pupil& pupil : pupils)
        std::fprintf(out, "%-16s %6d %6d %6d %8s  %s\n", pupil.login.c_str(), pupil.games, pupil.found,
                     pupil.wrongDrops, median(pupil.seconds).c_str(), wordList(mostMissed(pupil.missed, 3)).c_str());
    std::fprintf(out, "\nThe words the class missed most: %s\n",
                 classMissed.empty() ? "none" : wordList(mostMissed(classMissed, 10)).c_str());
    return unreadable;
}

}  // namespace brindolo
