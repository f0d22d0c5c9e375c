// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ctrl+P on the window: the deal on the board printed as a worksheet through
// the system's print dialog, which also prints to a PDF file. The game in
// progress goes on as it was.

#include "worksheet/worksheet.h"

#include <QShortcut>
#include <QWidget>
#include <functional>

namespace brindolo {

// Binds Ctrl+P (the platform's print key) on window: asks sheet for the
// worksheet of the board, then the print dialog, then prints; a sheet
// without rows (before the first deal) only beeps. The shortcut is returned
// so that a locked window can turn it off: the dialog's file chooser browses
// the whole disk.
QShortcut* addWorksheetPrinting(QWidget& window, std::function<Worksheet()> sheet);

}  // namespace brindolo
