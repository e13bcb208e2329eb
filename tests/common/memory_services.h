// The services a window borrows, all in memory: what tests, benchmarks and the
// fuzz target make a TForm1 with.
#pragma once

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/form.h"
#include "platform/registry.h"
#include "platform/text_measurer.h"

namespace nodri::testing {

struct MemoryServices {
  MemoryServices() { application.Title = "Nodri"; }
  MemoryServices(const MemoryServices&) = delete;
  MemoryServices& operator=(const MemoryServices&) = delete;

  FormServices Lend() { return FormServices{application, clipboard, settings, measurer, screen}; }

  RecordingErrorDisplay display;
  TApplication application{display};
  MemoryClipboard clipboard;
  MemorySettings settings;
  HalfWidthMeasurer measurer;
  TScreen screen;
};

}  // namespace nodri::testing
