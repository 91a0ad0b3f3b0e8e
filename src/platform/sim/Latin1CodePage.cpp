#include "platform/sim/Latin1CodePage.h"

#include <cstdint>

namespace velmora::sim {

std::optional<std::string> Latin1CodePage::Encode(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) {
        if (static_cast<std::uint32_t>(c) > 0xFF) {
            return std::nullopt;
        }
        bytes += static_cast<char>(static_cast<unsigned char>(c));
    }
    return bytes;
}

std::wstring Latin1CodePage::Decode(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    }
    return text;
}

}  // namespace velmora::sim
