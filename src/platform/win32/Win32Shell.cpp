#include <windows.h>
// The shell headers need the definitions of windows.h
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {
namespace {

struct ComReleaser {
    void operator()(IUnknown* object) const {
        if (object) object->Release();
    }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

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
    IShellLinkW* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&rawLink)))) {
        return false;
    }
    const ComPtr<IShellLinkW> link(rawLink);
    if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetArguments(arguments.c_str()))) return false;

    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return false;
    const ComPtr<IPersistFile> file(rawFile);
    return SUCCEEDED(file->Save(linkFile.c_str(), TRUE));
}

std::wstring Win32Shell::ProgramAssociatedWith(const std::wstring& file) {
    wchar_t program[MAX_PATH + 1] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program));
    return result > 32 ? std::wstring(program) : std::wstring();
}

}  // namespace velmora::win32
