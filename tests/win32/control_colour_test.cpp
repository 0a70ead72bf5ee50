#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/win32/scoped_gdi.h"
#include "platform/win32/win32_window_system.h"

namespace vx {
namespace {

// Answers every colour request with one answer and remembers what kind of control asked.
class ColourDialog : public Dialog {
 public:
  explicit ColourDialog(WindowSystem& windows) : Dialog(windows, DialogTemplate{}) {}
  std::optional<ControlColours> OnControlColour(ControlKind kind, int) override {
    asked.push_back(kind);
    return answer;
  }
  std::optional<ControlColours> answer;
  std::vector<ControlKind> asked;
};

class ControlColour : public ::testing::Test {
 protected:
  void SetUp() override {
    windows_.CreateDialogWindow(dialog_, dialog_.dialog_template(), kNoWindow);
    ASSERT_NE(dialog_.window(), kNoWindow) << "needs a display or Wine's null graphics driver";
    SetTextColor(dc_.get(), RGB(1, 2, 3));
  }
  void TearDown() override {
    if (IsWindow(Hwnd(dialog_.window()))) windows_.DestroyWindow(dialog_.window());
  }

  static HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
  HWND Create(ControlKind kind, int id) {
    return Hwnd(windows_.CreateControl(
        dialog_.window(), {kind, id, {0, 0, 50, 20}, kStyleVisible, L"", std::nullopt}));
  }
  // What the dialog procedure hands back to the control asking with the message.
  HGDIOBJ Ask(UINT message, HWND control) {
    return reinterpret_cast<HGDIOBJ>(SendMessageW(Hwnd(dialog_.window()), message,
                                                  reinterpret_cast<WPARAM>(dc_.get()),
                                                  reinterpret_cast<LPARAM>(control)));
  }

  Win32WindowSystem windows_{GetModuleHandleW(nullptr)};
  ColourDialog dialog_{windows_};
  ScopedDc dc_{CreateCompatibleDC(nullptr)};
};

COLORREF BrushColour(HGDIOBJ brush) {
  LOGBRUSH logical{};
  GetObjectW(brush, sizeof(logical), &logical);
  return logical.lbColor;
}

// Green text, and a brush colour unless none.
ControlColours Green(std::optional<Rgb> brush = std::nullopt, bool hollow = false) {
  ControlColours colours;
  colours.text = Rgb{0, 230, 118};
  colours.brush = brush;
  colours.hollow_brush = hollow;
  return colours;
}

struct ColourCase {
  const char* name;
  ControlKind control;
  UINT message;  // as the system asks for that control in some state
  ControlColours answer;
  ControlKind asked_as;
  HGDIOBJ brush;  // null: a solid brush of the answer's brush colour
};

TEST_F(ControlColour, EachAnswerKeepsItsTextColourAndComesWithABrush) {
  const ColourCase cases[] = {
      {"edit", ControlKind::kEdit, WM_CTLCOLOREDIT, Green(), ControlKind::kEdit,
       GetSysColorBrush(COLOR_WINDOW)},
      {"disabled edit", ControlKind::kEdit, WM_CTLCOLORSTATIC, Green(), ControlKind::kEdit,
       GetSysColorBrush(COLOR_WINDOW)},
      {"list", ControlKind::kListBox, WM_CTLCOLORLISTBOX, Green(), ControlKind::kListBox,
       GetSysColorBrush(COLOR_WINDOW)},
      {"static", ControlKind::kStatic, WM_CTLCOLORSTATIC, Green(), ControlKind::kStatic,
       GetSysColorBrush(COLOR_BTNFACE)},
      {"hollow static", ControlKind::kStatic, WM_CTLCOLORSTATIC, Green(Rgb{9, 9, 9}, true),
       ControlKind::kStatic, GetStockObject(NULL_BRUSH)},
      {"disabled edit, solid", ControlKind::kEdit, WM_CTLCOLORSTATIC, Green(Rgb{10, 20, 30}),
       ControlKind::kEdit, nullptr},
  };
  int id = 100;
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.name);
    dialog_.answer = c.answer;
    dialog_.asked.clear();
    const HGDIOBJ brush = Ask(c.message, Create(c.control, ++id));
    EXPECT_EQ(dialog_.asked, std::vector<ControlKind>{c.asked_as});
    EXPECT_EQ(GetTextColor(dc_.get()), RGB(0, 230, 118));
    if (c.brush != nullptr) {
      EXPECT_EQ(brush, c.brush);
    } else {
      EXPECT_EQ(BrushColour(brush), RGB(10, 20, 30));
    }
  }
}

TEST_F(ControlColour, WithoutAnAnswerTheSystemDefaultsApply) {
  const HWND edit = Create(ControlKind::kEdit, 1);
  EXPECT_EQ(Ask(WM_CTLCOLOREDIT, edit), GetSysColorBrush(COLOR_WINDOW));
  EXPECT_EQ(GetTextColor(dc_.get()), GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(ControlColour, SolidBrushesAreOnePerColourAndLastAsLongAsTheDialog) {
  const HWND edit = Create(ControlKind::kEdit, 1);
  const HWND list = Create(ControlKind::kListBox, 2);
  dialog_.answer = Green(Rgb{10, 20, 30});
  const HGDIOBJ first = Ask(WM_CTLCOLOREDIT, edit);
  EXPECT_EQ(Ask(WM_CTLCOLORLISTBOX, list), first);
  dialog_.answer = Green(Rgb{40, 50, 60});
  const HGDIOBJ second = Ask(WM_CTLCOLOREDIT, edit);
  EXPECT_NE(second, first);
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH)) << "still painting with it";
  windows_.DestroyWindow(dialog_.window());
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(second), 0u);
}

}  // namespace
}  // namespace vx
