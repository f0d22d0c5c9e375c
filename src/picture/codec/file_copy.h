// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a whole picture file into memory in one piece, as the decoder
// wants it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brindolo {

// No picture is anywhere near this size; a larger file (a huge or sparse one
// named like a picture) is refused before it is read.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// The whole content of the file at path (the file system's bytes). Raises
// EFOpenError "Cannot open file <shownName>" when it cannot be opened or is
// not a regular file, the same followed by ": larger than 256 MiB" when it is
// above kMaxFileBytes, and EInOutError "I/O error <n>" when reading fails.
std::vector<std::uint8_t> readWholeFileOrRaise(const std::string& path, const std::string& shownName);

// All of standard input ("-" on a command line), within the same bound.
std::vector<std::uint8_t> readStandardInputOrRaise();

}  // namespace brindolo
