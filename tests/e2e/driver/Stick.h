// The fake USB stick: a drive letter that the harness maps to a fresh temporary folder.
// Every test starts from an empty stick and lays out the files it needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::e2e {

// Name of the file the harness puts into the stick's root to mark the drive as one
// that the tests may wipe.
inline constexpr wchar_t kStickMarker[] = L"velmora-e2e-stick";

class Stick {
public:
    // Empties the drive named by VELMORA_E2E_STICK (default E:). Throws unless the
    // drive's root holds the marker file.
    Stick();

    // The root with its backslash, e.g. "E:\".
    const std::wstring& Root() const { return root_; }
    // Root() + relative, e.g. Path(L"TC\\wincmd.ini") == L"E:\\TC\\wincmd.ini".
    std::wstring Path(const std::wstring& relative) const { return root_ + relative; }

    void AddDirectory(const std::wstring& relative) const;
    void AddFile(const std::wstring& relative, std::string_view bytes) const;
    // Copies the launcher under test (VELMORA_EXE) into the directory; returns its path.
    std::wstring AddLauncher(const std::wstring& directory, const std::wstring& name = L"velmora.exe") const;
    // Copies the Total Commander stand-in into the directory; returns its path.
    std::wstring AddTotalCommander(const std::wstring& directory,
                                   const std::wstring& name = L"Totalcmd.exe") const;

    std::optional<std::string> Read(const std::wstring& relative) const;
    bool Exists(const std::wstring& relative) const;

private:
    std::wstring root_;
};

// The launcher under test (VELMORA_EXE) and the stand-in (VELMORA_E2E_STANDIN, or
// Totalcmd.exe beside this test program). Empty when not configured.
std::wstring LauncherUnderTest();
std::wstring StandinExecutable();

}  // namespace velmora::e2e
