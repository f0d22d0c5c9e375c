// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ctrl+P on the window: the deal on the board printed as a worksheet through
// the system's print dialog, which also prints to a PDF file. The game in
// progress goes on as it was.

#include "worksheet/worksheet.h"

namespace brindolo {

class TPrincipale;

// Binds Ctrl+P (the platform's print key) on the window.
void addWorksheetPrinting(TPrincipale& window);

// The sheet of the deal on the board, in the window's letter case and
// interface language: the deal's words each once, topped up with others to
// ten different ones when the list has them; no rows before the first deal.
Worksheet boardWorksheet(TPrincipale& window);

// Asks the print dialog, then prints; before the first deal there is nothing
// to print, and the window only beeps.
void printBoardWorksheet(TPrincipale& window);

}  // namespace brindolo
