#pragma once
// Texts that come from the device library: 8-bit, terminated, or so the contract says. A
// buffer is read no further than its size, terminator or not, and each byte becomes its
// character (bytes from 0x80 on as Latin-1), so the window shows what the unit sent.

#include <cstddef>
#include <string>

namespace device {

std::string fromLibraryText(const char* buffer, std::size_t size);

}  // namespace device
