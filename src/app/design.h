// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's design: every control with its name, kind, container,
// bounds, colour, font, caption and state, in creation order (which is also
// the drawing order: later rows lie on top). The resizer scales every control
// from exactly these bounds and fonts, and the translator finds controls by
// these names, so the values matter beyond looks.

#include "picture/codec/jpeg_decode.h"
#include "widgets/tcomponent.h"

#include <QRgb>
#include <span>
#include <stdexcept>
#include <string>

namespace brindolo {

enum class ControlKind { ResizerPanel, Shape, Panel, Picture, Memo, RzComboBox, CheckBox, ComboBox };

// Bits of ControlDesign::state.
enum DesignState : unsigned {
    Disabled = 1u << 0,
    Hidden = 1u << 1,
    DragSource = 1u << 2,      // automatic drag
    CaptionLeft = 1u << 3,     // caption left-justified instead of centred
    Checked = 1u << 4,
    Sorted = 1u << 5,
    FillsParent = 1u << 6,     // aligned to the container's client area
    PictureCentred = 1u << 7,  // the picture's Center flag
    PictureStretched = 1u << 8,
    PictureProportional = 1u << 9,
};

struct DesignFont {
    int pixels = 0;  // character height; 0 keeps the window's font
    bool bold = false;
    QRgb colour = qRgb(0, 0, 0);
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    const char* parent;  // the container's name
    int left, top, width, height;
    bool hasColour;
    QRgb colour;  // background, or the fill of a shape
    DesignFont font;
    const char* caption;
    unsigned state;
    int itemHeight;  // drop-down lists only
};

struct WindowDesign {
    const char* name;
    const char* caption;
    int left, top;
    // The client area: the panel's design size, so that the first fit of
    // the resizer panel to the window leaves every control as designed.
    int clientWidth, clientHeight;
    const char* fontFamily;
    int fontPixels;
};

// The picture control's decode properties and the two it only stores.
struct PictureDesign {
    DecodeSettings decode;
    int progressStep;
    int quality;
};

const WindowDesign& principaleDesign();
const PictureDesign& immagineDesign();
std::span<const ControlDesign> principaleControls();

class TForm;

// Builds form as the design says, as a form file loads: its name, caption,
// font and client area, then every control in the design's order, owned by
// form whatever container it lies on, and the translator Language1; each is
// told at the end that it is loaded.
void buildFromDesign(TForm& form);

// The component of the design named name; its absence is a programming
// error.
template <typename T>
T* require(const TComponent& owner, const char* name)
{
    auto* found = dynamic_cast<T*>(owner.findComponent(QString::fromLatin1(name)));
    if (!found)
        throw std::logic_error(std::string("The design lacks ") + name);
    return found;
}

}  // namespace brindolo
