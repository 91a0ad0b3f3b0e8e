// A simulated Windows machine for native tests: drives and shares holding files with
// attributes, a current directory per drive, INI files, message boxes answered from a
// script, started programs recorded, and failures injected into any numbered operation.
//
// A new machine has drive C: with the directory C:\Windows, and C:\ is current.
// The test helpers (AddFile, FileBytes, Snapshot, ...) are not numbered or logged and
// throw std::invalid_argument for paths that cannot be placed; the interface methods
// never throw and answer as Windows would.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/Latin1CodePage.h"
#include "platform/sim/SimDisk.h"
#include "platform/sim/SimFaults.h"
#include "platform/sim/SimPath.h"
#include "platform/sim/SimProcess.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimUserInterface.h"

namespace velmora::sim {

class SimMachine : public FileSystem,
                   public ProfileStore,
                   public SimUserInterface,
                   public SimProcess,
                   public Latin1CodePage,
                   public SimRegistry,
                   public Shell {
public:
    SimMachine();
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    Platform AsPlatform() { return Platform{*this, *this, *this, *this, *this, *this, *this}; }

    // Volumes.
    void AddDrive(wchar_t letter);
    void AddShare(const std::wstring& root);  // "\\server\share"
    // A medium that cannot be written: every write, creation, removal and move fails.
    void SetWriteProtected(wchar_t letter, bool writeProtected);
    void SetWriteProtected(const std::wstring& volume, bool writeProtected);

    // The tree, for arranging a scenario and checking its outcome.
    void AddDirectory(const std::wstring& path, FileAttributes attributes = {});  // parents too
    void AddFile(const std::wstring& path, std::string_view bytes, FileAttributes attributes = {});
    std::optional<std::string> FileBytes(const std::wstring& path) const;  // files only
    std::optional<FileAttributes> Attributes(const std::wstring& path) const;
    void SetAttributes(const std::wstring& path, FileAttributes attributes);
    void SetReadOnly(const std::wstring& path, bool readOnly);
    bool Exists(const std::wstring& path) const;  // file or directory, whatever its attributes
    bool IsDirectory(const std::wstring& path) const;
    std::vector<std::wstring> FilesIn(const std::wstring& directory) const;  // names, sorted
    SimSnapshot Snapshot() const;

    // Drives as a drive list shows them.
    void SetVolumeLabel(wchar_t letter, std::wstring label);
    // A drive without a readable medium: it is listed, but nothing on it can be reached.
    void SetDriveUnreadable(wchar_t letter, bool unreadable);

    // When a file was created; a file the test gave no time has kDefaultCreationTime.
    static constexpr LocalDateTime kDefaultCreationTime{2001, 2, 3, 4, 5, 6};
    void SetCreationTime(const std::wstring& path, LocalDateTime time);

    // The program Windows associates with files of an extension (".html").
    void SetAssociation(const std::wstring& extension, std::wstring program);
    struct CreatedShortcut {
        std::wstring linkFile, target, arguments;
    };
    // The shortcuts written that are still there, by the name they have now (one written
    // under a working name and then moved is listed by its final name).
    std::vector<CreatedShortcut> CreatedShortcuts() const;

    // Where a bare INI file name is looked for.
    void SetWindowsDirectory(std::wstring directory) { windowsDirectory_ = std::move(directory); }
    const std::wstring& WindowsDirectory() const { return windowsDirectory_; }

    // Failure injection and diagnostics.
    void FailOperation(std::uint64_t number, InjectedFailure how = InjectedFailure::Clean);
    // Every operation naming exactly this path fails, as for a file the user may not open.
    // FileExists still sees it: a directory listing shows such a file.
    void FailPath(const std::wstring& path);
    std::uint64_t OperationCount() const { return faults_.OperationCount(); }
    const std::vector<SimOperation>& OperationLog() const { return faults_.Log(); }
    std::wstring DescribeOperationLog() const { return faults_.DescribeLog(); }

    // FileSystem
    bool FileExists(const std::wstring& path) override;
    std::optional<std::string> ReadFileBytes(const std::wstring& path) override;
    bool WriteFileBytes(const std::wstring& path, std::string_view bytes) override;
    bool CopyNewFile(const std::wstring& source, const std::wstring& destination) override;
    bool RemoveFile(const std::wstring& path) override;
    bool MoveReplacing(const std::wstring& replacement, const std::wstring& destination) override;
    std::optional<std::vector<std::wstring>> ListSubdirectories(const std::wstring& directory) override;
    bool DirectoryExists(const std::wstring& path) override;
    std::optional<std::vector<std::wstring>> ListFiles(const std::wstring& directory,
                                                       const std::wstring& pattern) override;
    std::vector<DriveInfo> ListDrives() override;
    std::optional<std::wstring> DriveCurrentDirectory(wchar_t letter) override;
    std::wstring CurrentDirectory() override;
    bool ChangeDirectory(const std::wstring& path) override;
    bool ChangeDrive(wchar_t letter) override;
    // SimMachineUtilities.cpp. A search lists "." and ".." first in any directory but a
    // root; the attributes are read-only 1, hidden 2, system 4, directory 16, archive 32.
    std::vector<DirectoryEntry> FindEntries(const std::wstring& pattern) override;
    bool AppendFileBytes(const std::wstring& path, std::string_view bytes) override;
    std::optional<LocalDateTime> CreationTime(const std::wstring& path) override;
    bool MoveNewFile(const std::wstring& source, const std::wstring& destination) override;
    // Short names as SimShortNames.h forms them; either form of each part is understood.
    std::optional<std::wstring> ShortPathName(const std::wstring& path) override;
    std::optional<std::wstring> LongPathName(const std::wstring& path) override;

    // Shell: a shortcut is written as a small text file ("target\narguments") so that a
    // test can read it back; CreatedShortcuts() lists them as well.
    bool CreateShortcut(const std::wstring& linkFile, const std::wstring& target,
                        const std::wstring& arguments) override;
    std::wstring ProgramAssociatedWith(const std::wstring& file) override;

    // ProfileStore
    std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& file) override;
    bool WriteProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                            const std::wstring& file) override;

private:
    // Resolution for the interface methods: nothing when the path is malformed, on no
    // volume, or made to fail by FailPath.
    std::optional<SimPath> Usable(const std::wstring& path) const;
    // Resolution for the helpers: throws when the path cannot be placed.
    SimPath Placed(const std::wstring& path) const;
    std::optional<SimPath> ProfilePath(const std::wstring& file) const;
    // Whether a file may be created or replaced at the path (not its content rules).
    bool CanWriteFileAt(const SimPath& path) const;
    bool WriteWithFailure(const SimPath& path, std::string bytes, std::optional<InjectedFailure> failure);

    bool Unreadable(const SimPath& path) const;
    // The entries along an existing path whose parts may be long or short names; nothing
    // when a part names nothing. Empty for a volume root.
    std::optional<std::vector<const SimNode*>> WalkEitherForm(const SimPath& path) const;
    std::optional<std::wstring> PathForm(SimOperationKind kind, const std::wstring& path, bool shortForm);

    SimDisk disk_;
    std::map<wchar_t, std::wstring> labels_;
    std::set<wchar_t> unreadableDrives_;
    std::map<std::wstring, std::wstring> associations_;  // folded extension -> program
    std::vector<CreatedShortcut> shortcuts_;
    std::map<std::wstring, LocalDateTime> creationTimes_;  // by path key
    SimWorkingDirectories directories_;
    SimFaults faults_;
    std::wstring windowsDirectory_ = L"C:\\Windows";
};

}  // namespace velmora::sim
