#pragma once
// Reading a whole picture file into memory in one piece, as the decoder
// wants it.

#include <cstdint>
#include <string>
#include <vector>

namespace brindolo {

// The whole content of the file at path (the file system's bytes). Raises
// EFOpenError "Cannot open file <shownName>" when it cannot be opened or is
// not a regular file, and EInOutError "I/O error <n>" when reading fails.
std::vector<std::uint8_t> readWholeFile(const std::string& path, const std::string& shownName);

}  // namespace brindolo
