#pragma once

#include <string>

namespace pictavue {

// Loads a library of the program's own from path and gives the address of the function it
// exports with C linkage under name; nullptr, with the system's reason in failure, when either
// cannot be had. The library stays loaded until the process ends: code of its own (Qt's, for the
// window) may still run as the process exits.
void* LoadProgramFunction(const std::string& path, const char* name, std::string& failure);

}  // namespace pictavue
