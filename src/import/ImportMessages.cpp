#include "import/ImportMessages.h"

namespace velmora::import_messages {
namespace {

constexpr wchar_t kCr[] = L"\r";  // a line break inside a message box
constexpr wchar_t kUnchanged[] = L"Important: original file will not be changed!!";

Message Question(std::wstring title, std::wstring text) {
    return {std::move(title), std::move(text), MessageButtons::YesNo, MessageIcon::Question};
}

Message Information(std::wstring title, std::wstring text) {
    return {std::move(title), std::move(text), MessageButtons::Ok, MessageIcon::Information};
}

}  // namespace

Message SameFile(const std::wstring& sourceFile) {
    return {L"Error: same file selected!",
            std::wstring(L"Source & Destination Files are the same:") + kCr + kCr + sourceFile,
            MessageButtons::Ok, MessageIcon::Critical};
}

Message ImportFromCurrentDirectory(const std::wstring& sourceName, const std::wstring& destinationName) {
    return Question(L"First Start: Import file?", L"Import from current directory: '" + sourceName + L"'" +
                                                      kCr + kCr + L"to: '" + destinationName + L"'" + kCr +
                                                      kCr + kCr + kUnchanged);
}

Message ImportFromWindowsDirectory(const std::wstring& candidate) {
    return Question(
        L"First Start: Import from Windows directory?",
        std::wstring(L"Import from Windows directory?") + kCr + kCr + candidate + kCr + kCr + kUnchanged);
}

Message BrowseForFile(const std::wstring& sourceName, const std::wstring& destinationFile) {
    return Question(L"First Start: Browse for File?",
                    L"Browse for " + sourceName + L" File now?" + kCr + kCr + L"Target: " + destinationFile);
}

Message MainImportFailed() {
    return Information(L"Import failed", L"Import canceled!");
}

Message ImportCancelled() {
    return Information(L"Cancled", L"Import cancled!");
}

std::wstring BrowseCaption(const std::wstring& sourceName) {
    return L"Please import - File select (eg.:" + sourceName + L"'";
}

}  // namespace velmora::import_messages
