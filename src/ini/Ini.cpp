#include "ini/Ini.h"

#include "common/Paths.h"
#include "common/StringOps.h"
#include "common/WorkingFile.h"

namespace velmora {

std::wstring ReadIniValue(Platform& platform, const std::wstring& section, const std::wstring& key,
                          const std::wstring& fileName, const std::wstring& defaultValue,
                          bool createIfMissing) {
    if (!platform.files.FileExists(fileName)) {
        if (createIfMissing) CreateEmptyFile(platform, fileName);
        return defaultValue;
    }
    const std::wstring file = ResolveIniFilePath(platform, fileName);
    std::wstring value = TrimBlanks(platform.profiles.ReadValue(section, key, file));
    return value.empty() ? defaultValue : value;
}

bool WriteIniValue(Platform& platform, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value, const std::wstring& fileName, bool createIfMissing) {
    if (!platform.files.FileExists(fileName)) {
        if (!createIfMissing) return false;
        CreateEmptyFile(platform, fileName);
    }
    const std::wstring file = ResolveIniFilePath(platform, fileName);
    // The key is written into a complete copy that is flushed and then takes the file's
    // place, so that a write cut short leaves the settings file as it was.
    const auto content = platform.files.ReadFileBytes(file);
    if (!content) return false;
    return ReplaceThroughWorkingFile(platform, file, [&](const std::wstring& working) {
        return platform.files.WriteFileBytes(working, *content) &&
               platform.profiles.WriteValue(section, key, value, working);
    });
}

std::wstring ResolveIniFilePath(Platform& platform, const std::wstring& fileName) {
    if (fileName.find(L':') != std::wstring::npos) return fileName;
    const std::wstring absolute = EndingInBackslash(platform.files.CurrentDirectory()) + fileName;
    return platform.files.FileExists(absolute) ? absolute : fileName;
}

void CreateEmptyFile(Platform& platform, const std::wstring& fileName) {
    // A new empty file; whatever already stands at the name (a hidden file that counts as
    // missing, say) is left as it is.
    platform.files.WriteFileBytes(fileName, {});
}

}  // namespace velmora
