#pragma once
// What the game needs from the window, by control name, so that the game runs
// on the real window and on an in-memory board alike. Texts are UTF-8; file
// names and paths are kept as the file system's bytes.

#include <string>
#include <string_view>

namespace brindolo {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

class Board {
public:
    virtual ~Board() = default;
    virtual std::string text(std::string_view panel) const = 0;
    virtual void setText(std::string_view panel, const std::string& text) = 0;
    virtual void setEnabled(std::string_view panel, bool enabled) = 0;
    virtual void setVisible(std::string_view panel, bool visible) = 0;
    virtual bool caseBoxChecked() const = 0;
    // Loads and decodes the picture file (raises on failure) and reports its
    // natural size; 0 x 0 for an empty picture.
    virtual PictureSize loadPicture(const std::string& path) = 0;
    // Leaves the picture frame empty.
    virtual void clearPicture() = 0;
    virtual void setPictureFlags(bool stretch, bool center) = 0;
    // Current size of the picture's container panel.
    virtual PictureSize containerSize() const = 0;
};

}  // namespace brindolo
