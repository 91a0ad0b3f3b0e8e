// The platform interfaces on the real Windows: wide-character calls for every path.
#pragma once

#include <utility>

#include "platform/Platform.h"

namespace velmora::win32 {

// Not final: the tests fault it by deriving from it.
class Win32FileSystem : public FileSystem {
public:
    std::optional<std::string> ReadFileBytes(const std::wstring& path) override;
    std::unique_ptr<FileView> ViewFile(const std::wstring& path) override;
    bool WriteFileBytes(const std::wstring& path, std::string_view bytes) override;
    bool AppendFileBytes(const std::wstring& path, std::string_view bytes) override;
    bool FlushFile(const std::wstring& path) override;
    bool RemoveFile(const std::wstring& path) override;
    bool Move(const std::wstring& source, const std::wstring& destination, MoveKind kind) override;
    std::optional<std::uint32_t> EntryAttributes(const std::wstring& path) override;
    std::optional<LocalDateTime> CreationTime(const std::wstring& path) override;
    std::optional<std::wstring> ShortPathName(const std::wstring& path) override;
    std::optional<std::wstring> LongPathName(const std::wstring& path) override;
    std::optional<std::vector<DirectoryEntry>> FindEntries(const std::wstring& pattern) override;
    std::vector<DriveInfo> ListDrives() override;
    std::optional<std::wstring> DriveCurrentDirectory(wchar_t letter) override;
    std::wstring CurrentDirectory() override;
    bool ChangeDirectory(const std::wstring& path) override;
    bool ChangeDrive(wchar_t letter) override;
};

class Win32ProfileStore final : public ProfileStore {
public:
    std::wstring ReadValue(const std::wstring& section, const std::wstring& key,
                           const std::wstring& file) override;
    bool WriteValue(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                    const std::wstring& file) override;
};

class Win32UserInterface final : public UserInterface {
public:
    MessageAnswer ShowMessage(const Message& message) override;
    void SystemBeep() override;
    void ProcessPendingMessages() override;
};

class Win32ProcessEnvironment final : public ProcessEnvironment {
public:
    Win32ProcessEnvironment() = default;
    // Answers for a program started from `modulePath` with `commandLine` instead of this one.
    Win32ProcessEnvironment(std::wstring modulePath, std::wstring commandLine)
        : modulePath_(std::move(modulePath)), commandLine_(std::move(commandLine)), given_(true) {}
    std::wstring CommandLine() override;
    std::wstring ProgramDirectory() override;
    std::wstring ProgramName() override;
    using ProcessEnvironment::StartProgram;
    std::optional<std::uint32_t> StartProgram(const std::wstring& commandLine, int showState) override;
    std::wstring SpecialFolderPath(int csidl) override;
    std::wstring EnvironmentVariable(const std::wstring& name) override;

private:
    std::wstring ModulePath() const;

    std::wstring modulePath_, commandLine_;
    bool given_ = false;
};

class Win32Registry final : public Registry {
public:
    std::optional<std::wstring> ReadRegistryString(std::uint32_t rootKey, const std::wstring& keyPath,
                                                   const std::wstring& valueName) override;
};

class Win32Shell final : public Shell {
public:
    bool CreateShortcut(const std::wstring& linkFile, const std::wstring& target,
                        const std::wstring& arguments) override;
    std::wstring ProgramAssociatedWith(const std::wstring& file) override;
};

class Win32AnsiCodePage final : public AnsiCodePage {
public:
    std::optional<std::string> Encode(const std::wstring& text) override;
    AnsiCase Case() override;
    void UpperUtf16(std::u16string& text) override;
};

// The whole real platform in one object with the lifetime of the program.
struct Win32Machine {
    Win32FileSystem files;
    Win32ProfileStore profiles;
    Win32UserInterface ui;
    Win32ProcessEnvironment process;
    Win32AnsiCodePage codePage;
    Win32Registry registry;
    Win32Shell shell;

    Platform AsPlatform() { return Platform{files, profiles, ui, process, codePage, registry, shell}; }
};

}  // namespace velmora::win32
