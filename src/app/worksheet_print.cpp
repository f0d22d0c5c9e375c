// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet_print.h"

#include "widgets/event_boundary.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

namespace brindolo {

namespace {

void printWorksheet(QWidget& window, const Worksheet& sheet)
{
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

}  // namespace

QShortcut* addWorksheetPrinting(QWidget& window, std::function<Worksheet()> sheet)
{
    auto* shortcut = new QShortcut(QKeySequence::Print, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window, sheet = std::move(sheet)] {
        EventBoundary::run([&] { printWorksheet(window, sheet()); });
    });
    return shortcut;
}

}  // namespace brindolo
