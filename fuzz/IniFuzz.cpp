// INI values on the simulated machine: whatever the file held before, a value written is
// the value read back, and the rest of the file keeps its keys.
#include <cstdlib>

#include "FuzzInput.h"
#include "ini/Ini.h"
#include "platform/sim/SimMachine.h"

namespace {

// Names and values the profile functions can carry: no line breaks, no brackets or '=' in
// names, no blanks or quotes at the ends of a value.
std::wstring Clean(std::wstring text, bool isName) {
    std::wstring result;
    for (wchar_t c : text) {
        if (c == L'\r' || c == L'\n' || c == 0 ||
            (isName && (c == L'[' || c == L']' || c == L'=' || c == L';'))) {
            continue;
        }
        result += c;
    }
    const auto first = result.find_first_not_of(L" \t\"'");
    if (first == std::wstring::npos) return {};
    const auto last = result.find_last_not_of(L" \t\"'");
    return result.substr(first, last - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::FuzzInput input(data, size);
    const std::wstring section = Clean(fuzz::Widen(input.Piece(12)), true);
    const std::wstring key = Clean(fuzz::Widen(input.Piece(12)), true);
    const std::wstring value = Clean(fuzz::Widen(input.Piece(40)), false);
    const std::string before = input.Rest();
    if (section.empty() || key.empty() || value.empty()) return 0;

    sim::SimMachine machine;
    Platform platform = machine.AsPlatform();
    machine.AddFile(L"C:\\s.ini", before);
    // Anything in the file may be read; only the value written must come back exactly.
    ReadIniValue(platform, section, key, L"C:\\s.ini", L"", false);
    if (!WriteIniValue(platform, section, key, value, L"C:\\s.ini", false)) std::abort();
    if (ReadIniValue(platform, section, key, L"C:\\s.ini", L"", false) != value) std::abort();
    if (machine.Exists(L"C:\\s.ini_temp2.txt")) std::abort();
    return 0;
}
