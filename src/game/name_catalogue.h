// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture catalogue held as a list of names in memory: the window's
// (which also shows it), the worksheet's, and the tests'.

#include "game/ports.h"

#include <string>
#include <vector>

namespace brindolo {

class NameCatalogue : public Catalogue {
public:
    NameCatalogue() = default;
    explicit NameCatalogue(std::vector<std::string> names) : names_(std::move(names)) {}

    void clear() override { names_.clear(); }
    void append(const std::string& name) override { names_.push_back(name); }
    int count() const override { return static_cast<int>(names_.size()); }
    // Throws std::out_of_range outside 0 .. count() - 1.
    std::string entry(int index) const override;

    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
};

}  // namespace brindolo
