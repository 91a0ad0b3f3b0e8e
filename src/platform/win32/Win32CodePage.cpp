#include <windows.h>

#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {

std::optional<std::string> Win32AnsiCodePage::Encode(const std::wstring& text) {
    if (text.empty()) return std::string();
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                        bytes.data(), size, nullptr, &lossy);
    if (lossy) return std::nullopt;
    return bytes;
}

AnsiCase Win32AnsiCodePage::Case() {
    AnsiCase result;
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        result.upper[byte] = byte;
        result.leadsPair[byte] = IsDBCSLeadByteEx(CP_ACP, byte) != 0;
        if (result.leadsPair[byte]) continue;
        const char single = static_cast<char>(byte);
        wchar_t character = 0;
        if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &single, 1, &character, 1) != 1) continue;
        std::u16string text(1, static_cast<char16_t>(character));
        UpperUtf16(text);
        const auto upper = Encode(std::wstring(1, static_cast<wchar_t>(text[0])));
        if (upper && upper->size() == 1) result.upper[byte] = static_cast<unsigned char>((*upper)[0]);
    }
    return result;
}

void Win32AnsiCodePage::UpperUtf16(std::u16string& text) {
    if (text.empty() || text.size() > 0x7FFFFFFF) return;
    // The invariant mapping: letters compare alike whatever language the user has chosen
    // (a Turkish "i" still matches "I"). In place; the mapping keeps every unit's place.
    auto* units = reinterpret_cast<wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, units, size, units, size, nullptr, nullptr, 0);
}

}  // namespace velmora::win32
