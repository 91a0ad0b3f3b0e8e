#include <windows.h>
// The shell headers need the definitions of windows.h
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>
#include <stdexcept>

#include "driver/Process.h"
#include "driver/Shell.h"
#include "driver/Text.h"

namespace velmora::e2e {
namespace {

struct ComReleaser {
    void operator()(IUnknown* object) const {
        if (object) {
            object->Release();
        }
    }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

class ComSession {
public:
    ComSession() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComSession() {
        if (started_) {
            CoUninitialize();
        }
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool started_;
};

}  // namespace

std::wstring DesktopFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path))) {
        throw std::runtime_error("the desktop folder cannot be found");
    }
    return path;
}

std::optional<ShortcutContents> ReadShortcut(const std::wstring& linkFile) {
    const ComSession com;
    IShellLinkW* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&rawLink)))) {
        return std::nullopt;
    }
    const ComPtr<IShellLinkW> link(rawLink);
    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) {
        return std::nullopt;
    }
    const ComPtr<IPersistFile> file(rawFile);
    if (FAILED(file->Load(linkFile.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    wchar_t target[MAX_PATH] = {};
    wchar_t arguments[1024] = {};
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
        FAILED(link->GetArguments(arguments, 1024))) {
        return std::nullopt;
    }
    return ShortcutContents{target, arguments};
}

void ImportRegistryFile(const std::wstring& regFile) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring regedit = std::wstring(windows) + L"\\regedit.exe";
    Program program(regedit, L"regedit.exe /S \"" + regFile + L"\"", windows);
    if (!program.WaitForAllProcessesToEnd()) {
        throw std::runtime_error("regedit did not finish importing " + ToUtf8(regFile));
    }
}

}  // namespace velmora::e2e
