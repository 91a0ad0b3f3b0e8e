#include "common/CommandLine.h"

namespace velmora {
namespace {

bool IsSeparator(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring CommandLineTailOf(const std::wstring& commandLine) {
    size_t position = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const auto closing = commandLine.find(L'"', 1);
        position = closing == std::wstring::npos ? commandLine.size() : closing + 1;
    }
    while (position < commandLine.size() && !IsSeparator(commandLine[position]))
        ++position;
    while (position < commandLine.size() && IsSeparator(commandLine[position]))
        ++position;
    return commandLine.substr(position);
}

bool IsSetupWord(const std::wstring& upperCaseWord) {
    return upperCaseWord == L"/SETUP" || upperCaseWord == L"SETUP" || upperCaseWord == L"-SETUP";
}

}  // namespace velmora
