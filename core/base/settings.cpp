#include "core/base/settings.h"

namespace tarnik {

std::optional<std::string> MemorySettingsStore::readString(const std::string& name) const {
    if (!available_) return std::nullopt;
    const auto it = strings_.find(name);
    if (it == strings_.end()) return std::nullopt;
    return it->second;
}

std::optional<int> MemorySettingsStore::readInt(const std::string& name) const {
    if (!available_) return std::nullopt;
    const auto it = ints_.find(name);
    if (it == ints_.end()) return std::nullopt;
    return it->second;
}

bool MemorySettingsStore::writeString(const std::string& name, const std::string& value) {
    if (!available_) return false;
    ints_.erase(name);
    strings_[name] = value;
    writes_.push_back(name + "=" + value);
    return true;
}

bool MemorySettingsStore::writeInt(const std::string& name, int value) {
    if (!available_) return false;
    strings_.erase(name);
    ints_[name] = value;
    writes_.push_back(name + "=" + std::to_string(value));
    return true;
}

} // namespace tarnik
