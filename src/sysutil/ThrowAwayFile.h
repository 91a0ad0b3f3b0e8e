// A small file the program writes only to ask Windows something about it (which program
// opens its type), and deletes again right after.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace velmora {

// Names tried for one throw-away file: the fixed name first, then others of the same
// form: `stem`, a number from 2 on (zero-padded to `digits`), and `suffix`, which keeps
// the extension that the question is about. Attempt 0 gives `firstName`.
struct ThrowAwayNames {
    std::wstring directory;  // with its trailing separator
    std::wstring firstName;
    std::wstring stem;
    std::wstring suffix;
    std::size_t digits = 0;

    std::wstring Candidate(int attempt) const;
};

// Writes the content under the first free candidate name and deletes that file again
// when it goes out of scope. A name that is taken in any way (a file, a hidden file, a
// directory) is never written to, so nothing of the user's is replaced or deleted.
class ThrowAwayFile {
public:
    ThrowAwayFile(FileSystem& files, const ThrowAwayNames& names, std::string_view content);
    ~ThrowAwayFile();
    ThrowAwayFile(const ThrowAwayFile&) = delete;
    ThrowAwayFile& operator=(const ThrowAwayFile&) = delete;

    // The file's full path, or "" when no file could be written (a read-only medium).
    const std::wstring& Path() const { return path_; }

private:
    FileSystem& files_;
    std::wstring path_;
};

// The root directory of the drive the program was started from ("E:\"). A program on a
// network share gets "\:\", under which nothing can be written.
std::wstring ProgramDriveRoot(ProcessEnvironment& process);

}  // namespace velmora
