// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/memory_board.h"

#include <utility>

namespace brindolo {

MemoryBoard::MemoryBoard()
{
    using namespace board_map;
    for (int number = kPlayingPanels.first; number <= kPlayingPanels.last; ++number)
        panels_[static_cast<size_t>(number - 1)].enabled = false;
    for (int word = 1; word <= kWordsPerGame; ++word)
        panels_[static_cast<size_t>(keyCell(word) - 1)].visible = false;
    // The captions the game never writes, as the Italian window starts.
    panels_[kCounterBefore - 1].text = "HAI TROVATO";
    panels_[kCounterAfter - 1].text = "PAROLE";
    panels_[kPlayButton - 1].text = "GIOCA";
}

const PanelState& MemoryBoard::at(std::string_view name) const
{
    return panels_[static_cast<size_t>(board_map::panelNumber(name) - 1)];
}

PanelState& MemoryBoard::at(std::string_view name)
{
    return const_cast<PanelState&>(std::as_const(*this).at(name));
}

std::string MemoryBoard::text(std::string_view panel) const
{
    return at(panel).text;
}

void MemoryBoard::setText(std::string_view panel, const std::string& text)
{
    at(panel).text = text;
}

void MemoryBoard::setEnabled(std::string_view panel, bool enabled)
{
    at(panel).enabled = enabled;
}

void MemoryBoard::setVisible(std::string_view panel, bool visible)
{
    at(panel).visible = visible;
}

PictureSize MemoryBoard::loadPicture(const std::string& path, PictureSize frame)
{
    pictureRequests_.push_back(path);
    pictureFrames_.push_back(frame);
    const PictureSize size = loader_ ? loader_(path) : PictureSize{};
    pictureShown_ = true;
    return size;
}

void MemoryBoard::prefetchPictures(const std::vector<std::string>& paths, PictureSize frame)
{
    prefetches_.push_back({paths, frame});
}

void MemoryBoard::setPictureFlags(bool stretch, bool center)
{
    stretch_ = stretch;
    center_ = center;
}

const PanelState& MemoryBoard::panel(std::string_view name) const
{
    return at(name);
}

const PanelState& MemoryBoard::panel(int number) const
{
    return at(board_map::panelName(number));
}

}  // namespace brindolo
