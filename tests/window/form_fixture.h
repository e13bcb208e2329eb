// A converter window on in-memory services, with a record of the change
// handlers' runs. Tests of the window's model build on it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "tests/common/handler_runs.h"
#include "tests/common/memory_services.h"
#include "tests/common/row_name.h"
#include "window/form1.h"

namespace nodri::testing {

using Services = MemoryServices;

// A window after a first start (nothing stored): base 60, colon form, lower
// case, zero everywhere. The recorder starts empty after creation.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(services.Lend());
    form->Create();
    form->SetHandlerRunObserver(&recorder);
  }

  // The three fields, base n first.
  std::vector<std::string> Fields() const {
    return {form->EditO.Text(), form->EditD.Text(), form->EditH.Text()};
  }

  // Brings the window to a base, form and case the way a user would: by
  // writing the base text and clicking the menu items.
  void Set(const std::string& base, std::int32_t digitForm = FormColon,
           bool upper = false) {
    form->EditBase.SetText(base);
    form->FormItem(digitForm).Click();
    if ((form->CaseUpper != 0) != upper) form->PopupMenuItemCase.Click();
    recorder.Clear();
  }

  Services services;
  std::unique_ptr<TForm1> form;
  RunRecorder recorder;
};

}  // namespace nodri::testing
