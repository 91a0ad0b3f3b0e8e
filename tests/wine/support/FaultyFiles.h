// The real file system, where the Nth read, write, append, flush, move or removal fails: cleanly,
// after half its work (half the bytes, or a replacing move's destination removed), as a
// pulled stick, or by the exception of memory running out. Queries pass through.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win32/Win32Platform.h"

namespace velmora::wine {

enum class Fault { None, Clean, Half, Pulled, OutOfMemory };

// Thrown where the stick is pulled; the test catches it as the end of the run.
struct StickPulled {};

class FaultyFiles final : public win32::Win32FileSystem {
public:
    using Path = const std::wstring&;
    using Real = win32::Win32FileSystem;
    explicit FaultyFiles(std::size_t failAt = 0, Fault fault = Fault::None)
        : failAt_(failAt), fault_(fault) {}

    std::vector<bool> operations;  // those counted so far; true for those that can be cut halfway

    std::optional<std::string> ReadFileBytes(Path path) override {
        if (!Change([] { return true; }, nullptr)) return std::nullopt;
        return Real::ReadFileBytes(path);
    }
    std::unique_ptr<FileView> ViewFile(Path path) override {
        if (!Change([] { return true; }, nullptr)) return nullptr;
        return Real::ViewFile(path);
    }
    bool WriteFileBytes(Path path, std::string_view bytes) override {
        return Change([&] { return Real::WriteFileBytes(path, bytes); },
                      [&] { Real::WriteFileBytes(path, HalfOf(bytes)); });
    }
    bool AppendFileBytes(Path path, std::string_view bytes) override {
        return Change([&] { return Real::AppendFileBytes(path, bytes); },
                      [&] { static_cast<void>(Real::AppendFileBytes(path, HalfOf(bytes))); });
    }
    bool FlushFile(Path path) override {
        return Change([&] { return Real::FlushFile(path) && flushed.insert(path).first != flushed.end(); },
                      nullptr);
    }
    bool Move(Path from, Path to, MoveKind kind) override {
        ExpectFlushed(from);
        // A replacing move cut halfway has removed the destination (a FAT rename).
        return Change([&] { return Real::Move(from, to, kind); },
                      kind == MoveKind::ToNewName ? std::function<void()>()
                                                  : [&] { static_cast<void>(Real::RemoveFile(to)); });
    }
    bool RemoveFile(Path path) override {
        return Change([&] { return Real::RemoveFile(path); }, nullptr);
    }

private:
    // Only a flushed file may take a file's place: a profile write into it is not flushed.
    void ExpectFlushed(Path from) {
        if (!flushed.contains(from))
            ADD_FAILURE() << "moved without a flush: " << testing::PrintToString(from);
    }

    std::set<std::wstring> flushed;
    static std::string HalfOf(std::string_view bytes) {
        return std::string(bytes.substr(0, bytes.size() / 2));
    }

    // Counts the operation and acts out the fault when its turn has come.
    bool Change(const std::function<bool()>& whole, const std::function<void()>& half) {
        operations.push_back(half != nullptr);
        const Fault fault = operations.size() == failAt_ ? fault_ : Fault::None;
        if (fault == Fault::None) return whole();
        if (fault == Fault::OutOfMemory) throw std::bad_alloc();
        if (fault != Fault::Clean && half) half();
        if (fault == Fault::Pulled) throw StickPulled{};
        return false;
    }

    std::size_t failAt_;
    Fault fault_;
};

}  // namespace velmora::wine
