#include "support/memory_board.h"

#include <charconv>
#include <stdexcept>
#include <utility>

namespace brindolo {

MemoryBoard::MemoryBoard()
{
    for (int number = 1; number <= 30; ++number)
        panels_[static_cast<size_t>(number - 1)].enabled = false;
    for (int number = 21; number <= 30; ++number)
        panels_[static_cast<size_t>(number - 1)].visible = false;
}

const PanelState& MemoryBoard::at(std::string_view name) const
{
    constexpr std::string_view prefix = "Panel";
    int number = 0;
    if (name.starts_with(prefix)) {
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size();
        const auto [end, error] = std::from_chars(first, last, number);
        if (error != std::errc() || end != last || *first == '0')
            number = 0;
    }
    if (number < 1 || number > kPanelCount)
        throw std::out_of_range("no board panel named " + std::string(name));
    return panels_[static_cast<size_t>(number - 1)];
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

PictureSize MemoryBoard::loadPicture(const std::string& path)
{
    pictureRequests_.push_back(path);
    const PictureSize size = loader_ ? loader_(path) : PictureSize{};
    pictureShown_ = true;
    return size;
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
    return at("Panel" + std::to_string(number));
}

}  // namespace brindolo
