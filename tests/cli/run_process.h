// Runs a program with arguments and standard input, and collects its
// standard output, standard error and exit status. POSIX only.
#pragma once

#include <string>
#include <vector>

namespace nodri::testing {

struct ProcessResult {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "");

}  // namespace nodri::testing
