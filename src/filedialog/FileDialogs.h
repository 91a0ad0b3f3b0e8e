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

// PLACEHOLDER until the file selection window exists: every request ends with nothing chosen.
class NothingChosenFileDialogs final : public FileDialogs {
public:
    std::wstring FileOpenDialog(const std::wstring&, const std::wstring&, const std::wstring&) override {
        return {};
    }
};

}  // namespace velmora
