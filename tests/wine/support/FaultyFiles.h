// The real file system with one planted fault: the Nth operation that reads or changes a
// file fails cleanly, fails after writing half of its bytes, or ends the run as a stick
// pulled at that moment would. Queries (exists, listings, directories) only pass through:
// a stick pulled at a query is the same as one pulled at the next change.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora::wine {

enum class Fault { None, Clean, Half, Pulled };

// Thrown where the stick is pulled; the test catches it as the end of the run.
struct StickPulled {};

class FaultyFiles final : public FileSystem {
public:
    FaultyFiles(FileSystem& real, int failAt = 0, Fault fault = Fault::None)
        : real_(real), failAt_(failAt), fault_(fault) {}

    // The operations seen so far, by name, in order.
    const std::vector<std::string>& Operations() const { return operations_; }

    bool FileExists(const std::wstring& path) override { return real_.FileExists(path); }
    std::optional<std::string> ReadFileBytes(const std::wstring& path) override;
    bool WriteFileBytes(const std::wstring& path, std::string_view bytes) override;
    bool CopyNewFile(const std::wstring& source, const std::wstring& destination) override;
    bool RemoveFile(const std::wstring& path) override;
    bool MoveReplacing(const std::wstring& replacement, const std::wstring& destination) override;
    std::optional<std::vector<std::wstring>> ListSubdirectories(const std::wstring& directory) override {
        return real_.ListSubdirectories(directory);
    }
    bool DirectoryExists(const std::wstring& path) override { return real_.DirectoryExists(path); }
    std::optional<std::vector<std::wstring>> ListFiles(const std::wstring& directory,
                                                       const std::wstring& pattern) override {
        return real_.ListFiles(directory, pattern);
    }
    std::vector<DriveInfo> ListDrives() override { return real_.ListDrives(); }
    std::optional<std::wstring> DriveCurrentDirectory(wchar_t letter) override {
        return real_.DriveCurrentDirectory(letter);
    }
    std::wstring CurrentDirectory() override { return real_.CurrentDirectory(); }
    bool ChangeDirectory(const std::wstring& path) override { return real_.ChangeDirectory(path); }
    bool ChangeDrive(wchar_t letter) override { return real_.ChangeDrive(letter); }
    std::vector<DirectoryEntry> FindEntries(const std::wstring& pattern) override {
        return real_.FindEntries(pattern);
    }
    bool AppendFileBytes(const std::wstring& path, std::string_view bytes) override;
    std::optional<LocalDateTime> CreationTime(const std::wstring& path) override {
        return real_.CreationTime(path);
    }
    bool MoveNewFile(const std::wstring& source, const std::wstring& destination) override;
    std::optional<std::wstring> ShortPathName(const std::wstring& path) override {
        return real_.ShortPathName(path);
    }
    std::optional<std::wstring> LongPathName(const std::wstring& path) override {
        return real_.LongPathName(path);
    }

private:
    // Counts the operation; the fault to act out now, None when this one goes through.
    Fault Next(const char* name);

    FileSystem& real_;
    int failAt_;
    Fault fault_;
    std::vector<std::string> operations_;
};

}  // namespace velmora::wine
