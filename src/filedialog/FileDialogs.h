// The program's own file selection dialog, as the imports see it.
#pragma once

#include <string>

namespace velmora {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path, or "" when nothing was chosen.
    virtual std::wstring FileOpenDialog(const std::wstring& DefaultPath, const std::wstring& WindowCaption,
                                        const std::wstring& DefaultFilename) = 0;
};

}  // namespace velmora
