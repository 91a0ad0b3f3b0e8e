// The rewrite rule for a settings line: every occurrence of the search string is
// replaced, except one that starts right after a replacement (the search resumes one
// character past the inserted text). Works on wide strings (paths) and on the ANSI
// bytes of a settings file alike.
#pragma once

#include <string>
#include <string_view>

#include "common/StringOps.h"

namespace velmora {

// Appends `text` with the rule applied to `out`. `comparison` is the text as compared
// (its upper-case copy, or the text itself when case matters) and `search` is compared
// with it as it is. One pass over the text; an empty search string changes nothing.
template <typename Char>
void AppendReplaced(std::basic_string<Char>& out, std::basic_string_view<Char> text,
                    std::basic_string_view<Char> comparison, std::basic_string_view<Char> search,
                    std::basic_string_view<Char> replacement) {
    using View = std::basic_string_view<Char>;
    auto found = search.empty() ? View::npos : comparison.find(search);
    typename View::size_type copied = 0;
    while (found != View::npos) {
        out.append(text.substr(copied, found - copied));
        out.append(replacement);
        copied = found + search.size();
        // The character right after the replaced occurrence is passed over as well.
        found = comparison.find(search, copied + 1);
    }
    out.append(text.substr(copied));
}

// Without `MatchCase` the comparison ignores case, as `upper` (which upper-cases a string
// in place, unit for unit) has it, and the caller's `search` is left in upper case. An
// empty search string leaves the text as it is.
template <typename Str, typename Upper>
Str ReplaceAllText(const Str& text, Str& search, const Str& replacement, bool MatchCase, Upper upper) {
    using View = std::basic_string_view<typename Str::value_type>;
    Str upperText;
    if (!MatchCase) {
        upper(search);
        upper(upperText = text);
    }
    Str result;
    AppendReplaced(result, View(text), View(MatchCase ? text : upperText), View(search), View(replacement));
    return result;
}

// The same with ASCII upper case.
template <typename Str>
Str ReplaceAllText(const Str& text, Str& search, const Str& replacement, bool MatchCase) {
    return ReplaceAllText(text, search, replacement, MatchCase, [](Str& s) { s = UpperAscii(s); });
}

}  // namespace velmora
