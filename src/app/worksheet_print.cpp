// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet_print.h"

#include "app/printing_module.h"
#include "system/module_loader.h"
#include "widgets/event_boundary.h"

#include <QApplication>
#include <QShortcut>
#include <memory>

namespace brindolo {

namespace {

void printWorksheet(QWidget& window, const Worksheet& sheet)
{
    if (sheet.rows.empty()) {
        QApplication::beep();
        return;
    }
    const auto choosePrinter =
        moduleFunction<decltype(brindolo_choose_printer)>(moduleFolder(), kPrintingModule, kChoosePrinter);
    const QPageSize paper = localPaper();
    const std::unique_ptr<QPagedPaintDevice> printer(choosePrinter(&window, &sheet.texts.title, &paper));
    if (printer)
        paintWorksheet(sheet, *printer);
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
