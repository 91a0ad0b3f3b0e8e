#include <windows.h>
// The shell headers need the definitions of windows.h
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/Owners.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {
namespace {

// COM is started only for the shell's link object, so that an ordinary launch never
// loads it.
class ComSession {
public:
    ComSession() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComSession() {
        if (started_) CoUninitialize();
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool started_;
};

}  // namespace

bool Win32Shell::CreateShortcut(const std::wstring& linkFile, const std::wstring& target,
                                const std::wstring& arguments) {
    const ComSession com;
    const auto link = CreateComObject<IShellLinkW>(CLSID_ShellLink, IID_IShellLinkW);
    if (!link || FAILED(link->SetPath(target.c_str())) || FAILED(link->SetArguments(arguments.c_str())))
        return false;
    const auto file = QueryComInterface<IPersistFile>(*link, IID_IPersistFile);
    return file && SUCCEEDED(file->Save(linkFile.c_str(), TRUE));
}

std::wstring Win32Shell::ProgramAssociatedWith(const std::wstring& file) {
    wchar_t program[MAX_PATH + 1] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program));
    return result > 32 ? std::wstring(program) : std::wstring();
}

}  // namespace velmora::win32
