// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/board_map.h"

#include <charconv>
#include <stdexcept>

namespace brindolo::board_map {

namespace {
constexpr std::string_view kPrefix = "Panel";
}  // namespace

std::string panelName(int number)
{
    return std::string(kPrefix) + std::to_string(number);
}

int panelNumber(std::string_view name)
{
    if (name.starts_with(kPrefix) && name.size() > kPrefix.size() && name[kPrefix.size()] != '0') {
        const char* first = name.data() + kPrefix.size();
        const char* last = name.data() + name.size();
        int number = 0;
        const auto [end, error] = std::from_chars(first, last, number);
        if (error == std::errc() && end == last && number >= 1 && number <= kPanelCount)
            return number;
    }
    throw std::out_of_range("No board panel named " + std::string(name));
}

}  // namespace brindolo::board_map
