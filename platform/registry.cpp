// The settings store's messages and its in-memory implementation.
#include "registry.h"

#include <vector>

#include "code_page.h"

namespace nodri {

std::string FailedToSetMessage(std::string_view name) {
  return "'" + std::string(name) + "'" + Sjis(" の設定に失敗しました");
}

namespace {

class MemoryRegistry final : public TRegistry {
 public:
  explicit MemoryRegistry(MemorySettings& store) : store_(store) {}

  bool OpenKey(std::string_view key, bool canCreate) override {
    values_ = nullptr;
    if (store_.failOpen) return false;
    auto found = store_.keys.find(key);
    if (found == store_.keys.end()) {
      if (!canCreate) return false;
      found = store_.keys.emplace(std::string(key), MemorySettings::Values{}).first;
    }
    key_ = key;
    values_ = &found->second;
    return true;
  }

  std::int32_t ReadInteger(std::string_view name) override {
    if (values_ != nullptr) {
      const auto found = values_->find(name);
      if (found != values_->end()) {
        if (const auto* value = std::get_if<std::int32_t>(&found->second)) {
          return *value;
        }
      }
    }
    throw ERegistryException("'" + std::string(name) +
                             Sjis("' の値を読めません"));
  }

  void WriteInteger(std::string_view name, std::int32_t value) override {
    if (values_ == nullptr || store_.failWrites) {
      throw ERegistryException(FailedToSetMessage(name));
    }
    (*values_)[std::string(name)] = value;
    store_.writeLog.push_back(key_ + "\\" + std::string(name) + "=" +
                              std::to_string(value));
  }

  void CloseKey() override { values_ = nullptr; }

 private:
  MemorySettings& store_;
  std::string key_;
  MemorySettings::Values* values_ = nullptr;
};

}  // namespace

std::unique_ptr<TRegistry> MemorySettings::MakeRegistry() {
  return std::make_unique<MemoryRegistry>(*this);
}

}  // namespace nodri
