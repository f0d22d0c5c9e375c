// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the game needs from outside: the board it plays on, the catalogue it
// draws words from and a source of random numbers. Each has the program's own
// version and an in-memory double for tests, so that the game runs on the real
// window and without one alike. Texts are UTF-8; file names and paths are kept
// as the file system's bytes.

#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The window's controls, by control name.
class Board {
public:
    virtual ~Board() = default;
    virtual std::string text(std::string_view panel) const = 0;
    virtual void setText(std::string_view panel, const std::string& text) = 0;
    virtual void setEnabled(std::string_view panel, bool enabled) = 0;
    virtual void setVisible(std::string_view panel, bool visible) = 0;
    virtual bool caseBoxChecked() const = 0;
    // Loads and decodes the picture file (raises on failure) and reports its
    // natural size; 0 x 0 for an empty picture. A picture larger than frame
    // may be decoded smaller, to the least size that still covers frame in
    // both directions: it then reports that size, still larger than frame.
    virtual PictureSize loadPicture(const std::string& path, PictureSize frame) = 0;
    // Starts decoding the picture files ahead, for the same frame, so that
    // loading them later finds them decoded; failures are left to the load.
    virtual void prefetchPictures(const std::vector<std::string>& paths, PictureSize frame) = 0;
    // Leaves the picture frame empty.
    virtual void clearPicture() = 0;
    virtual void setPictureFlags(bool stretch, bool center) = 0;
    // Current size of the picture's container panel.
    virtual PictureSize containerSize() const = 0;
};

// The picture catalogue the game draws its words from: bare file names in
// directory order.
class Catalogue {
public:
    virtual ~Catalogue() = default;
    virtual void clear() = 0;
    virtual void append(const std::string& name) = 0;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
};

// Uniform integers, re-seeded from the clock on request.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A uniform integer from 0 to n - 1 (n >= 1).
    virtual int uniform(int n) = 0;
};

}  // namespace brindolo
