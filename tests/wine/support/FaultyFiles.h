// The real file system where the Nth read, write, flush, move or removal fails: cleanly,
// after half its work (half the bytes, or a replacing move's destination removed), or as a
// pulled stick. Queries pass through.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora::wine {

enum class Fault { None, Clean, Half, Pulled };

// Thrown where the stick is pulled; the test catches it as the end of the run.
struct StickPulled {};

class FaultyFiles final : public FileSystem {
public:
    using Path = const std::wstring&;
    FaultyFiles(FileSystem& real, std::size_t failAt = 0, Fault fault = Fault::None)
        : real_(real), failAt_(failAt), fault_(fault) {}

    std::vector<bool> operations;  // those counted so far; true for those that can be cut halfway

    std::optional<std::string> ReadFileBytes(Path path) override {
        if (!Change([] { return true; }, nullptr)) return std::nullopt;
        return real_.ReadFileBytes(path);
    }
    bool WriteFileBytes(Path path, std::string_view bytes) override {
        return Change([&] { return real_.WriteFileBytes(path, bytes); },
                      [&] { real_.WriteFileBytes(path, HalfOf(bytes)); });
    }
    bool FlushFile(Path path) override {
        return Change([&] { return real_.FlushFile(path); }, nullptr);
    }
    bool MoveNewFile(Path from, Path to) override {
        return Change([&] { return real_.MoveNewFile(from, to); }, nullptr);
    }
    bool MoveReplacing(Path replacement, Path destination) override {
        return Change([&] { return real_.MoveReplacing(replacement, destination); },
                      [&] { real_.RemoveFile(destination); });
    }
    bool RemoveFile(Path path) override {
        return Change([&] { return real_.RemoveFile(path); }, nullptr);
    }

    using Names = std::optional<std::vector<std::wstring>>;
    bool FileExists(Path path) override { return real_.FileExists(path); }
    std::optional<std::uint32_t> EntryAttributes(Path path) override { return real_.EntryAttributes(path); }
    Names ListSubdirectories(Path directory) override { return real_.ListSubdirectories(directory); }
    bool DirectoryExists(Path path) override { return real_.DirectoryExists(path); }
    Names ListFiles(Path directory, Path pattern) override { return real_.ListFiles(directory, pattern); }
    std::vector<DriveInfo> ListDrives() override { return real_.ListDrives(); }
    std::optional<std::wstring> DriveCurrentDirectory(wchar_t d) override {
        return real_.DriveCurrentDirectory(d);
    }
    std::wstring CurrentDirectory() override { return real_.CurrentDirectory(); }
    bool ChangeDirectory(Path path) override { return real_.ChangeDirectory(path); }
    bool ChangeDrive(wchar_t letter) override { return real_.ChangeDrive(letter); }
    std::vector<DirectoryEntry> FindEntries(Path pattern) override { return real_.FindEntries(pattern); }
    bool AppendFileBytes(Path path, std::string_view bytes) override {
        return real_.AppendFileBytes(path, bytes);
    }
    std::optional<LocalDateTime> CreationTime(Path path) override { return real_.CreationTime(path); }
    std::optional<std::wstring> ShortPathName(Path path) override { return real_.ShortPathName(path); }
    std::optional<std::wstring> LongPathName(Path path) override { return real_.LongPathName(path); }

private:
    static std::string HalfOf(std::string_view bytes) {
        return std::string(bytes.substr(0, bytes.size() / 2));
    }

    // Counts the operation and acts out the fault when its turn has come.
    bool Change(const std::function<bool()>& whole, const std::function<void()>& half) {
        operations.push_back(half != nullptr);
        const Fault fault = operations.size() == failAt_ ? fault_ : Fault::None;
        if (fault == Fault::None) return whole();
        if (fault != Fault::Clean && half) half();
        if (fault == Fault::Pulled) throw StickPulled{};
        return false;
    }

    FileSystem& real_;
    std::size_t failAt_;
    Fault fault_;
};

}  // namespace velmora::wine
