// The program's only way into Windows. The core sees these interfaces and nothing else;
// win32/ implements them on the real system; the tests run the core on it under Wine.
//
// Paths are wide strings. A relative path is taken against the current directory of
// the current drive ("E:name" against E:'s own current directory), as Windows does.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PathParts.h"

namespace velmora {

struct DriveInfo {
    wchar_t letter = L'C';
    std::wstring label;  // the volume label, empty when it cannot be read
};

// Windows' attribute bits, as the file system reports them.
namespace file_attributes {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
// What makes an entry no normal file to the program: it is left out of file lists and
// does not count as an existing file.
inline constexpr std::uint32_t kNotNormal = kHidden | kSystem | kDirectory;
}  // namespace file_attributes

// One entry of a directory search, as the file system hands it out.
struct DirectoryEntry {
    std::wstring name;
    std::uint32_t attributes = 0;  // Windows' attribute bits: 1 read-only, 2 hidden, 16 directory, ...
};

// A moment in the local time of the machine, to the second.
struct LocalDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// A file's bytes, mapped for reading while the view lives: a large file is read without
// a copy of it in memory.
class FileView {
public:
    virtual ~FileView() = default;
    virtual std::string_view Bytes() const = 0;
};

// How a file moves into its place.
enum class MoveKind {
    // To a destination that must not exist yet, to another volume as well.
    ToNewName,
    // In the place of `destination` in one step on its volume, so that the destination
    // holds either its old or its new content at every moment.
    Replacing,
    // In the place of an existing file, to another volume as well, in one call: the
    // destination is not removed first, so a move that fails leaves it as it was.
    OverAcrossVolumes,
};

// The file system's primitives; what the program derives from them is written once, below
// them, without a virtual of its own.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content as the bytes on disk, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadFileBytes(const std::wstring& path) = 0;
    // The same, mapped; nothing when it cannot be read. The file cannot be replaced while
    // a view of it lives.
    virtual std::unique_ptr<FileView> ViewFile(const std::wstring& path) = 0;

    // Creates a new file with the bytes, no attributes set, and writes them through to the
    // medium before returning. False when anything already stands at the path, or when any
    // part of that failed.
    [[nodiscard]] virtual bool WriteFileBytes(const std::wstring& path, std::string_view bytes) = 0;
    // Adds the bytes at the end of the file, which is created when missing. False when it
    // could not be opened or written.
    [[nodiscard]] virtual bool AppendFileBytes(const std::wstring& path, std::string_view bytes) = 0;
    // Writes what the system still holds of an existing file through to the medium.
    [[nodiscard]] virtual bool FlushFile(const std::wstring& path) = 0;
    [[nodiscard]] virtual bool RemoveFile(const std::wstring& path) = 0;
    // Moves a file as `kind` says, written through to the medium.
    [[nodiscard]] virtual bool Move(const std::wstring& source, const std::wstring& destination,
                                    MoveKind kind) = 0;

    // Windows' attribute bits of whatever stands at the path, file or directory, hidden and
    // system ones included; nothing when nothing is there. A wildcard matches nothing.
    virtual std::optional<std::uint32_t> EntryAttributes(const std::wstring& path) = 0;
    // When the file (not a directory) was created; nothing when it cannot be read.
    virtual std::optional<LocalDateTime> CreationTime(const std::wstring& path) = 0;
    // The short (8.3) and the long form of an existing path, as GetShortPathNameW and
    // GetLongPathNameW give them, however long; nothing when the call fails.
    virtual std::optional<std::wstring> ShortPathName(const std::wstring& path) = 0;
    virtual std::optional<std::wstring> LongPathName(const std::wstring& path) = 0;

    // Every entry a search for the wildcard path finds ("E:\dir\*.txt"), in the order the
    // file system returns them, "." and ".." included where it returns them. Empty when
    // nothing matches, nothing when the directory cannot be searched.
    virtual std::optional<std::vector<DirectoryEntry>> FindEntries(const std::wstring& pattern) = 0;

    // Every drive letter in use, in alphabetical order.
    virtual std::vector<DriveInfo> ListDrives() = 0;
    // The drive's own current directory (its root when none was set); nothing when the
    // drive cannot be read (no medium, a network drive gone).
    virtual std::optional<std::wstring> DriveCurrentDirectory(wchar_t letter) = 0;
    // The current directory of the current drive, as the system reports it.
    virtual std::wstring CurrentDirectory() = 0;
    // Makes the directory its drive's own current directory; the current drive changes only
    // through ChangeDrive (a path on a share, which has no drive letter, becomes current).
    virtual bool ChangeDirectory(const std::wstring& path) = 0;
    // Makes the drive current, at that drive's own current directory (its root when that
    // has gone).
    virtual bool ChangeDrive(wchar_t letter) = 0;

