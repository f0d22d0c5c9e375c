// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Asks for the word of each picture about to be added: one field per
// picture, filled with the word its file name proposes (small letters,
// fitted to the game's rules), to be corrected before anything is saved.

#include "editor/editor_texts.h"

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QLineEdit;

namespace brindolo {

class PictureWordsDialog : public QDialog {
    Q_OBJECT
public:
    PictureWordsDialog(const QStringList& paths, const EditorTexts& texts, QWidget* parent = nullptr);

    // The words as typed, the file system's bytes, one per picture.
    std::vector<std::string> words() const;
    QLineEdit& field(int picture) { return *fields_.at(picture); }

private:
    std::vector<QLineEdit*> fields_;
};

}  // namespace brindolo
