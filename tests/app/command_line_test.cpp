#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ParseCommandLine, TakesTheVirtualMouseAndShowOptions) {
  struct Case {
    std::vector<std::wstring> args;
    bool virtual_mouse;
    std::optional<std::wstring> file;
    bool show;
  };
  const Case cases[] = {
      {{}, false, std::nullopt, false},
      {{L"--show"}, false, std::nullopt, true},
      {{L"--virtual-mouse"}, true, std::nullopt, false},
      {{L"--virtual-mouse=C:\\m.txt", L"--show"}, true, L"C:\\m.txt", true},
      {{L"--virtual-mouse="}, true, std::nullopt, false},
      {{L"--virtual-mousey", L"/show", L"--SHOW"}, false, std::nullopt, false},
  };
  for (const Case& c : cases) {
    const CommandLineOptions options = ParseCommandLine(c.args);
    EXPECT_EQ(options.virtual_mouse, c.virtual_mouse);
    EXPECT_EQ(options.virtual_mouse_file, c.file);
    EXPECT_EQ(options.show, c.show);
  }
}

}  // namespace
}  // namespace vx
