// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace brindolo {

// Sets the process's heap to keep the blocks a decode frees for the next
// decode, instead of handing them back to the system; once, at start-up,
// before any thread but the first exists.
void keepDecodeBuffersInHeap();

}  // namespace brindolo
