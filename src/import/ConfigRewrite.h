// The rewrite of a settings file's content: each line (ended by CR or CR LF) gets the
// directory replaced by the placeholder, the first search string before the second.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct RewriteRule {
    std::string search1;  // ANSI bytes; an empty string matches nothing
    std::string search2;  // applied to each line after search1; may be empty
    std::string replacement;
};

// The new content, or nothing when no line holds an occurrence. Lines without one come
// back byte for byte, and every line keeps its own line end (or none, at the end of file).
std::optional<std::string> RewriteConfigText(std::string_view content, RewriteRule rule);

}  // namespace velmora
