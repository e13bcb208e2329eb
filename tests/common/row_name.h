// Names parameterised test rows by their `name` member.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace nodri::testing {

struct RowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

}  // namespace nodri::testing
