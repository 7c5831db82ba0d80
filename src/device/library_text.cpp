#include "device/library_text.h"

#include <cstring>

namespace device {

std::string fromLibraryText(const char* buffer, std::size_t size) {
    const std::size_t n = ::strnlen(buffer, size);
    std::string text;
    text.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(buffer[i]);
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

}  // namespace device
