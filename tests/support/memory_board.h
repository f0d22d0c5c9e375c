// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board without a window: it keeps the panels' texts and flags, the case
// box and the picture requests, so that whole games run and can be inspected
// without any windowing system.

#include "game/board_map.h"
#include "game/ports.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

struct PanelState {
    std::string text;
    bool enabled = true;
    bool visible = true;
};

class MemoryBoard : public Board {
public:
    // Loads a picture: returns its natural size or throws (EFOpenError, ...).
    using PictureLoader = std::function<PictureSize(const std::string& path)>;

    // The window's state at start-up: tiles and slots disabled, key cells
    // disabled and hidden, every text empty but the counter's labels and
    // GIOCA, the case box checked, the container at its design size
    // 321 x 318, pictures loading as 0 x 0.
    MemoryBoard();

    // Board. Panels are "Panel1" .. "Panel35"; any other name throws
    // std::out_of_range.
    std::string text(std::string_view panel) const override;
    void setText(std::string_view panel, const std::string& text) override;
    void setEnabled(std::string_view panel, bool enabled) override;
    void setVisible(std::string_view panel, bool visible) override;
    bool caseBoxChecked() const override { return caseBoxChecked_; }
    PictureSize loadPicture(const std::string& path, PictureSize frame) override;
    void prefetchPictures(const std::vector<std::string>& paths, PictureSize frame) override;
    void clearPicture() override { pictureShown_ = false; }
    void setPictureFlags(bool stretch, bool center) override;
    PictureSize containerSize() const override { return containerSize_; }

    const PanelState& panel(std::string_view name) const;
    const PanelState& panel(int number) const;

    void setCaseBoxChecked(bool checked) { caseBoxChecked_ = checked; }
    void setContainerSize(PictureSize size) { containerSize_ = size; }
    void setPictureLoader(PictureLoader loader) { loader_ = std::move(loader); }

    // Every load request in order, failed ones included, and the frame each
    // was for.
    const std::vector<std::string>& pictureRequests() const { return pictureRequests_; }
    const std::vector<PictureSize>& pictureFrames() const { return pictureFrames_; }
    // Every prefetch request in order: the paths and the frame.
    struct Prefetch {
        std::vector<std::string> paths;
        PictureSize frame;
    };
    const std::vector<Prefetch>& prefetches() const { return prefetches_; }
    // The picture flags as last set; both true at start-up, as designed.
    bool stretch() const { return stretch_; }
    // False before the first load and after the frame was emptied.
    bool pictureShown() const { return pictureShown_; }
    bool center() const { return center_; }

private:
    PanelState& at(std::string_view name);
    const PanelState& at(std::string_view name) const;

    std::array<PanelState, board_map::kPanelCount> panels_;
    bool caseBoxChecked_ = true;
    PictureSize containerSize_{321, 318};
    PictureLoader loader_;
    std::vector<std::string> pictureRequests_;
    std::vector<PictureSize> pictureFrames_;
    std::vector<Prefetch> prefetches_;
    bool pictureShown_ = false;
    bool stretch_ = true;
    bool center_ = true;
};

}  // namespace brindolo
