#include "platform/sim/SimRegistry.h"

#include "platform/sim/SimText.h"

namespace velmora::sim {

SimRegistry::Address SimRegistry::AddressOf(std::uint32_t rootKey, const std::wstring& keyPath,
                                            const std::wstring& valueName) {
    // A key path may be written with or without a trailing backslash.
    std::wstring key = FoldCase(keyPath);
    while (!key.empty() && key.back() == L'\\')
        key.pop_back();
    return {rootKey, key, FoldCase(valueName)};
}

std::optional<std::wstring> SimRegistry::ReadRegistryString(std::uint32_t rootKey,
                                                            const std::wstring& keyPath,
                                                            const std::wstring& valueName) {
    ++reads_;
    const auto found = values_.find(AddressOf(rootKey, keyPath, valueName));
    if (found == values_.end() || found->second.first == SimRegistryType::Number) return std::nullopt;
    return found->second.second;
}

void SimRegistry::SetRegistryValue(std::uint32_t rootKey, const std::wstring& keyPath,
                                   const std::wstring& valueName, std::wstring data, SimRegistryType type) {
    values_[AddressOf(rootKey, keyPath, valueName)] = {type, std::move(data)};
}

}  // namespace velmora::sim
