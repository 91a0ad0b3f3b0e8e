// The rewrite of a settings file's content: each line (ended by CR or CR LF) gets the
// directory replaced by the placeholder, the first search string before the second. The
// same rule serves the bytes of an ANSI file and the UTF-16 units of a Unicode one.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

template <typename Char>
struct BasicRewriteRule {
    std::basic_string<Char> search1;  // an empty string matches nothing
    std::basic_string<Char> search2;  // applied to each line after search1; may be empty
    std::basic_string<Char> replacement;
};
using RewriteRule = BasicRewriteRule<char>;

// Upper-cases text in place, unit for unit, as the file's encoding has it.
template <typename Char>
using UpperInPlace = std::function<void(std::basic_string<Char>&)>;

// The new content, or nothing when no line holds an occurrence. Lines without one come
// back unit for unit, and every line keeps its own line end (or none, at the end of file).
// Occurrences are found in the upper case `upper` makes of both sides; with
// `wholeLines` it is only ever given text that begins at a line start, as a double-byte
// code page needs (its characters never hold a CR or LF byte).
template <typename Char>
std::optional<std::basic_string<Char>> RewriteLines(std::basic_string_view<Char> content,
                                                    BasicRewriteRule<Char> rule,
                                                    const UpperInPlace<Char>& upper, bool wholeLines = false);

// The rewrite of ANSI bytes with ASCII upper case.
std::optional<std::string> RewriteConfigText(std::string_view content, RewriteRule rule);

}  // namespace velmora
