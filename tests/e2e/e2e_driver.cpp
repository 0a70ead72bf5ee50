// Drives the running program with real window messages, for the end-to-end tests:
//   e2e_driver wait-window SECONDS | visible | rect | tray MESSAGE | click X Y | move X Y |
//              hover X Y | key VIRTUAL_KEY | command ID | close | pick LIST ENTRY |
//              over LIST ENTRY | text CONTROL | exists CONTROL | answer-box CAPTION |
//              box-shown CAPTION (1 while the program's message box with it is visible) |
//              press VIRTUAL_KEY | type TEXT | wheel X Y NOTCHES (negative: down) |
//              double-pick LIST ENTRY | pick-text LIST TEXT | pointer (Windows' pointer
//              settings: speed, wheel lines, double-click time, acceleration) |
//              choose-colour R G B (in the system's colour dialog, then OK) |
//              dialog-rect (of the innermost dialog over the main window, else the main window) |
//              file-dialog PATH (the name typed into the system's open or save dialog, then OK) |
//              box-text CAPTION (the text of the program's message box with it) |
//              answer-box CAPTION BUTTON_ID (that button instead of OK)
// LIST and CONTROL are control ids of the main window's children.
// Prints what a query asks for; exits 1 when the window is not there. While a dialog of the
// program runs over the main window, points and control ids are the dialog's; "tray", "key",
// "command", "close", "visible" and "rect" always mean the main window. Points are the device
// pixels of the program's windows, at every display scale.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

constexpr UINT kTrayNotify = WM_USER + 1;

HWND MainWindow() {
  return FindWindowW(L"VX17Class", nullptr);
}

int Number(const wchar_t* text) {
  return static_cast<int>(std::wcstol(text, nullptr, 0));
}

// Real input at a client point: the cursor moves there and, for a click, the button goes down
// and up as the hardware would send it, so that the system's move loop, which a click on an
// empty spot starts, also sees the button come up.
void MoveCursor(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &move, sizeof(move));
}

void Press(DWORD down_up_pause_ms) {
  INPUT button{};
  button.type = INPUT_MOUSE;
  button.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &button, sizeof(button));
  Sleep(down_up_pause_ms);
  button.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &button, sizeof(button));
}

void ClickAt(HWND window, int x, int y) {
  MoveCursor(window, x, y);
  Sleep(50);
  Press(100);
}

// Two presses well within the system's double-click time.
void DoubleClickAt(HWND window, int x, int y) {
  MoveCursor(window, x, y);
  Sleep(50);
  Press(20);
  Sleep(40);
  Press(20);
}

// The centre of a list entry in the main window's client coordinates, as the list lays it out.
bool EntryCentre(HWND window, int list_id, int entry, POINT& centre) {
  HWND list = GetDlgItem(window, list_id);
  RECT item{};
  if (list == nullptr || SendMessageW(list, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&item)) ==
                             LB_ERR) {
    return false;
  }
  centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &centre);
  ScreenToClient(window, &centre);
  return true;
}

// OK on the program's message box with that caption once it is there, until it is gone: an OK
// that comes while the box is still being made can go unanswered.
int AnswerBox(const wchar_t* caption, WPARAM button) {
  HWND box = nullptr;
  for (int i = 0; i < 50 && box == nullptr; ++i) {
    box = FindWindowW(L"#32770", caption);
    if (box == nullptr) Sleep(100);
  }
  if (box == nullptr) return 1;
  for (int i = 0; i < 50 && IsWindow(box); ++i) {
    if (i % 5 == 0) PostMessageW(box, WM_COMMAND, button, 0);
    Sleep(100);
  }
  return IsWindow(box) ? 1 : 0;
}

// A real key press and release, as the keyboard sends them: the thread's hooks see it.
void PressKey(WORD virtual_key) {
  INPUT keys[2]{};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = virtual_key;
    key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &keys[0], sizeof(INPUT));
  Sleep(50);
  SendInput(1, &keys[1], sizeof(INPUT));
}

