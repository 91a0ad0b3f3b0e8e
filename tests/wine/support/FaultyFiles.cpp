#include "support/FaultyFiles.h"

namespace velmora::wine {
namespace {

std::string_view FirstHalf(std::string_view bytes) {
    return bytes.substr(0, bytes.size() / 2);
}

}  // namespace

Fault FaultyFiles::Next(const char* name) {
    operations_.push_back(name);
    if (static_cast<int>(operations_.size()) != failAt_) return Fault::None;
    return fault_;
}

std::optional<std::string> FaultyFiles::ReadFileBytes(const std::wstring& path) {
    const Fault fault = Next("ReadFileBytes");
    if (fault == Fault::Pulled) throw StickPulled{};
    if (fault != Fault::None) return std::nullopt;
    return real_.ReadFileBytes(path);
}

bool FaultyFiles::WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    const Fault fault = Next("WriteFileBytes");
    if (fault == Fault::None) return real_.WriteFileBytes(path, bytes);
    if (fault != Fault::Clean) real_.WriteFileBytes(path, FirstHalf(bytes));
    if (fault == Fault::Pulled) throw StickPulled{};
    return false;
}

bool FaultyFiles::AppendFileBytes(const std::wstring& path, std::string_view bytes) {
    const Fault fault = Next("AppendFileBytes");
    if (fault == Fault::None) return real_.AppendFileBytes(path, bytes);
    if (fault != Fault::Clean) real_.AppendFileBytes(path, FirstHalf(bytes));
    if (fault == Fault::Pulled) throw StickPulled{};
    return false;
}

bool FaultyFiles::CopyNewFile(const std::wstring& source, const std::wstring& destination) {
    const Fault fault = Next("CopyNewFile");
    if (fault == Fault::None) return real_.CopyNewFile(source, destination);
    const auto bytes = real_.ReadFileBytes(source);
    if (fault != Fault::Clean && bytes && !real_.FileExists(destination)) {
        real_.WriteFileBytes(destination, FirstHalf(*bytes));
    }
    if (fault == Fault::Pulled) throw StickPulled{};
    return false;
}

bool FaultyFiles::RemoveFile(const std::wstring& path) {
    const Fault fault = Next("RemoveFile");
    if (fault == Fault::Pulled) throw StickPulled{};
    return fault == Fault::None && real_.RemoveFile(path);
}

bool FaultyFiles::MoveReplacing(const std::wstring& replacement, const std::wstring& destination) {
    const Fault fault = Next("MoveReplacing");
    if (fault == Fault::None) return real_.MoveReplacing(replacement, destination);
    // Pulled after the old file was removed and before the new one got its name.
    if (fault == Fault::Pulled) {
        real_.RemoveFile(destination);
        throw StickPulled{};
    }
    return false;
}

bool FaultyFiles::MoveNewFile(const std::wstring& source, const std::wstring& destination) {
    const Fault fault = Next("MoveNewFile");
    if (fault == Fault::Pulled) throw StickPulled{};
    return fault == Fault::None && real_.MoveNewFile(source, destination);
}

}  // namespace velmora::wine
