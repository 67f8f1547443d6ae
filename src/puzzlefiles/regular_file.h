#pragma once

#include <cstdio>
#include <string>

namespace lumeta {

// Opens a file for reading in binary mode, only when it is a regular file: a device
// (/dev/zero), a FIFO or a socket would never end or never answer, so it is refused
// without waiting for it. Null when refused or not openable; `notRegular` then tells
// which.
std::FILE* OpenRegularFile(const std::string& path, bool* notRegular = nullptr);

}  // namespace lumeta
