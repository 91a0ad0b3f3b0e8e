#include <windows.h>
// shlobj.h needs the definitions of windows.h
#include <shlobj.h>

#include "platform/PathParts.h"
#include "platform/win32/Owners.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {
namespace {

std::wstring OwnModulePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::wstring Win32ProcessEnvironment::ModulePath() const {
    return given_ ? modulePath_ : OwnModulePath();
}

std::wstring Win32ProcessEnvironment::CommandLine() {
    return given_ ? commandLine_ : GetCommandLineW();
}

std::wstring Win32ProcessEnvironment::ProgramDirectory() {
    const std::wstring path = ModulePath();
    const std::wstring directory = DirectoryPart(path);
    // A drive root keeps its backslash (E:\), any other directory loses it.
    const bool driveRoot = directory.size() == 2 && directory[1] == L':';
    return driveRoot ? path.substr(0, 3) : directory;
}

std::wstring Win32ProcessEnvironment::ProgramName() {
    std::wstring name = FilePart(ModulePath());
    const auto dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    return name;
}

std::optional<std::uint32_t> Win32ProcessEnvironment::StartProgram(const std::wstring& commandLine,
                                                                   int showState) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION started{};
    // Wine now and then loses a new process before it is set up (about one start in ten
    // thousand, more often on a loaded machine) and reports ERROR_INTERNAL_ERROR; the same
    // start right after succeeds.
    for (int attempt = 1;; ++attempt) {
        std::wstring mutableLine = commandLine;  // CreateProcessW may write into it
        if (CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &started))
            break;
        if (attempt == 2 || GetLastError() != ERROR_INTERNAL_ERROR) return std::nullopt;
    }
    const UniqueHandle thread(started.hThread), process(started.hProcess);  // not waited for
    return started.dwProcessId;
}

std::wstring Win32ProcessEnvironment::SpecialFolderPath(int csidl) {
    PIDLIST_ABSOLUTE located = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &located)) || located == nullptr) return {};
    const UniqueTaskMemory<ITEMIDLIST> list(located);
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(list.get(), path) ? std::wstring(path) : std::wstring();
}

std::wstring Win32ProcessEnvironment::EnvironmentVariable(const std::wstring& name) {
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name.c_str(), value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

}  // namespace velmora::win32
