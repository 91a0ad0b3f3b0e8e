#include "platform/sim/SimProfile.h"

#include <optional>
#include <vector>

#include "platform/sim/SimText.h"

namespace velmora::sim {

namespace {

enum class LineKind { Blank, Comment, Section, Key };

// One line of the file as byte offsets: content is [begin, contentEnd), the line ending
// (CR, LF or CR LF) runs up to end.
struct ProfileLine {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    LineKind kind = LineKind::Blank;
    std::wstring name{};                      // folded section or key name
    std::optional<std::size_t> valueBegin{};  // just after the '=' of a key line
};

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t';
}

std::wstring FoldedName(std::string_view bytes, AnsiCodePage& codePage) {
    return FoldCase(TrimBlanks(codePage.Decode(bytes)));
}

ProfileLine Classify(std::string_view file, std::size_t begin, std::size_t contentEnd, std::size_t end,
                     AnsiCodePage& codePage) {
    ProfileLine line{.begin = begin, .contentEnd = contentEnd, .end = end};
    std::string_view content = file.substr(begin, contentEnd - begin);
    std::size_t first = 0;
    while (first < content.size() && IsBlankByte(content[first])) {
        ++first;
    }
    if (first == content.size()) {
        line.kind = LineKind::Blank;
    } else if (content[first] == ';') {
        line.kind = LineKind::Comment;
    } else if (content[first] == '[') {
        line.kind = LineKind::Section;
        std::size_t close = content.rfind(']');
        std::size_t nameEnd = close == std::string_view::npos || close < first ? content.size() : close;
        line.name = FoldedName(content.substr(first + 1, nameEnd - first - 1), codePage);
    } else {
        line.kind = LineKind::Key;
        std::size_t equals = content.find('=');
        line.name = FoldedName(content.substr(0, equals), codePage);
        if (equals != std::string_view::npos) {
            line.valueBegin = begin + equals + 1;
        }
    }
    return line;
}

std::vector<ProfileLine> SplitLines(std::string_view file, AnsiCodePage& codePage) {
    std::vector<ProfileLine> lines;
    std::size_t begin = 0;
    while (begin < file.size()) {
        std::size_t contentEnd = file.find_first_of("\r\n", begin);
        std::size_t end = contentEnd;
        if (contentEnd == std::string_view::npos) {
            contentEnd = end = file.size();
        } else if (file[contentEnd] == '\r' && contentEnd + 1 < file.size() && file[contentEnd + 1] == '\n') {
            end = contentEnd + 2;
        } else {
            end = contentEnd + 1;
        }
        lines.push_back(Classify(file, begin, contentEnd, end, codePage));
        begin = end;
    }
    return lines;
}

// Index of the header of the first section with that name, and one past its last line.
std::optional<std::pair<std::size_t, std::size_t>> FindSection(const std::vector<ProfileLine>& lines,
                                                               const std::wstring& name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && lines[i].name == name) {
            std::size_t end = i + 1;
            while (end < lines.size() && lines[end].kind != LineKind::Section) {
                ++end;
            }
            return std::pair{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<ProfileLine>& lines,
                                   std::pair<std::size_t, std::size_t> section, const std::wstring& name) {
    for (std::size_t i = section.first + 1; i < section.second; ++i) {
        if (lines[i].kind == LineKind::Key && lines[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::wstring Unquote(std::wstring_view value) {
    value = TrimBlanks(value);
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == L'"' || value.front() == L'\'')) {
        value = value.substr(1, value.size() - 2);
    }
    return std::wstring(value);
}

std::string EncodeLossy(std::wstring_view text, AnsiCodePage& codePage) {
    std::string bytes;
    for (wchar_t c : text) {
        std::optional<std::string> encoded = codePage.Encode(std::wstring(1, c));
        bytes += encoded ? *encoded : std::string("?");
    }
    return bytes;
}

bool EndsWithNewline(std::string_view file) {
    return !file.empty() && (file.back() == '\n' || file.back() == '\r');
}

}  // namespace

std::wstring ReadProfileValue(std::string_view file, std::wstring_view section, std::wstring_view key,
                              AnsiCodePage& codePage) {
    std::vector<ProfileLine> lines = SplitLines(file, codePage);
    auto found = FindSection(lines, FoldCase(TrimBlanks(section)));
    if (!found) {
        return {};
    }
    auto keyLine = FindKey(lines, *found, FoldCase(TrimBlanks(key)));
    if (!keyLine || !lines[*keyLine].valueBegin) {
        return {};
    }
    const ProfileLine& line = lines[*keyLine];
    return Unquote(codePage.Decode(file.substr(*line.valueBegin, line.contentEnd - *line.valueBegin)));
}

std::string WriteProfileValue(std::string_view file, std::wstring_view section, std::wstring_view key,
                              std::wstring_view value, AnsiCodePage& codePage) {
    std::vector<ProfileLine> lines = SplitLines(file, codePage);
    std::string keyLine = EncodeLossy(key, codePage) + "=" + EncodeLossy(value, codePage);
    std::string result(file);

    auto found = FindSection(lines, FoldCase(TrimBlanks(section)));
    if (!found) {
        std::string prefix = file.empty() || EndsWithNewline(file) ? "" : "\r\n";
        return result + prefix + "[" + EncodeLossy(section, codePage) + "]\r\n" + keyLine + "\r\n";
    }

    if (auto existing = FindKey(lines, *found, FoldCase(TrimBlanks(key)))) {
        const ProfileLine& line = lines[*existing];
        std::string encodedValue = EncodeLossy(value, codePage);
        if (line.valueBegin) {
            return result.replace(*line.valueBegin, line.contentEnd - *line.valueBegin, encodedValue);
        }
        return result.insert(line.contentEnd, "=" + encodedValue);
    }

    std::size_t after = found->first;
    for (std::size_t i = found->first + 1; i < found->second; ++i) {
        if (lines[i].kind == LineKind::Key) {
            after = i;
        }
    }
    const ProfileLine& anchor = lines[after];
    std::string insertion = anchor.end == anchor.contentEnd ? "\r\n" + keyLine + "\r\n" : keyLine + "\r\n";
    return result.insert(anchor.end, insertion);
}

}  // namespace velmora::sim