    // True when the path names an existing normal file. Directories, hidden and system
    // files count as missing; read-only files count as existing.
    bool FileExists(const std::wstring& path) {
        const auto attributes = EntryAttributes(path);
        return attributes && (*attributes & file_attributes::kNotNormal) == 0;
    }
    // True when the path names an existing directory (hidden ones included).
    bool DirectoryExists(const std::wstring& path) {
        const auto attributes = EntryAttributes(path);
        return attributes && (*attributes & file_attributes::kDirectory) != 0;
    }
    // Names of the immediate subdirectories, in no particular order; nothing when the
    // directory cannot be listed.
    std::optional<std::vector<std::wstring>> ListSubdirectories(const std::wstring& directory) {
        return NamesFound(directory, L"*", [](const DirectoryEntry& entry) {
            return (entry.attributes & file_attributes::kDirectory) != 0 && entry.name != L"." &&
                   entry.name != L"..";
        });
    }
    // Names of the files in the directory that match a wildcard pattern ("*.bar", "*.*"),
    // hidden and system files left out; nothing when the directory cannot be read.
    std::optional<std::vector<std::wstring>> ListFiles(const std::wstring& directory,
                                                       const std::wstring& pattern) {
        return NamesFound(directory, pattern, [](const DirectoryEntry& entry) {
            return (entry.attributes & file_attributes::kNotNormal) == 0;
        });
    }

private:
    template <typename Keep>
    std::optional<std::vector<std::wstring>> NamesFound(const std::wstring& directory,
                                                        const std::wstring& pattern, Keep keep) {
        const auto entries = FindEntries(JoinPath(directory, pattern));
        if (!entries) return std::nullopt;
        std::vector<std::wstring> names;
        for (const DirectoryEntry& entry : *entries) {
            if (keep(entry)) names.push_back(entry.name);
        }
        return names;
    }
};

// Windows' private-profile functions (INI files).
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The whole value, trimmed as Windows trims it; empty when the file, section or key is missing.
    virtual std::wstring ReadValue(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& file) = 0;
    virtual bool WriteValue(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                            const std::wstring& file) = 0;
};

// The registry, read only.
class Registry {
public:
    virtual ~Registry() = default;
    // The string (REG_SZ, or REG_EXPAND_SZ left unexpanded) stored as `valueName` ("" for
    // the key's default value) of `keyPath` under a predefined root key (0x80000000 for
    // HKEY_CLASSES_ROOT, ...); nothing when the key or value is missing or not a string.
    virtual std::optional<std::wstring> ReadRegistryString(std::uint32_t rootKey, const std::wstring& keyPath,
                                                           const std::wstring& valueName) = 0;
};

// The Windows shell: shortcuts and file associations.
class Shell {
public:
    virtual ~Shell() = default;
    // Writes the shortcut file `linkFile` (a .lnk) that starts `target` with `arguments`.
    virtual bool CreateShortcut(const std::wstring& linkFile, const std::wstring& target,
                                const std::wstring& arguments) = 0;
    // The program Windows associates with an existing file, or "" when there is none.
    virtual std::wstring ProgramAssociatedWith(const std::wstring& file) = 0;
};

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Question, Critical };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    std::wstring title;
    std::wstring text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Modal message box; the answer given (closing a Yes/No box counts as No).
    virtual MessageAnswer ShowMessage(const Message& message) = 0;
    virtual void SystemBeep() = 0;
    // Lets the window system handle the messages waiting in the queue.
    virtual void ProcessPendingMessages() = 0;
};

class ProcessEnvironment {
public:
    virtual ~ProcessEnvironment() = default;
    // The whole command line, the program's own path first, as the system hands it over.
    virtual std::wstring CommandLine() = 0;
    // The executable's directory: no trailing separator, except at a drive root (E:\).
    virtual std::wstring ProgramDirectory() = 0;
    // The executable's file name without its extension.
    virtual std::wstring ProgramName() = 0;
    // Show states of a started program's window, numbered as ShowWindow numbers them.
    static constexpr int kShowHidden = 0;
    static constexpr int kShowNormal = 1;

    // Starts the command line as a new process whose window is shown as `showState`, in
    // the current directory; does not wait for it. The new process's id, or nothing when
    // it could not be started.
    virtual std::optional<std::uint32_t> StartProgram(const std::wstring& commandLine, int showState) = 0;
    // The same with a normal, focused window. False when it could not be started.
    bool StartProgram(const std::wstring& commandLine) {
        return StartProgram(commandLine, kShowNormal).has_value();
    }
    // The file-system path of a shell folder (a CSIDL number, kDesktopFolder for one), or
    // empty.
    static constexpr int kDesktopFolder = 0;  // CSIDL_DESKTOP
    virtual std::wstring SpecialFolderPath(int csidl) = 0;
    // The value of an environment variable, "" when it is not set.
    virtual std::wstring EnvironmentVariable(const std::wstring& name) = 0;
};

// Upper case in the ANSI code page, byte by byte.
struct AnsiCase {
    std::array<unsigned char, 256> upper{};  // each single-byte character's upper case, or itself
    std::array<bool, 256> leadsPair{};       // bytes that begin a double-byte character
};

// Conversion of the program's wide strings to the ANSI code page of file contents, and
// upper case as the system has it.
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // Nothing when a character has no ANSI form (such text cannot occur in an ANSI file).
    virtual std::optional<std::string> Encode(const std::wstring& text) = 0;
    // The code page's upper case, independent of the user's language.
    virtual AnsiCase Case() = 0;
    // Windows' upper-case mapping of UTF-16 text, unit for unit, independent of the user's
    // language.
    virtual void UpperUtf16(std::u16string& text) = 0;
};

// Everything the core needs, handed around by reference.
struct Platform {
    FileSystem& files;
    ProfileStore& profiles;
    UserInterface& ui;
    ProcessEnvironment& process;
    AnsiCodePage& codePage;
    Registry& registry;
    Shell& shell;
};

}  // namespace velmora
