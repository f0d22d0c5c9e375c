// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game on paper: a deal's ten words as rows of a page for the child
// (the picture, the sorted letters as on the tile, one box a letter) and a
// page of answers for the teacher. Painted on any paged device, a PDF file
// or a printer alike; no widget is used.

#include "game/board_map.h"

#include <QImage>
#include <QPageSize>
#include <QString>
#include <array>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace brindolo {

// The sheet's own texts, from the section "Worksheet" of the interface
// language's file:
//
//   [Worksheet]
//   Title=Find the word
//   Name=Name:
//   Answers=Answers for the teacher
//
// A key the file lacks, or no file at all, gives the Italian text, as the
// window's captions are Italian until a language is chosen.
struct WorksheetTexts {
    QString title = QStringLiteral("Trova la parola");
    QString name = QStringLiteral("Nome:");
    QString answers = QStringLiteral("Soluzioni per l'insegnante");

    static WorksheetTexts read(const QString& languageFile);
};

struct WorksheetRow {
    std::string picturePath;  // the file system's bytes
    std::string letters;      // UTF-8, as the word's tile shows them
    std::string word;         // UTF-8, as its slot shows it once found
};

struct Worksheet {
    WorksheetTexts texts;
    std::vector<WorksheetRow> rows;
};

// The sheet of a deal, with the game's letter case; empty game words (a deal
// from an empty catalogue) give no row.
Worksheet makeWorksheet(const std::array<std::string, board_map::kWordsPerGame>& gameWords,
                        const std::string& pictureFolder, bool capitals, WorksheetTexts texts);

// Letter for a sheet of 216 x 279 mm, A4 for any other size.
QPageSize::PageSizeId paperOfSize(int widthMillimetres, int heightMillimetres);
// The paper of the user's locale (LC_PAPER), A4 where it cannot be told.
QPageSize localPaper();

// A picture as the sheet prints it: decoded by the game's decoder in full
// colour, at the smallest of libjpeg's reductions (eighths) that still gives
// its longer side at least longerSide pixels. Raises as the game's picture
// does on a broken file.
QImage worksheetPicture(const std::string& path, int longerSide);

// Paints the child's page, then the teacher's on a new page, inside the
// device's margins. Raises Exception when the device cannot be painted on
// (a printer that failed to start).
void paintWorksheet(const Worksheet& sheet, QPagedPaintDevice& device);

}  // namespace brindolo
