#include "launcher/TcDiscovery.h"

#include <algorithm>

#include "common/Paths.h"
#include "common/StringOps.h"

namespace velmora {

std::optional<std::wstring> FindTCDirectory(Platform& platform, const std::wstring& start,
                                            const std::vector<std::wstring>& executables) {
    auto names = platform.files.ListSubdirectories(start);
    if (!names) return std::nullopt;
    std::sort(names->begin(), names->end(), LessIgnoringCase);

    const std::wstring prefix = PathWithSeparator(start);
    for (const std::wstring& name : *names) {
        const std::wstring candidate = PathWithSeparator(prefix + name);
        const bool holdsTotalCommander =
            std::any_of(executables.begin(), executables.end(),
                        [&](const std::wstring& exe) { return platform.files.FileExists(candidate + exe); });
        if (holdsTotalCommander) return candidate.substr(0, candidate.size() - 1);
    }
    return std::wstring();
}

}  // namespace velmora
