// File helpers for building the fake stick and reading what the launcher wrote.
// Failures throw std::runtime_error naming the path, so a broken test set-up stops
// the test with a clear message instead of going on with a half-built stick.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::e2e {

// The bytes on disk, or nothing when the file cannot be read.
std::optional<std::string> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, std::string_view bytes);

// True for an existing normal file (not a directory).
bool FileExists(const std::wstring& path);
bool DirectoryExists(const std::wstring& path);

// Creates the directory and every missing parent.
void MakeDirectories(const std::wstring& path);
// Deletes everything inside `directory`, except the entry named `keep` in it.
void RemoveContents(const std::wstring& directory, const std::wstring& keep = {});
void RemoveFile(const std::wstring& path);
void CopyFileTo(const std::wstring& source, const std::wstring& destination);

// "" when the variable is not set.
std::wstring Environment(const std::wstring& name);
void SetEnvironment(const std::wstring& name, const std::wstring& value);

// The part before the last backslash, without it.
std::wstring ParentDirectory(const std::wstring& path);
// The part after the last backslash.
std::wstring FileName(const std::wstring& path);
// This test program's own directory.
std::wstring OwnDirectory();
// A fresh, empty scratch directory of this run, outside the stick.
std::wstring ScratchDirectory(const std::wstring& name);

}  // namespace velmora::e2e
