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

TEST(ParseCommandLine, TakesTheVirtualMousesFaultByName) {
  EXPECT_EQ(ParseCommandLine({L"--virtual-mouse", L"--virtual-mouse-fault=no-answer"})
                .virtual_mouse_fault,
            L"no-answer");
  const CommandLineOptions options = ParseCommandLine({L"--virtual-mouse-fault=unplug-after=2"});
  EXPECT_EQ(options.virtual_mouse_fault, L"unplug-after=2");
  EXPECT_FALSE(options.virtual_mouse) << "the fault does not choose the virtual mouse";
  EXPECT_FALSE(ParseCommandLine({L"--virtual-mouse=C:\\m.txt"}).virtual_mouse_fault);
}

}  // namespace
}  // namespace vx
