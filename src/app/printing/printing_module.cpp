// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing_module.h"

#include <QPrintDialog>
#include <QPrinter>
#include <memory>

QPagedPaintDevice* brindolo_choose_printer(QWidget* window, const QString* document, const QPageSize* paper)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(*paper);
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setDocName(*document);
    QPrintDialog dialog(printer.get(), window);
    return dialog.exec() == QDialog::Accepted ? printer.release() : nullptr;
}
