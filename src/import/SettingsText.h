// A settings file's text in the encoding Windows keeps it in, decided from its first
// bytes: FF FE is UTF-16LE, EF BB BF is UTF-8; without either it is ANSI text, unless it
// is valid UTF-8 holding non-ASCII characters. The rewrite works on each in its own
// encoding and writes the file back in it, byte-order mark included.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/ConfigRewrite.h"
#include "platform/Platform.h"

namespace velmora {

enum class TextEncoding { Ansi, Utf8, Utf8WithBom, Utf16Le };

TextEncoding DetectEncoding(std::string_view bytes);

// One rewrite in the forms the encodings need.
struct SettingsRule {
    BasicRewriteRule<char16_t> unicode;  // for UTF-16 and UTF-8 files
    RewriteRule ansi;                    // for ANSI files; a search string the code page cannot hold is empty
};

// Upper case as the system has it, for each kind of file.
struct TextCase {
    AnsiCase ansi;
    UpperInPlace<char16_t> unicode;
};

// A file's bytes in pieces, to be written one after the other.
using NewBytes = std::vector<std::string>;

// How much of a file is rewritten at a time: its stretches of whole lines are this long,
// and as much longer as their last line needs.
inline constexpr std::size_t kRewriteStretch = 1 << 20;

// The file's new bytes, or nothing when no line holds an occurrence. A UTF-16 file of an
// odd length or with an unpaired surrogate, and a UTF-8 one that is not valid UTF-8 behind
// its byte-order mark, are left as they are. The file is rewritten a stretch at a time,
// so that beside the old bytes and the new ones only a stretch is held in another form.
std::optional<NewBytes> RewriteSettingsText(std::string_view bytes, const SettingsRule& rule,
                                            const TextCase& textCase, std::size_t stretch = kRewriteStretch);

// Upper-cases ANSI text with the code page's own upper case; the two bytes of a
// double-byte character are left as they are. The text must begin at a character.
void UpperAnsiInPlace(std::string& text, const AnsiCase& ansiCase);

}  // namespace velmora
