// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_csv.h"

#include <ctime>

namespace brindolo {

namespace {

std::string quoted(std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string text = "\"";
    for (const char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    return text + '"';
}

std::string isoLocalTime(std::chrono::system_clock::time_point when)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    const size_t size = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string iso(text, size);
    // strftime gives +0100; ISO 8601's extended form, which spreadsheets
    // read, wants +01:00.
    if (iso.size() >= 5)
        iso.insert(iso.size() - 2, ":");
    return iso;
}

}  // namespace

std::string resultsHeader()
{
    using namespace results_columns;
    std::string line;
    for (const std::string_view name : {kDate, kWordList, kFound, kWrongDrops, kSeconds, kNotFound})
        line += quoted(name) + ',';
    line.back() = '\n';
    return line;
}

std::string resultsLine(const GameResult& result)
{
    std::string missed;
    for (const std::string& word : result.missed)
        missed += (missed.empty() ? "" : ", ") + word;
    return isoLocalTime(result.dealt) + ',' + quoted(result.wordList) + ',' + std::to_string(result.found) + ','
        + std::to_string(result.wrongDrops) + ',' + (result.seconds ? std::to_string(*result.seconds) : "") + ','
        + quoted(missed) + '\n';
}

std::vector<CsvRecord> readCsv(std::string_view text, std::vector<int>& broken)
{
    std::vector<CsvRecord> records;
    int line = 1;
    size_t at = 0;
    while (at < text.size()) {
        CsvRecord record{line, {}};
        std::string field;
        bool inQuotes = false;
        bool ended = false;
        for (; at < text.size() && !ended; ++at) {
            const char c = text[at];
            if (inQuotes) {
                if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                    field += '"';
                    ++at;
                } else if (c == '"') {
                    inQuotes = false;
                } else {
                    line += c == '\n';
                    field += c;
                }
            } else if (c == '"') {
                inQuotes = true;
            } else if (c == ',') {
                record.fields.push_back(std::move(field));
                field.clear();
            } else if (c == '\n') {
                ++line;
                ended = true;
            } else if (c != '\r') {
                field += c;
            }
        }
        record.fields.push_back(std::move(field));
        if (inQuotes)
            broken.push_back(record.line);
        else if (record.fields.size() > 1 || !record.fields.front().empty())
            records.push_back(std::move(record));
    }
    return records;
}

std::vector<std::string> splitWords(std::string_view field)
{
    std::vector<std::string> words;
    while (!field.empty()) {
        const size_t comma = field.find(", ");
        if (comma != 0)
            words.emplace_back(field.substr(0, comma));
        field = comma == std::string_view::npos ? std::string_view() : field.substr(comma + 2);
    }
    return words;
}

}  // namespace brindolo
