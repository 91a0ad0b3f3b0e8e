#include "sysutil/FileAssociations.h"

#include "common/Paths.h"
#include "common/StringOps.h"
#include "sysutil/ThrowAwayFile.h"

namespace velmora {
namespace {

// Throw-away file contents: one line of one or two spaces, so that no lookup ever sees
// an empty file.
constexpr std::string_view kOneSpaceLine = " \r\n";
constexpr std::string_view kTwoSpacesLine = "  \r\n";

struct SplitName {
    std::wstring directory;  // up to and including the last separator
    std::wstring filePart;
};

// A name without any separator is looked for in the root of the current drive.
SplitName SplitAtLastSeparator(const std::wstring& name) {
    const wchar_t separator = name.find(L'/') != std::wstring::npos ? L'/' : L'\\';
    const auto last = name.rfind(separator);
    if (last == std::wstring::npos) return {std::wstring(1, separator), name};
    return {name.substr(0, last + 1), name.substr(last + 1)};
}

// What the fallback asks about: ".html" for "page.html"; a short or dot-less file part
// is taken whole ("txt"), as the user may have passed a bare extension.
std::wstring ExtensionForFallback(const std::wstring& filePart) {
    const auto dot = filePart.rfind(L'.');
    if (filePart.size() > 3 && dot != std::wstring::npos) return filePart.substr(dot);
    return TrimBlanks(filePart);
}

std::wstring LookUpThroughThrowAwayFile(Platform& platform, const ThrowAwayNames& names,
                                        std::string_view content) {
    const ThrowAwayFile file(platform.files, names, content);
    return file.Path().empty() ? std::wstring() : FindExecutablePath(platform, file.Path());
}

// An empty stand-in for a missing file, made only where nothing stands at the name (no
// file of any kind, no directory), and deleted when the lookup is over.
class Placeholder {
public:
    Placeholder(FileSystem& files, const std::wstring& name) : files_(files), name_(name) {
        if (!files.EntryAttributes(name)) created_ = files.WriteFileBytes(name, "");
    }
    ~Placeholder() {
        if (created_) static_cast<void>(files_.RemoveFile(name_));  // one that stays harms nothing
    }
    Placeholder(const Placeholder&) = delete;
    Placeholder& operator=(const Placeholder&) = delete;

private:
    FileSystem& files_;
    std::wstring name_;
    bool created_ = false;
};

}  // namespace

Message InvalidCharactersQuestion(const std::wstring& programTitle, const std::wstring& filePart) {
    return {programTitle, filePart + L"Enthält ungültige Zeichen Abbrechen?", MessageButtons::YesNo,
            MessageIcon::None};
}

std::wstring FindExecutablePath(Platform& platform, const std::wstring& fileName) {
    std::wstring program = platform.shell.ProgramAssociatedWith(fileName);
    const auto end = program.find(L'\0');
    if (end != std::wstring::npos) program.resize(end);
    return program;
}

std::wstring GetAssociatedProgram(Platform& platform, const std::wstring& fileName) {
    const Placeholder placeholder(platform.files, fileName);
    SplitName name = SplitAtLastSeparator(fileName);
    if (!name.filePart.empty() && name.filePart.front() == L'*') name.filePart.erase(0, 1);
    if (name.filePart.find(L'*') != std::wstring::npos) {
        const Message question = InvalidCharactersQuestion(platform.process.ProgramName(), name.filePart);
        if (platform.ui.ShowMessage(question) == MessageAnswer::Yes) return {};
    }

    const std::wstring root = ProgramDriveRoot(platform.process);
    std::wstring program;
    const std::wstring existing = name.directory + name.filePart;
    if (platform.files.FileExists(existing)) {
        program = FindExecutablePath(platform, existing);
    } else {
        const ThrowAwayNames names{root, L"zzzzzzzTemp_" + name.filePart, L"zzzzzzzTemp",
                                   L"_" + name.filePart};
        program = LookUpThroughThrowAwayFile(platform, names, kTwoSpacesLine);
    }
    if (program.empty()) {
        const std::wstring extension = ExtensionForFallback(name.filePart);
        const ThrowAwayNames names{root, L"RunFileTmp" + extension, L"RunFileTmp", extension};
        program = LookUpThroughThrowAwayFile(platform, names, kOneSpaceLine);
    }
    return program;
}

void OpenWebPage(Platform& platform, const std::wstring& address) {
    std::wstring browser;
    {
        const ThrowAwayNames names{ProgramDriveRoot(platform.process), L"Kavo00001.html", L"Kavo", L".html",
                                   5};
        const ThrowAwayFile page(platform.files, names, kOneSpaceLine);
        if (!page.Path().empty()) browser = GetAssociatedProgram(platform, page.Path());
    }
    // Without a browser the command would start with a blank and name no program at all.
    if (browser.empty()) return;
    // Quoted, so that "C:\Program Files\..." cannot start C:\Program.exe instead.
    platform.process.StartProgram(QuotePath(browser) + L" " + address);
}

}  // namespace velmora
