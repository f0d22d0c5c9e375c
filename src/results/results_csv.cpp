// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_csv.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace brindolo {

namespace {

constexpr char kMixUpMark = '>';

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
    for (const std::string_view name :
         {kDate, kWordList, kFound, kWrongDrops, kSeconds, kNotFound, kWordsDealt, kMixUps})
        line += quoted(name) + ',';
    line.back() = '\n';
    return line;
}

std::string resultsLine(const GameResult& result)
{
    const auto joined = [](const std::vector<std::string>& words) {
        std::string text;
        for (const std::string& word : words)
            text += (text.empty() ? "" : ", ") + word;
        return text;
    };
    std::vector<std::string> mixUps;
    for (const auto& [letters, picture] : result.mixUps)
        mixUps.push_back(letters + kMixUpMark + picture);
    return isoLocalTime(result.dealt) + ',' + quoted(result.wordList) + ',' + std::to_string(result.found) + ','
        + std::to_string(result.wrongDrops) + ',' + (result.seconds ? std::to_string(*result.seconds) : "") + ','
        + quoted(joined(result.missed)) + ',' + quoted(joined(result.words)) + ',' + quoted(joined(mixUps)) + '\n';
}

std::optional<CsvRecord> CsvReader::next()
{
    while (at_ < text_.size()) {
        CsvRecord record{line_, {}, nullptr};
        std::string field;
        std::size_t bytes = 0;
        bool inQuotes = false;
        bool ended = false;
        for (; at_ < text_.size() && !ended; ++at_) {
            const char c = text_[at_];
            // Past the bound the record is only followed to its end.
            if (++bytes > kMostRecordBytes && !record.broken) {
                record.broken = "a line longer than 64 KiB";
                record.fields.clear();
                field.clear();
            }
            const bool keep = !record.broken;
            if (inQuotes) {
                if (c == '"' && at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    if (keep)
                        field += '"';
                    ++at_;
                } else if (c == '"') {
                    inQuotes = false;
                } else {
                    line_ += c == '\n';
                    if (keep)
                        field += c;
                }
            } else if (c == '"') {
                inQuotes = true;
            } else if (c == ',') {
                if (keep)
                    record.fields.push_back(std::move(field));
                field.clear();
            } else if (c == '\n') {
                ++line_;
                ended = true;
            } else if (c != '\r' && keep) {
                field += c;
            }
        }
        if (inQuotes && !record.broken)
            record.broken = "a quote that does not close";
        if (record.broken) {
            record.fields.clear();
            return record;
        }
        record.fields.push_back(std::move(field));
        if (record.fields.size() > 1 || !record.fields.front().empty())
            return record;
    }
    return std::nullopt;
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

namespace {

enum class Count { Good, NotANumber, OutOfRange };

// A game's count: decimal digits, from 0 to most.
Count readCount(const std::string& text, int most, int& value)
{
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || text.front() == '-' || end != text.data() + text.size())
        return Count::NotANumber;
    if (error == std::errc::result_out_of_range || number > most)
        return Count::OutOfRange;
    if (error != std::errc())
        return Count::NotANumber;
    value = static_cast<int>(number);
    return Count::Good;
}

}  // namespace

void readGameLines(std::string_view text, const std::function<void(GameLine&&)>& game,
                   const std::function<void(int line, const char* why)>& skip)
{
    CsvReader reader(text);
    std::optional<CsvRecord> header;
    while ((header = reader.next()) && header->broken)
        skip(header->line, header->broken);
    if (!header)
        return;
    const std::vector<std::string>& names = header->fields;
    const auto column = [&](std::string_view name) {
        return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
    };
    using namespace results_columns;
    const std::size_t found = column(kFound), wrong = column(kWrongDrops), seconds = column(kSeconds),
                      missed = column(kNotFound);
    // A file begun before the last two columns keeps its header: its newer
    // lines carry them past the header's end, in the writer's order.
    std::size_t past = names.size();
    const std::size_t words = column(kWordsDealt) < names.size() ? column(kWordsDealt) : past++;
    const std::size_t mixUps = column(kMixUps) < names.size() ? column(kMixUps) : past++;
    if (std::max({found, wrong, seconds, missed}) >= names.size()) {
        skip(header->line, "not the header of a results file");
        return;
    }
    while (std::optional<CsvRecord> record = reader.next()) {
        if (record->broken) {
            skip(record->line, record->broken);
            continue;
        }
        const std::vector<std::string>& fields = record->fields;
        if (fields.size() < names.size()) {
            skip(record->line, "fewer fields than the header names");
            continue;
        }
        GameLine line;
        line.line = record->line;
        int time = 0;
        const Count counts[] = {readCount(fields[found], board_map::kWordsPerGame, line.found),
                                readCount(fields[wrong], kMostGameCount, line.wrongDrops),
                                fields[seconds].empty() ? Count::Good : readCount(fields[seconds], kMostGameCount, time)};
        if (std::find(std::begin(counts), std::end(counts), Count::NotANumber) != std::end(counts)) {
            skip(record->line, "a count that is not a number");
            continue;
        }
        if (std::find(std::begin(counts), std::end(counts), Count::OutOfRange) != std::end(counts)) {
            skip(record->line, "a count outside a game's range");
            continue;
        }
        if (!fields[seconds].empty())
            line.seconds = time;
        line.missed = splitWords(fields[missed]);
        if (words < fields.size())
            line.words = splitWords(fields[words]);
        if (mixUps < fields.size())
            for (const std::string& mixUp : splitWords(fields[mixUps]))
                if (const size_t mark = mixUp.find(kMixUpMark); mark != std::string::npos)
                    line.mixUps.emplace_back(mixUp.substr(0, mark), mixUp.substr(mark + 1));
        if (std::max(line.missed.size(), line.words.size()) > static_cast<std::size_t>(board_map::kWordsPerGame)) {
            skip(record->line, "more words than a game deals");
            continue;
        }
        game(std::move(line));
    }
}

}  // namespace brindolo
