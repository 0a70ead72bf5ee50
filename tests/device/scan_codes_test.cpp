#include "device/scan_codes.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// By hand from the keyboard's set-1 scan codes and the HID keyboard usage table.
TEST(ScanCodes, KeysByTheirPlaceOnTheKeyboard) {
  struct Case {
    uint8_t code;
    bool extended;
    uint8_t usage;
    const char* key;
  };
  const Case cases[] = {
      {0x1E, false, 0x04, "A"},           {0x2C, false, 0x1D, "Z (Y on a German layout)"},
      {0x15, false, 0x1C, "Y"},           {0x2E, false, 0x06, "C"},
      {0x02, false, 0x1E, "1"},           {0x0B, false, 0x27, "0"},
      {0x01, false, 0x29, "Esc"},         {0x1C, false, 0x28, "Enter"},
      {0x1C, true, 0x58, "Num Enter"},    {0x1D, false, 0xE0, "left Ctrl"},
      {0x1D, true, 0xE4, "right Ctrl"},   {0x2A, false, 0xE1, "left Shift"},
      {0x36, false, 0xE5, "right Shift"}, {0x38, false, 0xE2, "left Alt"},
      {0x38, true, 0xE6, "right Alt"},    {0x5B, true, 0xE3, "left Windows"},
      {0x5C, true, 0xE7, "right Windows"}, {0x5D, true, 0x65, "application"},
      {0x39, false, 0x2C, "Space"},       {0x3B, false, 0x3A, "F1"},
      {0x44, false, 0x43, "F10"},         {0x57, false, 0x44, "F11"},
      {0x58, false, 0x45, "F12"},         {0x45, true, 0x53, "Num Lock"},
      {0x45, false, 0x48, "Pause"},       {0x46, false, 0x47, "Scroll Lock"},
      {0x37, true, 0x46, "Print Screen"}, {0x37, false, 0x55, "Num *"},
      {0x35, true, 0x54, "Num /"},        {0x35, false, 0x38, "/"},
      {0x47, false, 0x5F, "Num 7"},       {0x47, true, 0x4A, "Home"},
      {0x48, true, 0x52, "Up"},           {0x50, true, 0x51, "Down"},
      {0x4B, true, 0x50, "Left"},         {0x4D, true, 0x4F, "Right"},
      {0x49, true, 0x4B, "Page Up"},      {0x51, true, 0x4E, "Page Down"},
      {0x4F, true, 0x4D, "End"},          {0x52, true, 0x49, "Insert"},
      {0x53, true, 0x4C, "Delete"},       {0x53, false, 0x63, "Num Del"},
      {0x52, false, 0x62, "Num 0"},       {0x4E, false, 0x57, "Num +"},
      {0x4A, false, 0x56, "Num -"},       {0x29, false, 0x35, "`"},
      {0x2B, false, 0x31, "\\"},          {0x56, false, 0x64, "ISO \\"},
      {0x0C, false, 0x2D, "-"},           {0x1A, false, 0x2F, "["},
      {0x00, false, 0x00, "none"},        {0x54, false, 0x00, "Sys Req"},
      {0x59, false, 0x00, "beyond"},      {0x46, true, 0x00, "Break"},
      {0x1E, true, 0x00, "no extended A"}, {0xFF, false, 0x00, "last"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScanCodeToUsage({c.code, c.extended}), c.usage) << c.key;
  }
}

TEST(ScanCodes, TakenFromAKeyMessage) {
  // Right Ctrl's key-up: repeat 1, scan 0x1D, extended, previous state and transition bits.
  EXPECT_EQ(ScanCodeOfKeyMessage(0xC11D0001), (ScanCode{0x1D, true}));
  EXPECT_EQ(ScanCodeOfKeyMessage(0x001E0001), (ScanCode{0x1E, false}));
}

}  // namespace
}  // namespace vx