// Characters typed as the keyboard would give them, each as its own key press, whatever the
// keyboard layout (upper case needs no Shift).
void TypeText(const wchar_t* text) {
  for (; *text != L'\0'; ++text) {
    INPUT keys[2]{};
    for (INPUT& key : keys) {
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = static_cast<WORD>(*text);
      key.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Sleep(50);
  }
}

// The system colour dialog's red, green and blue boxes.
constexpr int kColourRed = 706;
constexpr int kColourGreen = 707;
constexpr int kColourBlue = 708;

int ChooseColour(int red, int green, int blue) {
  HWND dialog = nullptr;
  for (int i = 0; i < 50 && dialog == nullptr; ++i) {
    dialog = GetDlgItem(GetForegroundWindow(), kColourRed) != nullptr ? GetForegroundWindow()
                                                                       : nullptr;
    if (dialog == nullptr) Sleep(100);
  }
  if (dialog == nullptr) return 1;
  SetDlgItemInt(dialog, kColourRed, static_cast<UINT>(red), FALSE);
  SetDlgItemInt(dialog, kColourGreen, static_cast<UINT>(green), FALSE);
  SetDlgItemInt(dialog, kColourBlue, static_cast<UINT>(blue), FALSE);
  // Wine's colour dialog can drop an OK that comes while it is still settling; ask again until
  // it is gone.
  for (int i = 0; i < 50 && IsWindow(dialog); ++i) {
    if (i % 10 == 0) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    Sleep(100);
  }
  return IsWindow(dialog) ? 1 : 0;
}

// A message box's text is its one static control with text; the icon's static has none.
BOOL CALLBACK PrintStaticText(HWND child, LPARAM) {
  wchar_t name[16] = L"";
  wchar_t text[1024] = L"";
  GetClassNameW(child, name, 16);
  if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, text, 1024) > 0) {
    std::printf("%ls\n", text);
  }
  return TRUE;
}

int PrintBoxText(const wchar_t* caption) {
  HWND box = nullptr;
  for (int i = 0; i < 50 && box == nullptr; ++i) {
    box = FindWindowW(L"#32770", caption);
    if (box == nullptr) Sleep(100);
  }
  if (box == nullptr) return 1;
  EnumChildWindows(box, PrintStaticText, 0);
  return 0;
}

// The explorer-style file dialog's name box: a combo box, cmb13; the old style's edit, edt1.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

