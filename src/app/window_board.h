// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's board carried out on the window's real controls. Panel texts are
// kept as the exact bytes the game wrote, so a file name that is not UTF-8
// reads back unchanged (the drop check compares what it reads back with a
// key made from those bytes); a caption changed by anyone else reads back as
// its UTF-8 form.

#include "game/board_map.h"
#include "game/name_catalogue.h"
#include "game/ports.h"

#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

class TCheckBox;
class TJPEGImage;
class TMemo;
class TPanel;

class WindowBoard : public Board {
public:
    // panels[i] is "Panel<i + 1>".
    WindowBoard(const std::array<TPanel*, board_map::kPanelCount>& panels, TCheckBox& caseBox, TJPEGImage& picture,
                TPanel& pictureContainer);

    // Panels are "Panel1" .. "Panel35"; any other name throws std::out_of_range.
    std::string text(std::string_view panel) const override;
    void setText(std::string_view panel, const std::string& text) override;
    void setEnabled(std::string_view panel, bool enabled) override;
    void setVisible(std::string_view panel, bool visible) override;
    bool caseBoxChecked() const override;
    PictureSize loadPicture(const std::string& path, PictureSize frame) override;
    void prefetchPictures(const std::vector<std::string>& paths, PictureSize frame) override;
    void clearPicture() override;
    void setPictureFlags(bool stretch, bool center) override;
    PictureSize containerSize() const override;

private:
    int index(std::string_view panel) const;

    struct Written {
        std::string bytes;
        QString shown;
    };
    std::array<TPanel*, board_map::kPanelCount> panels_;
    std::array<Written, board_map::kPanelCount> written_;
    TCheckBox& caseBox_;
    TJPEGImage& picture_;
    TPanel& container_;
};

// The picture catalogue, its names (the file system's bytes) mirrored one
// per line into a text list for display.
class MemoCatalogue : public NameCatalogue {
public:
    explicit MemoCatalogue(TMemo& memo) : memo_(memo) {}
    void clear() override;
    void append(const std::string& name) override;

private:
    TMemo& memo_;
};

}  // namespace brindolo
