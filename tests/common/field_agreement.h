// Whether the three number fields agree on one number, judged with GMP as an
// independent reference: every field that does not show "Overflow!" reads
// back, through its own reader, as the same number. The one exception is a
// decimal field that keeps a pasted text of more digits than can be read.
#pragma once

#include <optional>
#include <string>

#include "tests/common/handler_runs.h"
#include "window/form1.h"

namespace nodri::testing {

struct Agreement {
  std::string failure;           // empty when the fields agree
  std::optional<std::string> number;  // the agreed number in decimal, if any field reads
};

Agreement CheckAgreement(const TForm1& form);

// Runs each field's change handler again on the text it holds, as retyping
// it would: the cascade must stay within CascadeDepthBound and the fields
// must still agree on the same number. Returns a failure, or "".
std::string CheckRerunsKeepTheNumber(TForm1& form, RunRecorder& recorder);

}  // namespace nodri::testing
