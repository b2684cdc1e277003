#pragma once
// The per-user store of named values under the program's "Startup" key: the start-up values and
// the print options. On Windows it is the registry key HKEY_CURRENT_USER\SOFTWARE\TRK2000\Startup,
// elsewhere an INI file; tests use the memory store below.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarnik {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // False when the key cannot be opened or created: reads give nothing, writes are skipped.
    virtual bool available() const = 0;
    virtual std::optional<std::string> readString(const std::string& name) const = 0;
    virtual std::optional<int> readInt(const std::string& name) const = 0;
    // Each returns false when the value could not be written (nothing is reported to the user).
    virtual bool writeString(const std::string& name, const std::string& value) = 0;
    virtual bool writeInt(const std::string& name, int value) = 0;
};

// A store held in memory: for tests, and for a program run without a settings store.
class MemorySettingsStore : public SettingsStore {
public:
    explicit MemorySettingsStore(bool available = true) : available_(available) {}

    bool available() const override { return available_; }
    std::optional<std::string> readString(const std::string& name) const override;
    std::optional<int> readInt(const std::string& name) const override;
    bool writeString(const std::string& name, const std::string& value) override;
    bool writeInt(const std::string& name, int value) override;

    // Every write in order, as "name=value", for tests that check what was written.
    const std::vector<std::string>& writes() const { return writes_; }
    void clearWrites() { writes_.clear(); }
    bool contains(const std::string& name) const {
        return strings_.count(name) != 0 || ints_.count(name) != 0;
    }

private:
    bool available_;
    std::map<std::string, std::string> strings_;
    std::map<std::string, int> ints_;
    std::vector<std::string> writes_;
};

} // namespace tarnik
