// The simulated machine's ANSI code page. Windows-1252 differs from Latin-1 only in
// 0x80..0x9F, which the tests do not need, so Latin-1 stands in for it: every byte is
// the character of the same number.
#pragma once

#include "platform/Platform.h"

namespace velmora::sim {

class Latin1CodePage : public AnsiCodePage {
public:
    std::optional<std::string> Encode(const std::wstring& text) override;
    std::wstring Decode(std::string_view bytes) override;
};

}  // namespace velmora::sim
