// Total Commander's names: its executables, the settings files the launcher reads and
// writes in its directory, and the placeholder it expands to that directory.
#pragma once

namespace velmora::tc_files {

inline constexpr wchar_t kCommanderPath[] = L"%COMMANDER_PATH%";

inline constexpr wchar_t kMainSource[] = L"wincmd.ini";
inline constexpr wchar_t kFtpSource[] = L"wcx_ftp.ini";
inline constexpr wchar_t kMainSettings[] = L"TC_portable_wincmd.ini";
inline constexpr wchar_t kFtpSettings[] = L"TC_portable_wcx_ftp.ini";
inline constexpr wchar_t kButtonBar[] = L"TC_portable_Default.bar";
inline constexpr wchar_t kButtonBarCompanion[] = L"TC_portable_Default.br1";

inline constexpr wchar_t kButtonBarSection[] = L"Buttonbar";
inline constexpr wchar_t kButtonBarKey[] = L"Buttonbar";
inline constexpr wchar_t kPrivateButtonBarEntry[] = L"%COMMANDER_PATH%\\TC_portable_Default.bar";

// Total Commander's executables, in the order they are preferred.
inline constexpr wchar_t kTotalcmdExe[] = L"Totalcmd.exe";
inline constexpr wchar_t kWinCmdExe[] = L"WinCmd32.exe";
inline constexpr wchar_t kTotalcmd64Exe[] = L"TOTALCMD64.EXE";

}  // namespace velmora::tc_files
