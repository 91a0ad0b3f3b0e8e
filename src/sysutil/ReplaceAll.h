// Exact-case text replacement used by the folder lookups.
#pragma once

#include <string>

namespace velmora {

// Every occurrence of `findstring` in `SearchString` replaced by `replacestring`, letter
// case compared exactly. The search resumes one character past each inserted text, so an
// occurrence right behind a replacement stays (a -> b in aaaa gives baba) and inserted
// text is never searched again. An empty `findstring` changes nothing.
std::wstring replaceall(std::wstring SearchString, const std::wstring& findstring,
                        const std::wstring& replacestring);

}  // namespace velmora
