// The settings-file rewrite against the rule as it reads: same output for any content and
// any search strings, and lines without an occurrence come back byte for byte.
#include <cstdlib>

#include "FuzzInput.h"
#include "import/ConfigRewrite.h"
#include "support/ReferenceRewrite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::FuzzInput input(data, size);
    const velmora::RewriteRule rule{input.Piece(8), input.Piece(9), input.Piece(20)};
    const std::string content = input.Rest();

    const auto rewritten = velmora::RewriteConfigText(content, rule);
    const std::string expected =
        velmora::reference::Rewrite(content, rule.search1, rule.search2, rule.replacement);
    if (rewritten.value_or(content) != expected) std::abort();
    if (rewritten.has_value() != (expected != content)) std::abort();
    return 0;
}
