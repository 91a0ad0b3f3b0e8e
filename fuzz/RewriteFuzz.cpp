// The settings-file rewrite against the rule as it reads: same output for any content and
// any search strings, and lines without an occurrence come back byte for byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "import/ConfigRewrite.h"
#include "support/ReferenceRewrite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    // A piece of at most `limit` bytes, its length taken from the byte before it.
    const auto piece = [&rest](std::size_t limit) {
        if (rest.empty()) return std::string();
        std::string taken(rest.substr(1, static_cast<std::uint8_t>(rest[0]) % (limit + 1)));
        rest.remove_prefix(1 + taken.size());
        return taken;
    };
    const velmora::RewriteRule rule{piece(8), piece(9), piece(20)};
    const std::string content(rest);

    const auto rewritten = velmora::RewriteConfigText(content, rule);
    const std::string expected = velmora::reference::Rewrite(content, rule);
    if (rewritten.value_or(content) != expected) std::abort();
    if (rewritten.has_value() != (expected != content)) std::abort();
    return 0;
}
