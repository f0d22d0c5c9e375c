// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/ports.h"

#include <string>
#include <vector>

namespace brindolo {

// The picture catalogue held in memory, in the order names were appended.
class MemoryCatalogue : public Catalogue {
public:
    MemoryCatalogue() = default;
    explicit MemoryCatalogue(std::vector<std::string> names) : names_(std::move(names)) {}

    void clear() override { names_.clear(); }
    void append(const std::string& name) override { names_.push_back(name); }
    int count() const override { return static_cast<int>(names_.size()); }
    // Throws std::out_of_range for an index outside 0 .. count() - 1.
    std::string entry(int index) const override;

    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
};

}  // namespace brindolo
