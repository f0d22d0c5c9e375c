// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/design.h"

#include "i18n/tlanguage.h"
#include "layout/nobderp.h"
#include "picture/jpgimg.h"
#include "widgets/controls.h"

#include <QFont>
#include <QPalette>

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

namespace {

// The one place that decides the class of the panel holding every control.
TControl* makeResizerPanel(TComponent* owner, TControl* parent)
{
    auto* panel = new TNoBDEResizerPanel(owner, parent);
    panel->setAllowChanges(false);
    panel->setActive(true);
    return panel;
}

template <typename Control>
TControl* make(TComponent* owner, TControl* parent)
{
    return new Control(owner, parent);
}

// Indexed by ControlKind, in its order.
TControl* (*const kMakers[])(TComponent*, TControl*) = {
    makeResizerPanel,   make<TShape>,      make<TPanel>,    make<TJPEGImage>,
    make<TMemo>,        make<TRzComboBox>, make<TCheckBox>, make<TComboBox>,
};

TControl* makeControl(ControlKind kind, TComponent* owner, TControl* parent)
{
    return kMakers[static_cast<int>(kind)](owner, parent);
}

void applyColour(TControl& control, QRgb colour)
{
    if (auto* panel = dynamic_cast<TPanel*>(&control)) {
        panel->setColor(QColor(colour));
        return;
    }
    if (auto* shape = dynamic_cast<TShape*>(&control)) {
        shape->setBrushColor(QColor(colour));
        return;
    }
    // A drop-down's colour is that of its text field and its list.
    QWidget& widget = control.widget();
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, QColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void applyFont(TControl& control, const DesignFont& design)
{
    QWidget& widget = control.widget();
    QFont font = widget.font();
    font.setPixelSize(design.pixels);
    font.setBold(design.bold);
    widget.setFont(font);
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, QColor(design.colour));
    widget.setPalette(palette);
}

void applyCaption(TControl& control, const QString& caption)
{
    if (auto* panel = dynamic_cast<TPanel*>(&control))
        panel->setCaption(caption);
    else if (auto* box = dynamic_cast<TCheckBox*>(&control))
        box->setText(caption);
    else if (auto* combo = dynamic_cast<TCustomComboBox*>(&control))
        combo->setEditText(caption);
}

void applyPicture(TJPEGImage& picture, const ControlDesign& design)
{
    const PictureDesign& settings = immagineDesign();
    picture.setNumOfColors(settings.decode.numOfColors);
    picture.setDCTMethod(settings.decode.dctMethod);
    picture.setDither(settings.decode.dither);
    picture.setFastProcessing(settings.decode.fastProcessing);
    picture.setGrayScale(settings.decode.grayScale);
    picture.setNoSmooth(settings.decode.noSmooth);
    picture.setOnePass(settings.decode.onePass);
    picture.setAutoTransform(settings.decode.autoTransform);
    picture.setProgressStep(settings.progressStep);
    picture.setQuality(settings.quality);
    picture.setCenter(design.state & PictureCentred);
    picture.setStretch(design.state & PictureStretched);
    picture.setProportional(design.state & PictureProportional);
}

void applyState(TControl& control, const ControlDesign& design)
{
    if (auto* panel = dynamic_cast<TPanel*>(&control)) {
        if (design.state & DragSource)
            panel->setDragMode(TDragMode::Automatic);
        if (design.state & CaptionLeft)
            panel->setCaptionAlignment(TCaptionAlignment::LeftJustify);
    }
    if (auto* box = dynamic_cast<TCheckBox*>(&control))
        box->setChecked(design.state & Checked);
    if (auto* combo = dynamic_cast<TCustomComboBox*>(&control))
        combo->setItemHeight(design.itemHeight);
    if (auto* sorted = dynamic_cast<TComboBox*>(&control))
        sorted->setSorted(design.state & Sorted);
    if (auto* picture = dynamic_cast<TJPEGImage*>(&control))
        applyPicture(*picture, design);
    if (design.state & FillsParent)
        control.setAlign(TAlign::Client);
    if (design.state & Disabled)
        control.setEnabled(false);
    if (design.state & Hidden)
        control.setVisible(false);
}

}  // namespace

void buildFromDesign(TForm& form)
{
    const WindowDesign& window = principaleDesign();
    form.setLoading(true);
    form.setName(QLatin1String(window.name));
    form.setCaption(QString::fromUtf8(window.caption));
    QFont font(QString::fromLatin1(window.fontFamily));
    font.setPixelSize(window.fontPixels);
    form.setFont(font);
    form.setGeometry(window.left, window.top, window.clientWidth, window.clientHeight);

    for (const ControlDesign& design : principaleControls()) {
        TControl* parent = sameTextAscii(QString::fromLatin1(design.parent), form.name())
            ? &form
            : require<TControl>(form, design.parent);
        TControl& control = *makeControl(design.kind, &form, parent);
        control.setLoading(true);
        control.setName(QLatin1String(design.name));
        control.setBounds(design.left, design.top, design.width, design.height);
        if (design.hasColour)
            applyColour(control, design.colour);
        if (design.font.pixels > 0)
            applyFont(control, design.font);
        applyCaption(control, QString::fromUtf8(design.caption));
        applyState(control, design);
    }

    auto* language = new TLanguage(&form);
    language->setName(QStringLiteral("Language1"));
    language->setProperties({QStringLiteral("Principale.Esci.Caption"), QStringLiteral("Principale.Panel32.Caption"),
                              QStringLiteral("Principale.Panel34.Caption"), QStringLiteral("Principale.Panel35.Caption"),
                              QStringLiteral("Principale.Voce.Caption"), QStringLiteral("Principale.Caption")});

    for (int i = 0; i < form.componentCount(); ++i)
        form.component(i)->loaded();
    form.loaded();
}

}  // namespace brindolo
