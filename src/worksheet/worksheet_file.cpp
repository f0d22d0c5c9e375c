// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet_file.h"

#include "game/clock_random.h"
#include "game/game.h"
#include "game/name_catalogue.h"
#include "system/errors.h"
#include "system/output_file.h"
#include "worksheet/worksheet.h"

#include <QBuffer>
#include <QPdfWriter>
#include <memory>
#include <vector>

namespace brindolo {

void writeWorksheet(const WorksheetRequest& request, const std::string& path)
{
    NameCatalogue catalogue;
    readCatalogue(catalogue, request.wordFolder, request.theme);
    const std::string folder = request.wordFolder + (request.theme.empty() ? "" : request.theme + "/");
    if (catalogue.count() == 0)
        throw Exception("There are no pictures (*.jpg) in " + folder);
    const DealRules rules{request.longest, false};
    if (dealableCount(catalogue, rules) == 0)
        throw Exception("There are no pictures (*.jpg) of words of at most " + std::to_string(request.longest)
                        + " letters in " + folder);
    std::unique_ptr<RandomSource> random;
    if (request.seed)
        random = std::make_unique<SeededRandom>(*request.seed);
    else
        random = std::make_unique<ClockRandom>();
    const Worksheet sheet = makeWorksheet(dealWords(catalogue, *random, rules, request.first), request.wordFolder,
                                          request.capitals, WorksheetTexts::read(request.languageFile));

    // Made whole in memory first (a few hundred kilobytes), so that the
    // file, a pipe or standard output gets all of it or nothing.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setPageSize(localPaper());
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(sheet.texts.title);
        writer.setCreator(QStringLiteral("Brindolo"));
        paintWorksheet(sheet, writer);
    }
    OutputFile file(path);
    file.write(pdf.data().constData(), static_cast<std::size_t>(pdf.data().size()));
    file.commit();
}

}  // namespace brindolo
