// Splits a fuzzer's bytes into the pieces a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // A piece of at most `limit` bytes; its length comes from the next byte.
    std::string Piece(std::size_t limit) {
        if (rest_.empty()) return {};
        const std::size_t length = static_cast<std::uint8_t>(rest_[0]) % (limit + 1);
        rest_.remove_prefix(1);
        const std::string piece(rest_.substr(0, length));
        rest_.remove_prefix(piece.size());
        return piece;
    }
    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto byte = static_cast<std::uint8_t>(rest_[0]);
        rest_.remove_prefix(1);
        return byte;
    }
    std::string Rest() { return std::string(std::exchange(rest_, {})); }

private:
    std::string_view rest_;
};

// The program's strings are wide; file bytes map one to one (Latin-1) like the simulated machine.
inline std::wstring Widen(std::string_view bytes) {
    std::wstring wide;
    for (char c : bytes)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

}  // namespace velmora::fuzz
