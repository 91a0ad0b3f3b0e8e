// A settings file's text in the encoding Windows keeps it in, decided from its first
// bytes: FF FE is UTF-16LE, EF BB BF is UTF-8; without either it is ANSI text, unless it
// is valid UTF-8 holding non-ASCII characters. The rewrite works on each in its own
// encoding and writes the file back in it, byte-order mark included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The file's new bytes, or nothing when no line holds an occurrence. A UTF-16 file of an
// odd length or with an unpaired surrogate, and a UTF-8 one that is not valid UTF-8 behind
// its byte-order mark, are left as they are.
std::optional<std::string> RewriteSettingsText(std::string_view bytes, const SettingsRule& rule,
                                               const TextCase& textCase);

// Upper-cases ANSI text with the code page's own upper case; the two bytes of a
// double-byte character are left as they are. The text must begin at a character.
void UpperAnsiInPlace(std::string& text, const AnsiCase& ansiCase);

}  // namespace velmora
