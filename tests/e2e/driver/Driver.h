// Driving the real launcher from outside: starting it, finding, reading and pressing its
// windows, and reading back the desktop shortcuts it made.
#pragma once

#include <windows.h>
// The shell headers need the definitions of windows.h
#include <shlobj.h>
#include <shobjidl.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Owners.h"

namespace velmora::e2e {

inline std::string Utf8(std::wstring_view text) {
    std::string out(text.size() * 3, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

// Calls `condition` until it holds or 60 s have passed; true when it held. A Wine program's
// start or window can take seconds on a loaded machine; only a failing wait lasts that long.
inline bool WaitUntil(auto&& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(5);
    }
    return true;
}

// A program started with exactly this command line, in a job that ends all that still
// runs of it and of what it started when the Program goes.
class Program {
public:
    Program(const std::wstring& exe, std::wstring commandLine, const std::wstring& directory) {
        GetDesktopWindow();  // Wine's desktop process starts here, not in the job
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        // Suspended until it is in the job, so that all it starts is in the job too.
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                            nullptr, directory.c_str(), &startup, &started))
            throw std::runtime_error("cannot start " + Utf8(commandLine));
        process_.reset(started.hProcess);
        win32::UniqueHandle thread(started.hThread);
        id_ = started.dwProcessId;
        AssignProcessToJobObject(job_.get(), process_.get());
        ResumeThread(thread.get());
    }
    ~Program() {
        job_.reset();  // ends all that still runs of it
        WaitForSingleObject(process_.get(), 5000);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return id_; }
    bool HasEnded() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
    // "still running", or how the program ended: its exit code, named a crash when it is
    // an exception code (0xC0000005 for an access violation, say).
    std::string Ending() const {
        DWORD code = STILL_ACTIVE;
        if (!HasEnded() || !GetExitCodeProcess(process_.get(), &code)) return "still running";
        char text[64];
        snprintf(text, sizeof text, "%s 0x%08lX",
                 code >= 0xC0000000 ? "crashed with exception" : "ended with exit code",
                 static_cast<unsigned long>(code));
        return text;
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
    DWORD id_ = 0;
};

// With a timeout, so that a hung window cannot hang the test.
inline std::wstring Text(HWND window) {
    wchar_t text[1024];
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000,
                        &length);
    return std::wstring(text, length);
}

// The visible top-level windows of the process.
inline std::vector<HWND> Windows(DWORD processId) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) found.push_back(window);
    }
    return found;
}

// Waits for the program's visible window with this caption; throws when none comes.
inline HWND WaitForWindow(const Program& program, const std::wstring& caption) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows(program.Id()))
            if (Text(window) == caption) found = window;
        return found || program.HasEnded();
    });
    if (!found) throw std::runtime_error("no window " + Utf8(caption) + ": the program " + program.Ending());
    return found;
}

// The window's visible buttons, or the one with this text.
inline std::vector<HWND> Buttons(HWND window, const std::wstring& text = {}) {
    std::vector<HWND> buttons;
    wchar_t name[8];
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetClassNameW(child, name, 8) && !lstrcmpiW(name, L"Button") && IsWindowVisible(child) &&
            (text.empty() || Text(child) == text))
            buttons.push_back(child);
    return buttons;
}

// Clicks the visible button with this text; false when there is none. Posted: the click
// may end the program before a sent message could return.
inline bool Press(HWND window, const std::wstring& text) {
    const auto buttons = Buttons(window, text);
    return !buttons.empty() && PostMessageW(buttons[0], BM_CLICK, 0, 0);
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
    const auto select = [&] {
        return SendMessageW(list, LB_SELECTSTRING, -1, reinterpret_cast<LPARAM>(row.c_str())) != LB_ERR;
    };
    if (!WaitUntil(select))
        throw std::runtime_error("no row " + Utf8(row) + " in the list " + std::to_string(listId));
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
