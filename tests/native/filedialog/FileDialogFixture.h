// A simulated machine with a stick (E:) and a data drive (D:), and the file selection
// dialog on it with a scripted window.
#pragma once

#include <gtest/gtest.h>

#include "filedialog/Files.h"
#include "platform/sim/SimMachine.h"
#include "support/FakeFileDialogWindow.h"

namespace velmora::testing_support {

class FileDialogTest : public ::testing::Test {
protected:
    FileDialogTest() : platform(machine.AsPlatform()), files(platform, window) {
        machine.AddDrive(L'D');
        machine.AddDrive(L'E');
        machine.SetVolumeLabel(L'E', L"STICK");
        machine.AddFile(L"E:\\TC\\wincmd.ini", "");
        machine.AddFile(L"E:\\TC\\Default.bar", "");
        machine.AddFile(L"E:\\TC\\extra.BAR", "");
        machine.AddFile(L"E:\\TC\\Totalcmd.exe", "");
        machine.AddFile(L"E:\\TC\\readme", "");
        machine.AddDirectory(L"E:\\TC\\Plugins");
        machine.AddDirectory(L"E:\\TC\\lang");
        machine.AddFile(L"E:\\root.txt", "");
        machine.AddFile(L"D:\\Data\\Notes\\a.txt", "");
        machine.AddFile(L"D:\\Data\\b.ini", "");
        machine.AddFile(L"D:\\top.ini", "");
        // D: remembers D:\Data\Notes; the process runs in E:\TC.
        machine.ChangeDirectory(L"D:\\Data\\Notes");
        machine.ChangeDirectory(L"E:\\TC");
    }

    // Queues what the user does in the next showing.
    void User(FakeFileDialogWindow::UserActions actions) { window.users.push_back(std::move(actions)); }

    sim::SimMachine machine;
    Platform platform;
    FakeFileDialogWindow window;
    Files files;
};

// Names of the directory rows, for compact expectations.
inline std::vector<std::wstring> RowNames(const std::vector<DirectoryRow>& rows) {
    std::vector<std::wstring> names;
    for (const DirectoryRow& row : rows)
        names.push_back(row.name);
    return names;
}

inline std::size_t IndexOf(const std::vector<std::wstring>& names, const std::wstring& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return i;
    }
    ADD_FAILURE() << "no entry " << ::testing::PrintToString(name);
    return names.size();
}

}  // namespace velmora::testing_support
