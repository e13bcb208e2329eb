// nodri-convert as a user runs it: the built binary, its output, its trace
// and its exit status.
#include <gtest/gtest.h>

#include "run_process.h"
#include "tests/common/row_name.h"

namespace nodri {
namespace {

using testing::ProcessResult;
using testing::RunProcess;

ProcessResult Convert(const std::vector<std::string>& args, const std::string& input = "") {
  return RunProcess(NODRI_CONVERT_PATH, args, input);
}

struct OutputRow {
  const char* name;
  std::vector<std::string> args;
  std::string out;
};

class ConvertOutputTest : public ::testing::TestWithParam<OutputRow> {};

TEST_P(ConvertOutputTest, PrintsTheThreeFields) {
  const ProcessResult result = Convert(GetParam().args);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, GetParam().out);
  EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertOutputTest,
    ::testing::Values(
        OutputRow{"start_state", {}, "00\n0\n0\n"},
        OutputRow{"clock_reading", {"-d", "3723"}, "01:02:03\n3723\ne8b\n"},
        OutputRow{"base_n_in", {"--basen", "1:2:3"}, "01:02:03\n3723\ne8b\n"},
        OutputRow{"hex_in_upper", {"--upper", "-x", "0x1f"}, "31\n31\n1F\n"},
        OutputRow{"base_normalised", {"--base", "06", "-d", "42"}, "1:1:0\n42\n2a\n"},
        OutputRow{"base_clamped", {"--base", "5000", "-d", "1000"}, "001:001\n1000\n3e8\n"},
        OutputRow{"letters", {"--base", "36", "--form", "letters", "-d", "3723"}, "2vf\n3723\ne8b\n"},
        OutputRow{"backslash_by_number", {"--form", "4", "-d", "3723"}, "01\\02\\03\n3723\ne8b\n"},
        OutputRow{"unary", {"--base", "1", "--form", "space", "-d", "3"}, "0 0 0 0\n3\n3\n"},
        OutputRow{"unary_overflow", {"--base", "1", "-d", "255"}, "Overflow!\n255\nff\n"},
        OutputRow{"upper_then_lower", {"--upper", "--lower", "-x", "AB"}, "02:51\n171\nab\n"},
        OutputRow{"clear", {"-d", "99", "--clear"}, "00\n0\n0\n"},
        OutputRow{"japanese_text_dropped", {"-d", "１２３ア4"}, "04\n4\n4\n"}),
    testing::RowName());

TEST(ConvertTrace, PrintsEachRunIndentedByDepth) {
  const ProcessResult result = Convert({"-d", "255", "--trace"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "04:15\n255\nff\n");
  EXPECT_EQ(result.err,
            "EditDChange \"255\"\n"
            "  EditHChange \"ff\"\n"
            "    EditOChange \"04:15\"\n");
}

TEST(ConvertTrace, ShowsBaseChangesAndCommandsButNotStartUp) {
  const ProcessResult result = Convert({"--trace", "--base", "06", "--form", "space"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err,
            "EditBaseChange \"06\"\n"
            "  EditBaseChange \"6\"\n"
            "    EditDChange \"0\"\n"
            "      EditOChange \"0\"\n"
            "  EditDChange \"0\"\n"
            "EditDChange \"0\"\n");
}

TEST(ConvertStdin, AppliesTheLastActionToEachLine) {
  const ProcessResult result = Convert({"--base", "16", "-d", "-"}, "10\r\n255\n\n4096");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "10\n10\na\n15:15\n255\nff\n00\n0\n0\n01:00:00:00\n4096\n1000\n");
}

struct ErrorRow {
  const char* name;
  std::vector<std::string> args;
  std::string errContains;
};

class ConvertErrorTest : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(ConvertErrorTest, ExitsTwoWithoutOutput) {
  const ProcessResult result = Convert(GetParam().args);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().errContains), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertErrorTest,
    ::testing::Values(
        ErrorRow{"unknown_option", {"--bogus"}, "Usage: nodri-convert"},
        ErrorRow{"missing_value", {"-d"}, "Usage: nodri-convert"},
        ErrorRow{"unknown_form", {"--form", "dots"}, "Usage: nodri-convert"},
        ErrorRow{"stdin_not_last", {"-d", "-", "--clear"}, "Usage: nodri-convert"},
        ErrorRow{"letters_above_36", {"--base", "40", "--form", "letters"}, "base 40"}),
    testing::RowName());

TEST(ConvertHelp, PrintsUsage) {
  const ProcessResult result = Convert({"--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("Usage: nodri-convert"), std::string::npos);
}

}  // namespace
}  // namespace nodri
