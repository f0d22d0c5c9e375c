// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options.h"

#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

namespace brindolo::jpeg2bmp {

namespace {

template <typename T>
std::optional<T> pick(std::string_view value, std::initializer_list<std::pair<std::string_view, T>> choices)
{
    for (const auto& [name, choice] : choices)
        if (value == name)
            return choice;
    return std::nullopt;
}

std::optional<int> percentStep(std::string_view value)
{
    int step = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), step);
    if (error != std::errc() || end != value.data() + value.size() || step < 1 || step > 100)
        return std::nullopt;
    return step;
}

// M/N, each a whole number from 1 to 16.
std::optional<std::pair<int, int>> scaleFraction(std::string_view value)
{
    const auto slash = value.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const auto whole = [](std::string_view digits, int& to) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), to);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    int num = 0;
    int denom = 0;
    if (!whole(value.substr(0, slash), num) || !whole(value.substr(slash + 1), denom) || !validScale(num, denom))
        return std::nullopt;
    return std::pair{num, denom};
}

}  // namespace

std::optional<Options> parseOptions(int argc, const char* const* argv)
{
    Options options;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--fast") {
            options.settings.fastProcessing = true;
        } else if (arg == "--grayscale") {
            options.settings.grayScale = true;
        } else if (arg == "--nosmooth") {
            options.settings.noSmooth = true;
        } else if (arg == "--onepass") {
            options.settings.onePass = true;
        } else if (arg == "--colors" && hasValue) {
            const auto colours = pick<TNumOfColors>(argv[++i], {{"16", TNumOfColors::_16},
                                                                {"256", TNumOfColors::_256},
                                                                {"truecolor", TNumOfColors::TrueColor}});
            if (!colours)
                return std::nullopt;
            options.settings.numOfColors = *colours;
        } else if (arg == "--dct" && hasValue) {
            const auto dct = pick<TDCTMethod>(argv[++i], {{"int", TDCTMethod::Integ},
                                                         {"fast", TDCTMethod::FastInteg},
                                                         {"float", TDCTMethod::FloatingPoint}});
            if (!dct)
                return std::nullopt;
            options.settings.dctMethod = *dct;
        } else if (arg == "--dither" && hasValue) {
            const auto dither = pick<TDither>(argv[++i], {{"none", TDither::None},
                                                         {"fs", TDither::FS},
                                                         {"ordered", TDither::Ordered}});
            if (!dither)
                return std::nullopt;
            options.settings.dither = *dither;
        } else if (arg == "--scale" && hasValue) {
            const auto scale = scaleFraction(argv[++i]);
            if (!scale)
                return std::nullopt;
            options.settings.scaleNum = scale->first;
            options.settings.scaleDenom = scale->second;
        } else if (arg == "--progress-step" && hasValue) {
            const auto step = percentStep(argv[++i]);
            if (!step)
                return std::nullopt;
            options.progressStep = *step;
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.size() != 2)
        return std::nullopt;
    options.input = files[0];
    options.output = files[1];
    return options;
}

}  // namespace brindolo::jpeg2bmp
