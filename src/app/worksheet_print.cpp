// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet_print.h"

#include "app/principale.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

namespace brindolo {

void addWorksheetPrinting(TPrincipale& window)
{
    auto* shortcut = new QShortcut(QKeySequence::Print, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [&window] { EventBoundary::run([&window] { printBoardWorksheet(window); }); });
}

Worksheet boardWorksheet(TPrincipale& window)
{
    Game& game = window.game();
    return makeWorksheet(game.worksheetWords(), game.pictureFolder(), window.MaiuscoloMinuscolo->isChecked(),
                         WorksheetTexts::read(window.Language1->languageFile()));
}

void printBoardWorksheet(TPrincipale& window)
{
    const Worksheet sheet = boardWorksheet(window);
    if (sheet.rows.empty()) {
        QApplication::beep();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(localPaper());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(sheet.texts.title);
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintWorksheet(sheet, printer);
}

}  // namespace brindolo
