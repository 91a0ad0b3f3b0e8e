// A registry the test fills in advance: keys and value names compared without regard to
// case, values typed as Windows types them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/Platform.h"

namespace velmora::sim {

enum class SimRegistryType { String, ExpandString, Number };

class SimRegistry : public Registry {
public:
    std::optional<std::wstring> ReadRegistryString(std::uint32_t rootKey, const std::wstring& keyPath,
                                                   const std::wstring& valueName) override;

    // `valueName` "" is the key's default value. A number's text is what a test reads
    // back through nothing: numbers are not strings.
    void SetRegistryValue(std::uint32_t rootKey, const std::wstring& keyPath, const std::wstring& valueName,
                          std::wstring data, SimRegistryType type = SimRegistryType::String);
    int RegistryReads() const { return reads_; }

private:
    using Address = std::tuple<std::uint32_t, std::wstring, std::wstring>;
    static Address AddressOf(std::uint32_t rootKey, const std::wstring& keyPath,
                             const std::wstring& valueName);

    std::map<Address, std::pair<SimRegistryType, std::wstring>> values_;
    int reads_ = 0;
};

}  // namespace velmora::sim