struct FileDialogSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindFileDialog(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<FileDialogSearch*>(search_address);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[16] = L"";
  GetClassNameW(window, name, 16);
  if (process != search->process || !IsWindowVisible(window) || lstrcmpW(name, L"#32770") != 0 ||
      (GetDlgItem(window, kFileNameCombo) == nullptr &&
       GetDlgItem(window, kFileNameEdit) == nullptr)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

int ChooseFile(HWND main, const wchar_t* path) {
  FileDialogSearch search{0, nullptr};
  GetWindowThreadProcessId(main, &search.process);
  for (int i = 0; i < 100 && search.found == nullptr; ++i) {
    EnumWindows(FindFileDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(100);
  }
  const HWND dialog = search.found;
  if (dialog == nullptr) return 1;
  HWND name = GetDlgItem(dialog, kFileNameCombo);
  if (name == nullptr) name = GetDlgItem(dialog, kFileNameEdit);
  SetWindowTextW(name, path);
  // As with the colour dialog, an OK while the dialog still settles can be dropped.
  for (int i = 0; i < 50 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) {
    if (i % 10 == 0) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    Sleep(100);
  }
  return IsWindow(dialog) && IsWindowVisible(dialog) ? 1 : 0;
}

int PrintBoxShown(const wchar_t* caption) {
  const HWND box = FindWindowW(L"#32770", caption);
  std::printf("%d\n", box != nullptr && IsWindowVisible(box) ? 1 : 0);
  return 0;
}

int PrintPointerSettings() {
  int speed = 0;
  UINT lines = 0;
  int mouse[3] = {};
  if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) speed = -static_cast<int>(GetLastError());
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
  std::printf("%d %u %u %d\n", speed, lines, GetDoubleClickTime(), mouse[2]);
  return 0;
}

int WaitWindow(int seconds) {
  for (int i = 0; i < seconds * 10; ++i) {
    if (MainWindow() != nullptr) return 0;
    Sleep(100);
  }
  return 1;
}

struct OwnedSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwnedVisible(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<OwnedSearch*>(search_address);
  if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// The innermost of the program's dialogs over the main window, else the main window. Followed
// by owner, not by GetLastActivePopup: Wine's answer goes stale once a nested system dialog,
// such as the colour dialog, has ended.
HWND InputWindow(HWND main) {
  if (IsWindowEnabled(main)) return main;
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  HWND innermost = main;
  for (int depth = 0; depth < 8; ++depth) {
    OwnedSearch search{innermost, nullptr};
    EnumThreadWindows(thread, FindOwnedVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) break;
    innermost = search.found;
  }
  return innermost;
}

int Send(HWND main, int argc, wchar_t** argv) {
  const std::wstring command = argv[1];
  const HWND window = command == L"tray" || command == L"key" || command == L"command" ||
                              command == L"close" || command == L"visible" || command == L"rect"
                          ? main
                          : InputWindow(main);
  const auto at = [&](int i) { return MAKELPARAM(Number(argv[i]), Number(argv[i + 1])); };
  if (command == L"visible") {
    std::printf("%d\n", IsWindowVisible(window) ? 1 : 0);
  } else if (command == L"rect" || command == L"dialog-rect") {
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
  } else if (command == L"tray" && argc > 2) {
    SendMessageW(window, kTrayNotify, 1, Number(argv[2]));
  } else if (command == L"click" && argc > 3) {
    ClickAt(window, Number(argv[2]), Number(argv[3]));
  } else if (command == L"move" && argc > 3) {
    MoveCursor(window, Number(argv[2]), Number(argv[3]));
  } else if (command == L"hover" && argc > 3) {
    PostMessageW(window, WM_MOUSEHOVER, 0, at(2));
  } else if (command == L"key" && argc > 2) {
    PostMessageW(window, WM_KEYDOWN, static_cast<WPARAM>(Number(argv[2])), 1);
  } else if (command == L"command" && argc > 2) {
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(Number(argv[2])), 0);
  } else if (command == L"close") {
    PostMessageW(window, WM_CLOSE, 0, 0);
  } else if (command == L"pick-text" && argc > 3) {
    const LRESULT entry = SendDlgItemMessageW(window, Number(argv[2]), LB_FINDSTRINGEXACT,
                                              static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(argv[3]));
    POINT centre{};
    if (entry == LB_ERR || !EntryCentre(window, Number(argv[2]), static_cast<int>(entry), centre)) {
      std::fprintf(stderr, "e2e_driver: no such list entry\n");
      return 1;
    }
    MoveCursor(window, centre.x, centre.y);
    Sleep(50);
    ClickAt(window, centre.x, centre.y);
  } else if ((command == L"pick" || command == L"over" || command == L"double-pick") && argc > 3) {
    POINT centre{};
    if (!EntryCentre(window, Number(argv[2]), Number(argv[3]), centre)) {
      std::fprintf(stderr, "e2e_driver: no such list entry\n");
      return 1;
    }
    // Over the entry first, as a user's pointer gets there before the click.
    MoveCursor(window, centre.x, centre.y);
    Sleep(50);
    if (command == L"pick") ClickAt(window, centre.x, centre.y);
    if (command == L"double-pick") DoubleClickAt(window, centre.x, centre.y);
  } else if (command == L"text" && argc > 2) {
    wchar_t text[256] = L"";
    GetDlgItemTextW(window, Number(argv[2]), text, 256);
    std::printf("%ls\n", text);
  } else if (command == L"wheel" && argc > 4) {
    MoveCursor(window, Number(argv[2]), Number(argv[3]));
    const int notches = Number(argv[4]);
    INPUT wheel{};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = static_cast<DWORD>(notches < 0 ? -WHEEL_DELTA : WHEEL_DELTA);
    for (int i = 0; i < std::abs(notches); ++i) {
      SendInput(1, &wheel, sizeof(wheel));
      Sleep(20);
    }
  } else if (command == L"press" && argc > 2) {
    PressKey(static_cast<WORD>(Number(argv[2])));
  } else if (command == L"type" && argc > 2) {
    TypeText(argv[2]);
  } else if (command == L"exists" && argc > 2) {
    std::printf("%d\n", GetDlgItem(window, Number(argv[2])) != nullptr ? 1 : 0);
  } else {
    std::fprintf(stderr, "e2e_driver: unknown command\n");
    return 2;
  }
  // Let the program's message loop take what was posted before the next step looks.
  Sleep(150);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Aware of the display scale, as the program is: otherwise the system would scale the points
  // this process gives and reads by the display's scale.
  SetProcessDPIAware();
  if (argc < 2) {
    std::fprintf(stderr, "usage: e2e_driver COMMAND [ARGS]\n");
    return 2;
  }
  if (std::wstring(argv[1]) == L"wait-window") return WaitWindow(argc > 2 ? Number(argv[2]) : 30);
  if (std::wstring(argv[1]) == L"answer-box" && argc > 2) {
    return AnswerBox(argv[2], argc > 3 ? static_cast<WPARAM>(Number(argv[3])) : IDOK);
  }
  if (std::wstring(argv[1]) == L"box-text" && argc > 2) return PrintBoxText(argv[2]);
  if (std::wstring(argv[1]) == L"box-shown" && argc > 2) return PrintBoxShown(argv[2]);
  if (std::wstring(argv[1]) == L"pointer") return PrintPointerSettings();
  if (std::wstring(argv[1]) == L"choose-colour" && argc > 4) {
    return ChooseColour(Number(argv[2]), Number(argv[3]), Number(argv[4]));
  }
  HWND window = MainWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "e2e_driver: no main window\n");
    return 1;
  }
  if (std::wstring(argv[1]) == L"file-dialog" && argc > 2) return ChooseFile(window, argv[2]);
  return Send(window, argc, argv);
}
