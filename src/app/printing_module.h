// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The printing module, modules/printing.so: the system's print dialog and
// its printer, through Qt Print Support, which every start of the game would
// otherwise load and relocate for a key most games never press. Ctrl+P loads
// it (worksheet_print.cpp).

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>
#include <QWidget>

namespace brindolo {

inline constexpr char kPrintingModule[] = "printing";
inline constexpr char kChoosePrinter[] = "brindolo_choose_printer";

}  // namespace brindolo

// The module's entry point, declared here so that the module's definition
// and the game's call agree: the print dialog over window for a document of
// that name on that paper, and the printer chosen, the caller's to delete,
// or null when the dialog was cancelled. Only the module defines it.
extern "C" Q_DECL_EXPORT QPagedPaintDevice* brindolo_choose_printer(QWidget* window, const QString* document,
                                                                    const QPageSize* paper);
