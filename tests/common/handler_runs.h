// A record of the change handlers' runs, for tests and the fuzz target.
#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "window/form1.h"

namespace nodri::testing {

// The deepest nesting of change-handler runs any single user action may
// reach. Typing nests at most: the field's own clean-up, the rewrite of each
// other field and one more clean-up there; a base change adds its own
// re-entries (three runs for an emptied base field) on top.
inline constexpr int CascadeDepthBound = 8;

struct Ran {
  std::string handler;
  int depth;
  std::string text;  // the handler's field when the run began
  bool operator==(const Ran&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Ran& run) {
  return out << std::string(static_cast<std::size_t>(run.depth) * 2, ' ') << run.handler
             << " \"" << run.text << '"';
}

class RunRecorder final : public HandlerRunObserver {
 public:
  void RunBegan(std::string_view handler, std::string_view fieldText, int depth) override {
    runs.push_back({std::string(handler), depth, std::string(fieldText)});
    maxDepth = std::max(maxDepth, depth);
  }
  void Clear() {
    runs.clear();
    maxDepth = -1;
  }
  int Count(std::string_view handler) const {
    int count = 0;
    for (const Ran& run : runs) count += run.handler == handler ? 1 : 0;
    return count;
  }
  std::vector<Ran> runs;
  int maxDepth = -1;
};

}  // namespace nodri::testing
