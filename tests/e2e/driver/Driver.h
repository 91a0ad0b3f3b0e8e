// Driving the real launcher from outside: starting it, finding, reading and pressing its
// windows, and reading back the desktop shortcuts it made.
#pragma once

#include <windows.h>
// The shell headers need the definitions of windows.h
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Owners.h"
#include "shared/WaitUntil.h"

namespace velmora::e2e {

inline std::string Utf8(std::wstring_view text) {
    const std::u8string bytes = std::filesystem::path(text).u8string();
    return {bytes.begin(), bytes.end()};
}

// A program started with exactly this command line, in a job that ends all that still
// runs of it and of what it started when the Program goes.
class Program {
public:
    Program(const std::wstring& exe, std::wstring commandLine, const std::wstring& directory) {
        GetDesktopWindow();  // Wine's desktop process starts here, not in the job
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{
            .BasicLimitInformation = {.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE}};
        SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        STARTUPINFOW startup{.cb = sizeof startup};
        // Suspended until it is in the job, so that all it starts is in the job too.
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                            nullptr, directory.c_str(), &startup, &started))
            throw std::runtime_error("cannot start " + Utf8(commandLine));
        process_.reset(started.hProcess);
        win32::UniqueHandle thread(started.hThread);
        AssignProcessToJobObject(job_.get(), process_.get());
        ResumeThread(thread.get());
    }
    ~Program() {
        job_.reset();  // ends all that still runs of it
        WaitForSingleObject(process_.get(), 5000);
    }
    bool HasEnded() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
    std::vector<HWND> VisibleWindows() const {
        std::vector<HWND> found;
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == GetProcessId(process_.get()) && IsWindowVisible(window)) found.push_back(window);
        }
        return found;
    }
    // Waits until the program and all it started have ended.
    bool WaitForAll() const {
        return WaitUntil([this] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
            QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &info, sizeof info,
                                      nullptr);
            return info.ActiveProcesses == 0;
        });
    }

private:
    win32::UniqueHandle job_{CreateJobObjectW(nullptr, nullptr)};
    win32::UniqueHandle process_;
};

// With a timeout, so that a hung window cannot hang the test.
inline std::wstring Text(HWND window) {
    wchar_t text[1024];
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000,
                        &length);
    return std::wstring(text, length);
}

// Waits for the program's visible window with this caption; throws when none comes.
inline HWND WaitForWindow(const Program& program, const std::wstring& caption) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : program.VisibleWindows())
            if (Text(window) == caption) found = window;
        return found || program.HasEnded();
    });
    if (!found) throw std::runtime_error("no window " + Utf8(caption));
    return found;
}

inline std::vector<HWND> VisibleButtons(HWND window) {
    std::vector<HWND> buttons;
    wchar_t name[8];
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetClassNameW(child, name, 8) && !lstrcmpiW(name, L"Button") && IsWindowVisible(child))
            buttons.push_back(child);
    return buttons;
}

// Clicks the visible button with this text; false when there is none. Posted: the click
// may end the program before a sent message could return.
inline bool Press(HWND window, const std::wstring& text) {
    for (HWND button : VisibleButtons(window))
        if (Text(button) == text) return PostMessageW(button, BM_CLICK, 0, 0);
    return false;
}

// Waits until the window's thread takes messages again: a click's handler has run to its
// end, unless the handler lets messages through on the way.
inline bool Settle(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored) != 0;
}

// Double-clicks the row of a list box that starts with `row` as soon as it is there; throws
// when it never is. The notification is posted, as it may end the dialog.
inline void DoubleClickRow(HWND dialog, int listId, const std::wstring& row) {
    HWND list = GetDlgItem(dialog, listId);
    const auto text = reinterpret_cast<LPARAM>(row.c_str());
    if (!WaitUntil([&] { return SendMessageW(list, LB_SELECTSTRING, -1, text) != LB_ERR; }))
        throw std::runtime_error("no row " + Utf8(row));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

inline const std::wstring kShortcutNames[] = {L"Total Commander (mobile)",
                                              L"Total Commander (mobile - Setup)"};

inline std::wstring ShortcutFile(const std::wstring& name) {
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return desktop + (L"\\" + name + L".lnk");
}

// "<target> TAB <arguments>" of the desktop shortcut of this name as the shell's link object
// reads it, "" when there is none.
inline std::wstring ReadShortcut(const std::wstring& name) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // once a thread; later calls change nothing
    const auto link = win32::CreateComObject<IShellLinkW>(CLSID_ShellLink, IID_IShellLinkW);
    const auto file = link ? win32::QueryComInterface<IPersistFile>(*link, IID_IPersistFile) : nullptr;
    wchar_t target[MAX_PATH] = {}, arguments[1024] = {};
    const bool read = file && SUCCEEDED(file->Load(ShortcutFile(name).c_str(), STGM_READ)) &&
                      SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                      SUCCEEDED(link->GetArguments(arguments, 1024));
    return read ? target + (L"\t" + std::wstring(arguments)) : L"";
}

}  // namespace velmora::e2e
