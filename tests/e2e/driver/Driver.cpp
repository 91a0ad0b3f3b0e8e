#include "driver/Driver.h"

// The shell headers need the definitions of windows.h
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace velmora::e2e {
namespace {

struct Search {
    DWORD processId;  // 0: every window
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId == 0 || (owner == search->processId && IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    Search search{0, {}};
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsVisibleButton(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, L"Button") == 0 && IsWindowVisible(window);
}

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

}  // namespace

std::string Utf8(std::wstring_view text) {
    std::string out(text.size() * 3, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

std::wstring Wide(std::string_view text) {
    std::wstring out(text.size(), L'\0');
    out.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size())));
    return out;
}

Program::Program(const std::wstring& exe, std::wstring commandLine, const std::wstring& directory)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // Suspended until it is in the job, so that everything it starts is in the job too.
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        directory.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + Utf8(commandLine) + ": error " +
                                 std::to_string(GetLastError()));
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
    // Through a timeout, so that a hung window cannot hang the test.
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return std::wstring(text, copied);
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
    if (found) return found;
    std::wstring shown;
    for (HWND window : Windows(program.Id()))
        shown += L" '" + Text(window) + L"'";
    throw std::runtime_error("no window '" + Utf8(caption) + "'; the launcher " +
                             (program.HasEnded() ? "ended" : "shows:" + Utf8(shown)));
}

HWND Control(HWND window, int id) {
    for (HWND child : Descendants(window))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

std::vector<std::wstring> Buttons(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND child : Descendants(window))
        if (IsVisibleButton(child)) texts.push_back(Text(child));
    std::sort(texts.begin(), texts.end());
    return texts;
}

bool Press(HWND window, const std::wstring& buttonText) {
    for (HWND child : Descendants(window)) {
        if (!IsVisibleButton(child) || Text(child) != buttonText) continue;
        // Posted: the click may end the program before a sent message could return.
        PostMessageW(child, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

bool Settle(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 12000, &ignored) != 0;
}

void DoubleClickRow(HWND dialog, int listId, const std::wstring& row) {
    HWND list = Control(dialog, listId);
    LRESULT index = LB_ERR;
    if (!list || !WaitUntil([&] {
            index = SendMessageW(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(row.c_str()));
            return index != LB_ERR;
        }))
        throw std::runtime_error("no row '" + Utf8(row) + "' in the list " + std::to_string(listId));
    SendMessageW(list, LB_SETCURSEL, index, 0);
    // What the list reports to its window on a double click; posted, as it may end the dialog.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

std::optional<std::string> ReadFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::wstring DesktopFolder() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::optional<Shortcut> ReadShortcut(const std::wstring& link) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // once per thread; later calls do nothing
    IShellLinkW* rawLink = nullptr;
    IPersistFile* rawFile = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&rawLink))))
        return std::nullopt;
    const std::unique_ptr<IShellLinkW, Releaser> shellLink(rawLink);
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))))
        return std::nullopt;
    const std::unique_ptr<IPersistFile, Releaser> file(rawFile);
    wchar_t target[MAX_PATH] = {}, arguments[1024] = {};
    if (FAILED(file->Load(link.c_str(), STGM_READ)) ||
        FAILED(shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
        FAILED(shellLink->GetArguments(arguments, 1024)))
        return std::nullopt;
    return Shortcut{target, arguments};
}

std::vector<Launch> ReadLaunches(const std::wstring& recordFile) {
    std::vector<Launch> launches;
    std::wistringstream lines(Wide(ReadFile(recordFile).value_or("")));
    for (std::wstring line; std::getline(lines, line);) {
        std::wistringstream fields(line);
        Launch launch;
        std::getline(fields, launch.commandLine, L'\t');
        std::getline(fields, launch.directory, L'\t');
        std::getline(fields, launch.executable, L'\t');
        launches.push_back(launch);
    }
    return launches;
}

}  // namespace velmora::e2e
