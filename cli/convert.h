// nodri-convert: the converter window's logic without a display. It makes the
// window with an in-memory clipboard and settings and no widgets, applies its
// actions as a user would in the window, and prints the three fields.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nodri {

// Runs the tool on `args` (without the program name). Texts on the command
// line, on `in` and on `out`/`err` are UTF-8. Returns the exit status: 0, or
// 2 for a usage error or a refused action.
int RunConvert(const std::vector<std::string>& args, std::istream& in,
               std::ostream& out, std::ostream& err);

}  // namespace nodri
