// The path and command-line routines: properties that hold for every input.
#include <cstdlib>

#include "FuzzInput.h"
#include "common/CommandLine.h"
#include "common/Paths.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::wstring text = fuzz::Widen(std::string_view(reinterpret_cast<const char*>(data), size));

    const std::wstring name = GetFileNameFromPath(text);
    Require(name.find_first_of(L"\\/") == std::wstring::npos && EndsWith(text, name));

    const std::wstring withSeparator = PathWithSeparator(text);
    Require(PathWithSeparator(withSeparator) == withSeparator);
    Require(withSeparator.size() <= text.size() + 1);

    const std::wstring quoted = QuotePath(text);
    Require(QuotePath(quoted) == quoted);

    const std::wstring tail = CommandLineTailOf(text);
    Require(EndsWith(text, tail));
    return 0;
}
