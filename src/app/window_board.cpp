// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_board.h"

#include "picture/jpgimg.h"
#include "widgets/controls.h"

#include <QFile>
#include <QStringList>

namespace brindolo {

WindowBoard::WindowBoard(const std::array<TPanel*, board_map::kPanelCount>& panels, TCheckBox& caseBox, TJPEGImage& picture,
                         TPanel& pictureContainer)
    : panels_(panels), caseBox_(caseBox), picture_(picture), container_(pictureContainer)
{
}

int WindowBoard::index(std::string_view panel) const
{
    return board_map::panelNumber(panel) - 1;
}

std::string WindowBoard::text(std::string_view panel) const
{
    const int i = index(panel);
    const QString caption = panels_[i]->caption();
    const Written& written = written_[i];
    return caption == written.shown ? written.bytes : caption.toUtf8().toStdString();
}

void WindowBoard::setText(std::string_view panel, const std::string& text)
{
    const int i = index(panel);
    Written& written = written_[i];
    written.bytes = text;
    written.shown = QString::fromUtf8(text);
    panels_[i]->setCaption(written.shown);
}

void WindowBoard::setEnabled(std::string_view panel, bool enabled)
{
    panels_[index(panel)]->setEnabled(enabled);
}

void WindowBoard::setVisible(std::string_view panel, bool visible)
{
    panels_[index(panel)]->setVisible(visible);
}

bool WindowBoard::caseBoxChecked() const
{
    return caseBox_.isChecked();
}

PictureSize WindowBoard::loadPicture(const std::string& path, PictureSize frame)
{
    picture_.setFileNamePathFor(path, QSize(frame.width, frame.height));
    return {picture_.pictureWidth(), picture_.pictureHeight()};
}

void WindowBoard::prefetchPictures(const std::vector<std::string>& paths, PictureSize frame)
{
    picture_.prefetch(paths, QSize(frame.width, frame.height));
}

// An empty file name is the control's empty picture.
void WindowBoard::clearPicture()
{
    picture_.setFileNamePath(std::string());
}

void WindowBoard::setPictureFlags(bool stretch, bool center)
{
    picture_.setStretch(stretch);
    picture_.setCenter(center);
}

PictureSize WindowBoard::containerSize() const
{
    return {container_.width(), container_.height()};
}

namespace {

QString displayName(const std::string& name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

}  // namespace

void MemoCatalogue::clear()
{
    NameCatalogue::clear();
    memo_.clear();
}

void MemoCatalogue::append(const std::string& name)
{
    NameCatalogue::append(name);
    memo_.appendLine(displayName(name));
}

}  // namespace brindolo
