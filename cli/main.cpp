// The entry of nodri-convert.
#include <iostream>
#include <string>
#include <vector>

#include "cli/convert.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return nodri::RunConvert(args, std::cin, std::cout, std::cerr);
}
