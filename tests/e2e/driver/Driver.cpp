#include "driver/Driver.h"

// The shell headers need the definitions of windows.h
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace velmora::e2e {
namespace {

struct Search {
    DWORD processId;  // 0 for all child windows
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!search->processId || (owner == search->processId && IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND window) {
    Search search{0, {}};
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> VisibleButtons(HWND window) {
    std::vector<HWND> buttons = Children(window);
    wchar_t name[8];
    std::erase_if(buttons, [&](HWND child) {
        return !GetClassNameW(child, name, 8) || lstrcmpiW(name, L"Button") || !IsWindowVisible(child);
    });
    return buttons;
}

}  // namespace

std::string Utf8(std::wstring_view text) {
    std::string out(text.size() * 3, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

Program::Program(const std::wstring& exe, std::wstring commandLine, const std::wstring& directory)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    STARTUPINFOW startup{sizeof startup};
    // Suspended until it is in the job, so that all it starts is in the job too.
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        directory.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + Utf8(commandLine));
    AssignProcessToJobObject(job_, info_.hProcess);
    ResumeThread(info_.hThread);
    CloseHandle(info_.hThread);
}

Program::~Program() {
    CloseHandle(job_);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hProcess);
}

bool Program::WaitForAll() const {
    return WaitUntil([this] {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
        QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
        return info.ActiveProcesses == 0;
    });
}

std::wstring Text(HWND window) {
    wchar_t text[1024];
    DWORD_PTR length = 0;
    // With a timeout, so that a hung window cannot hang the test.
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &length);
    return std::wstring(text, length);
}

std::vector<HWND> Windows(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const Program& program, const std::wstring& caption) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows(program.Id()))
            if (Text(window) == caption) found = window;
        return found || program.HasEnded();
    });
    if (!found)
        throw std::runtime_error("no window '" + Utf8(caption) + (program.HasEnded() ? "', it ended" : "'"));
    return found;
}

HWND Control(HWND window, int id) {
    for (HWND child : Children(window))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

std::vector<std::wstring> Buttons(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND button : VisibleButtons(window))
        texts.push_back(Text(button));
    std::sort(texts.begin(), texts.end());
    return texts;
}

bool Press(HWND window, const std::wstring& text) {
    for (HWND button : VisibleButtons(window))
        // Posted: the click may end the program before a sent message could return.
        if (Text(button) == text) return PostMessageW(button, BM_CLICK, 0, 0);
    return false;
}

bool Settle(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 12000, &ignored) != 0;
}

void DoubleClickRow(HWND dialog, int listId, const std::wstring& row) {
    HWND list = Control(dialog, listId);
    LRESULT index = LB_ERR;
    if (!WaitUntil([&] {
            index = SendMessageW(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(row.c_str()));
            return index != LB_ERR;
        }))
        throw std::runtime_error("no row " + Utf8(row) + " in the list " + std::to_string(listId));
    SendMessageW(list, LB_SETCURSEL, index, 0);
    // What the list reports on a double click; posted, as it may end the dialog.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

std::wstring ShortcutFile(const std::wstring& name) {
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return desktop + (L"\\" + name + L".lnk");
}

std::optional<Shortcut> ReadShortcut(const std::wstring& name) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // once a thread; later calls change nothing
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {}, arguments[1024] = {};
    const bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IShellLinkW, reinterpret_cast<void**>(&link))) &&
                      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                      SUCCEEDED(file->Load(ShortcutFile(name).c_str(), STGM_READ)) &&
                      SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                      SUCCEEDED(link->GetArguments(arguments, 1024));
    if (file) file->Release();
    if (link) link->Release();
    return read ? std::optional(Shortcut{target, arguments}) : std::nullopt;
}

std::vector<std::string> ReadLaunches(const std::wstring& recordFile) {
    std::vector<std::string> launches;
    std::ifstream file(std::filesystem::path(recordFile), std::ios::binary);
    for (std::string line; std::getline(file, line);)
        launches.push_back(line.substr(0, line.find('\t', line.find('\t') + 1)));
    return launches;
}

}  // namespace velmora::e2e
