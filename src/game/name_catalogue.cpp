// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/name_catalogue.h"

#include <stdexcept>

namespace brindolo {

std::string NameCatalogue::entry(int index) const
{
    if (index < 0)
        throw std::out_of_range("catalogue index " + std::to_string(index));
    return names_.at(static_cast<size_t>(index));
}

}  // namespace brindolo
