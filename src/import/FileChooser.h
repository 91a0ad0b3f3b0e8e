// How an import asks the user for a file; the program's own file selection dialog
// (filedialog/Files.h) answers.
#pragma once

#include <string>

namespace velmora {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or "" when nothing was chosen.
    virtual std::wstring FileOpenDialog(const std::wstring& DefaultPath, const std::wstring& WindowCaption,
                                        const std::wstring& DefaultFilename) = 0;
};

}  // namespace velmora
