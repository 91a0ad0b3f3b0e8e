// Text spelt as the bytes of a UTF-16LE file: its byte-order mark, then each unit low byte first.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

inline std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text)
        bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
}

}  // namespace velmora
