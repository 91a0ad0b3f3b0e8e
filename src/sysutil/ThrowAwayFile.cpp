#include "sysutil/ThrowAwayFile.h"

namespace velmora {
namespace {

// Enough to step over a few leftovers of other programs; a medium that refuses every
// write is given up on quickly.
constexpr int kAttempts = 8;

}  // namespace

std::wstring ThrowAwayNames::Candidate(int attempt) const {
    if (attempt == 0) return directory + firstName;
    std::wstring number = std::to_wstring(attempt + 1);
    if (number.size() < digits) number.insert(0, digits - number.size(), L'0');
    return directory + stem + number + suffix;
}

ThrowAwayFile::ThrowAwayFile(FileSystem& files, const ThrowAwayNames& names, std::string_view content)
    : files_(files) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::wstring candidate = names.Candidate(attempt);
        // A hidden or system file passes these tests, but Windows refuses to write over
        // it, so it is never replaced either.
        if (files.FileExists(candidate) || files.DirectoryExists(candidate)) continue;
        if (files.WriteFileBytes(candidate, content)) {
            path_ = candidate;
            return;
        }
    }
}

ThrowAwayFile::~ThrowAwayFile() {
    // One that cannot be removed stays behind: a destructor has no one to tell.
    if (!path_.empty()) static_cast<void>(files_.RemoveFile(path_));
}

std::wstring ProgramDriveRoot(ProcessEnvironment& process) {
    const std::wstring directory = process.ProgramDirectory();
    const wchar_t letter = directory.empty() ? L'\\' : directory.front();
    return std::wstring(1, letter) + L":\\";
}

}  // namespace velmora
