// The message boxes of the imports, with their texts exactly as the user sees them.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora::import_messages {

Message SameFile(const std::wstring& sourceFile);
Message ImportFromCurrentDirectory(const std::wstring& sourceName, const std::wstring& destinationName);
Message ImportFromWindowsDirectory(const std::wstring& candidate);
Message BrowseForFile(const std::wstring& sourceName, const std::wstring& destinationFile);
Message MainImportFailed();
Message ImportCancelled();
std::wstring BrowseCaption(const std::wstring& sourceName);
inline constexpr wchar_t kButtonBarCaption[] = L"Please import - ButtonBar File  (eg.: Default.bar) ";

}  // namespace velmora::import_messages
