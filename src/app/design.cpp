// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/design.h"

namespace brindolo {

namespace {

const WindowDesign kWindow{
    "Principale", "Brindolo 1.0", 40, 17, 738, 465, "Courier New", 13,
};

// Photos from a phone show upright, turned as their EXIF tag says.
const PictureDesign kImmagine{
    DecodeSettings{.autoTransform = true}, kDefaultProgressStep, 75,
};

// Tiles 1..10 (Panel1..Panel10) drag; slots 1..10 (Panel11..Panel20) take
// drops and preview their word; key cells (Panel21..Panel30) hold the keys
// and are never shown. Row n of each column lies at top 11 + 40 x (n - 1).
const ControlDesign kControls[] = {
    {"PannelloPrincipale", ControlKind::ResizerPanel, "Principale", 0, 0, 738, 465, true, qRgb(192, 220, 192), {}, "", 0, 0},
    {"RichiamaLingua1", ControlKind::Shape, "PannelloPrincipale", 359, 424, 12, 28, true, qRgb(0, 128, 0), {}, "", 0, 0},
    {"RichiamaLingua2", ControlKind::Shape, "PannelloPrincipale", 370, 424, 12, 28, true, qRgb(255, 255, 255), {}, "", 0, 0},
    {"RichiamaLingua3", ControlKind::Shape, "PannelloPrincipale", 382, 424, 12, 28, true, qRgb(255, 0, 0), {}, "", 0, 0},
    {"Panel1", ControlKind::Panel, "PannelloPrincipale", 6, 11, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"ImmagineContenitore", ControlKind::Panel, "PannelloPrincipale", 408, 11, 321, 318, true, qRgb(255, 255, 255), {}, "", 0, 0},
    {"Immagine", ControlKind::Picture, "ImmagineContenitore", 1, 1, 319, 316, false, 0, {}, "", FillsParent | PictureCentred | PictureStretched | PictureProportional, 0},
    {"Panel2", ControlKind::Panel, "PannelloPrincipale", 6, 51, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel3", ControlKind::Panel, "PannelloPrincipale", 6, 91, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel4", ControlKind::Panel, "PannelloPrincipale", 6, 131, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel5", ControlKind::Panel, "PannelloPrincipale", 6, 171, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel6", ControlKind::Panel, "PannelloPrincipale", 6, 211, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel7", ControlKind::Panel, "PannelloPrincipale", 6, 251, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel8", ControlKind::Panel, "PannelloPrincipale", 6, 291, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel9", ControlKind::Panel, "PannelloPrincipale", 6, 331, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel10", ControlKind::Panel, "PannelloPrincipale", 6, 371, 171, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | DragSource, 0},
    {"Panel11", ControlKind::Panel, "PannelloPrincipale", 232, 11, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel12", ControlKind::Panel, "PannelloPrincipale", 232, 51, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel13", ControlKind::Panel, "PannelloPrincipale", 232, 91, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel14", ControlKind::Panel, "PannelloPrincipale", 232, 131, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel15", ControlKind::Panel, "PannelloPrincipale", 232, 171, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel16", ControlKind::Panel, "PannelloPrincipale", 232, 211, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel17", ControlKind::Panel, "PannelloPrincipale", 232, 251, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel18", ControlKind::Panel, "PannelloPrincipale", 232, 291, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel19", ControlKind::Panel, "PannelloPrincipale", 232, 331, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel20", ControlKind::Panel, "PannelloPrincipale", 232, 371, 169, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled, 0},
    {"Panel21", ControlKind::Panel, "PannelloPrincipale", 200, 11, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel22", ControlKind::Panel, "PannelloPrincipale", 200, 51, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel23", ControlKind::Panel, "PannelloPrincipale", 200, 91, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel24", ControlKind::Panel, "PannelloPrincipale", 200, 131, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel25", ControlKind::Panel, "PannelloPrincipale", 200, 171, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel26", ControlKind::Panel, "PannelloPrincipale", 200, 211, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel27", ControlKind::Panel, "PannelloPrincipale", 200, 251, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel28", ControlKind::Panel, "PannelloPrincipale", 200, 291, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel29", ControlKind::Panel, "PannelloPrincipale", 200, 331, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel30", ControlKind::Panel, "PannelloPrincipale", 200, 371, 33, 38, true, qRgb(192, 220, 192), {16, true, qRgb(0, 0, 0)}, "", Disabled | Hidden | CaptionLeft, 0},
    {"Panel31", ControlKind::Panel, "PannelloPrincipale", 408, 331, 321, 38, true, qRgb(192, 192, 192), {21, true, qRgb(0, 0, 0)}, "", 0, 0},
    {"Panel32", ControlKind::Panel, "PannelloPrincipale", 6, 419, 171, 38, true, qRgb(240, 251, 255), {19, true, qRgb(0, 0, 0)}, "HAI TROVATO", 0, 0},
    {"Panel33", ControlKind::Panel, "PannelloPrincipale", 176, 419, 33, 38, true, qRgb(240, 251, 255), {19, true, qRgb(0, 0, 0)}, "", 0, 0},
    {"Panel34", ControlKind::Panel, "PannelloPrincipale", 208, 419, 137, 38, true, qRgb(240, 251, 255), {19, true, qRgb(0, 0, 0)}, "PAROLE", 0, 0},
    {"Panel35", ControlKind::Panel, "PannelloPrincipale", 408, 418, 233, 39, true, qRgb(240, 202, 166), {27, true, qRgb(0, 0, 0)}, "GIOCA", 0, 0},
    {"Memo1", ControlKind::Memo, "PannelloPrincipale", 208, 264, 505, 41, false, 0, {}, "", Hidden, 0},
    {"Esci", ControlKind::Panel, "PannelloPrincipale", 648, 418, 81, 39, true, qRgb(240, 202, 166), {27, true, qRgb(0, 0, 0)}, "ESCI", 0, 0},
    {"SceltaLingua", ControlKind::RzComboBox, "PannelloPrincipale", 416, 256, 275, 39, true, qRgb(0, 0, 128), {27, true, qRgb(255, 255, 255)}, "italiano", Hidden, 31},
    {"MaiuscoloMinuscolo", ControlKind::CheckBox, "PannelloPrincipale", 632, 384, 97, 17, false, 0, {}, "a --> A", Checked, 0},
    {"Voce", ControlKind::CheckBox, "PannelloPrincipale", 560, 384, 65, 17, false, 0, {}, "voce", Checked, 0},
    {"SceltaTema", ControlKind::ComboBox, "PannelloPrincipale", 408, 378, 145, 28, true, qRgb(255, 255, 255), {13, true, qRgb(0, 0, 0)}, "", Hidden, 16},
    {"ComboBox1", ControlKind::ComboBox, "PannelloPrincipale", 400, 8, 297, 24, false, 0, {}, "", Hidden | Sorted, 16},
};

}  // namespace

const WindowDesign& principaleDesign()
{
    return kWindow;
}

const PictureDesign& immagineDesign()
{
    return kImmagine;
}

std::span<const ControlDesign> principaleControls()
{
    return kControls;
}

}  // namespace brindolo
