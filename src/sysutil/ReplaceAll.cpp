#include "sysutil/ReplaceAll.h"

#include "common/ReplaceAllText.h"

namespace velmora {

std::wstring replaceall(std::wstring SearchString, const std::wstring& findstring,
                        const std::wstring& replacestring) {
    // The settings rewrite follows the same resume rule; here the case must match.
    std::wstring search = findstring;
    return ReplaceAllText(SearchString, search, replacestring, true);
}

}  // namespace velmora
