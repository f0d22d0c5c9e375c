// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picture_words_dialog.h"

#include "editor/word_names.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace brindolo {

PictureWordsDialog::PictureWordsDialog(const QStringList& paths, const EditorTexts& texts, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(texts("ChooseWords"));
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    auto* form = new QWidget(scroll);
    auto* rows = new QFormLayout(form);
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        auto* field = new QLineEdit(QFile::decodeName(QByteArray::fromStdString(proposedWord(QFile::encodeName(path).toStdString()))), form);
        field->setAccessibleName(texts("WordFor").arg(name));
        rows->addRow(name, field);
        fields_.push_back(field);
    }
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, std::min(600, 120 + 36 * static_cast<int>(paths.size())));
}

std::vector<std::string> PictureWordsDialog::words() const
{
    std::vector<std::string> words;
    for (const QLineEdit* field : fields_)
        words.push_back(QFile::encodeName(field->text()).toStdString());
    return words;
}

}  // namespace brindolo
