// The rewrite rule for a settings line: every occurrence of the search string is
// replaced, except one that starts right after a replacement (the search resumes one
// character past the inserted text). Works on wide strings (paths) and on the ANSI
// bytes of a settings file alike.
#pragma once

#include <string>

#include "common/StringOps.h"

namespace velmora {

// Without `MatchCase` the comparison ignores case and the caller's `search` is left in
// upper case. An empty search string leaves the text as it is. Linear in the text's length
// for a given search string: each occurrence is found in one pass over an upper-case copy.
template <typename Str>
Str ReplaceAllText(const Str& text, Str& search, const Str& replacement, bool MatchCase) {
    if (!MatchCase)
        search = UpperAscii(search);
    if (search.empty())
        return text;

    const Str upperText = MatchCase ? Str() : UpperAscii(text);
    const Str& comparison = MatchCase ? text : upperText;
    auto found = comparison.find(search);
    if (found == Str::npos)
        return text;

    Str result;
    result.reserve(text.size() + replacement.size());
    typename Str::size_type copied = 0;
    while (found != Str::npos) {
        result.append(text, copied, found - copied);
        result += replacement;
        copied = found + search.size();
        // The character right after the replaced occurrence is passed over as well.
        found = comparison.find(search, copied + 1);
    }
    result.append(text, copied);
    return result;
}

}  // namespace velmora
