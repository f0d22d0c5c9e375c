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

// Stores in to the choice that value names; false when it names none.
template <typename T>
bool pick(std::string_view value, std::initializer_list<std::pair<std::string_view, T>> choices, T& to)
{
    for (const auto& [name, choice] : choices)
        if (value == name) {
            to = choice;
            return true;
        }
    return false;
}

// A whole percentage from 1 to 100.
bool percentStep(std::string_view value, int& to)
{
    int step = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), step);
    if (error != std::errc() || end != value.data() + value.size() || step < 1 || step > 100)
        return false;
    to = step;
    return true;
}

// M/N, each a whole number from 1 to 16.
bool scaleFraction(std::string_view value, DecodeSettings& settings)
{
    const auto slash = value.find('/');
    if (slash == std::string_view::npos)
        return false;
    const auto whole = [](std::string_view digits, int& to) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), to);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    int num = 0;
    int denom = 0;
    if (!whole(value.substr(0, slash), num) || !whole(value.substr(slash + 1), denom) || !validScale(num, denom))
        return false;
    settings.scaleNum = num;
    settings.scaleDenom = denom;
    return true;
}

// For an option that takes a value: whether the value is one it takes, and
// then stored; nothing for any other option.
std::optional<bool> storeValue(std::string_view option, std::string_view value, Options& options)
{
    DecodeSettings& settings = options.settings;
    if (option == "--colors")
        return pick(value,
                    {{"16", TNumOfColors::_16}, {"256", TNumOfColors::_256}, {"truecolor", TNumOfColors::TrueColor}},
                    settings.numOfColors);
    if (option == "--dct")
        return pick(value,
                    {{"int", TDCTMethod::Integ}, {"fast", TDCTMethod::FastInteg}, {"float", TDCTMethod::FloatingPoint}},
                    settings.dctMethod);
    if (option == "--dither")
        return pick(value, {{"none", TDither::None}, {"fs", TDither::FS}, {"ordered", TDither::Ordered}},
                    settings.dither);
    if (option == "--scale")
        return scaleFraction(value, settings);
    if (option == "--progress-step")
        return percentStep(value, options.progressStep);
    return std::nullopt;
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
        } else if (const auto stored = hasValue ? storeValue(arg, argv[i + 1], options) : std::nullopt) {
            if (!*stored)
                return std::nullopt;
            ++i;
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
