#include "macro/macro_recorder.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

struct KeyEvent {
  const wchar_t* name;
  bool down;
  bool was_down;
};

std::vector<std::wstring> Record(const std::vector<KeyEvent>& events) {
  MacroRecording recording;
  recording.Start();
  ItemList list;
  for (const KeyEvent& event : events) {
    if (const auto key = recording.Filter(event.name, event.down, event.was_down)) {
      recording.Append(list, *key);
    }
  }
  return list.items;
}

TEST(MacroRecorder, KeysBecomeItemsWithFiftyMillisecondsBetweenThem) {
  struct Case {
    const char* name;
    std::vector<KeyEvent> events;
    std::vector<std::wstring> items;
  };
  const Case cases[] = {
      {"a press and release", {{L"A", true, false}, {L"A", false, true}},
       {L"A   Dn", L"50 ms", L"A   Up"}},
      {"a key held", {{L"A", true, false}, {L"A", true, true}, {L"A", true, true}, {L"A", false, true}},
       {L"A   Dn", L"50 ms", L"A   Up"}},
      // Only a press counts as the first event: the press after it comes without a delay.
      {"the start button's release first", {{L"Enter", false, true}, {L"B", true, false}},
       {L"50 ms", L"Enter   Up", L"B   Dn"}},
      {"two keys overlapping",
       {{L"Ctrl", true, false}, {L"C", true, false}, {L"Ctrl", true, true}, {L"C", false, true},
        {L"Ctrl", false, true}},
       {L"Ctrl   Dn", L"50 ms", L"C   Dn", L"50 ms", L"Ctrl   Dn", L"50 ms", L"C   Up", L"50 ms",
        L"Ctrl   Up"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Record(c.events), c.items) << c.name;
}

TEST(MacroRecorder, RecordingStopsAddingWhenTheSlotIsFull) {
  MacroRecording recording;
  recording.Start();
  ItemList list;
  int appended = 0;
  for (int i = 0; i < 70; ++i) {
    if (recording.Append(list, {i % 2 == 0, L"A"})) ++appended;
  }
  EXPECT_EQ(appended, 63) << "126 event bytes, two per event";
  EXPECT_EQ(list.items.size(), 125u);
  EXPECT_EQ(list.selection, 124);
}

// Wine names keys as X11 does; a layout in another language names them in that language.
TEST(MacroRecorder, KeysAreRecordedUnderTheNamesTheMouseKnows) {
  const std::tuple<const wchar_t*, ScanCode, const wchar_t*> cases[] = {
      {L"A", {0x1E, false}, L"A"},
      {L"Control", {0x1D, false}, L"Ctrl"},
      {L"Return", {0x1C, false}, L"Enter"},
      {L"space", {0x39, false}, L"Space"},
      {L"STRG-RECHTS", {0x1D, true}, L"Right Ctrl"},
      {L"Escape", {0x01, false}, L"Esc"},
      {L"Break", {0x46, true}, L""},
      {L"", {0x00, false}, L""},
  };
  for (const auto& [system, scan, recorded] : cases) {
    EXPECT_EQ(RecordableKeyName(system, scan), recorded) << system;
  }
}

}  // namespace
}  // namespace vx
