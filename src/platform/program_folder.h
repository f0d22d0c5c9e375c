#pragma once

#include <string>

namespace brindolo {

// The folder holding the running executable, ending with "/", as the file
// system's bytes.
std::string programFolder();

}  // namespace brindolo
