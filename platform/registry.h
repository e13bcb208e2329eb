// The settings store: named 32-bit integers under a key, in the manner of the
// Windows registry. An accessor is made, opened, used and closed within the
// one handler that needs it; nothing is held while the window runs.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "application.h"

namespace nodri {

// A read or write that failed. Messages are in code page 932.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

// The message of a failed write: "'%s' の設定に失敗しました" with the name.
std::string FailedToSetMessage(std::string_view name);

class TRegistry {
 public:
  virtual ~TRegistry() = default;
  // Opens `key` (e.g. "Software\Brevant\Nodri"), creating it when missing and
  // `canCreate` is set. False when it can be neither opened nor created.
  virtual bool OpenKey(std::string_view key, bool canCreate) = 0;
  // Succeeds only for a value that exists and is a 32-bit integer; anything
  // else throws ERegistryException.
  virtual std::int32_t ReadInteger(std::string_view name) = 0;
  // Replaces whatever value of that name there was; throws
  // ERegistryException with FailedToSetMessage(name) when it cannot.
  virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
  // Makes the writes lasting; a failure throws as a write would.
  virtual void CloseKey() = 0;
};

// Makes a fresh accessor for each use.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::unique_ptr<TRegistry> MakeRegistry() = 0;
};

// A settings store in memory. It can hold values of other types than a
// 32-bit integer and can be told to fail, for tests of the recovery rules.
class MemorySettings final : public SettingsStore {
 public:
  // A 32-bit integer; a string; a number too long for 32 bits.
  using Value = std::variant<std::int32_t, std::string, std::int64_t>;
  using Values = std::map<std::string, Value, std::less<>>;

  std::unique_ptr<TRegistry> MakeRegistry() override;

  // Keys and their values, by full key path.
  std::map<std::string, Values, std::less<>> keys;
  // Every write, in order, as "Key\Name=value", for tests of the order.
  std::vector<std::string> writeLog;
  bool failOpen = false;    // no key can be opened or created
  bool failWrites = false;  // every write fails
};

}  // namespace nodri
