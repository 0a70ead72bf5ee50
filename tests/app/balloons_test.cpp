#include "app/balloons.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/text_format.h"

namespace vx {
namespace {

struct Row {
  uint32_t code, value;
  std::wstring text, title;
  uint32_t timeout_ms;
};

// Stage indices 0, 1, 2, 7: 600, 800, 1000 and 3200 DPI with sensor type 1.
constexpr std::array<uint8_t, 4> kDpiIndex = {0, 1, 2, 7};

void ExpectBalloons(const std::wstring& language, uint8_t sensor_type,
                    const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(Format("(%u, %u)", row.code, row.value));
    const std::optional<Balloon> balloon = BalloonForNotification(
        row.code, row.value, LanguageTextFor(language), kDpiIndex, sensor_type);
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(balloon->text, row.text);
    EXPECT_EQ(balloon->title, row.title);
    EXPECT_EQ(balloon->timeout_ms, row.timeout_ms);
  }
}

TEST(Balloon, ShowsEachNotificationInEnglish) {
  ExpectBalloons(L"", 1,
                 {
                     {5, 1, L"Switch report rate into 1000HZ", L"Info", 5000},
                     {5, 2, L"Switch report rate into 500HZ", L"Info", 5000},
                     {5, 4, L"Switch report rate into 250HZ", L"Info", 5000},
                     {5, 8, L"Switch report rate into 125HZ", L"Info", 5000},
                     {7, 1, L"Switch DPI into the first stage 600", L"Info", 5000},
                     {7, 2, L"Switch DPI into the second stage 800", L"Info", 5000},
                     {7, 3, L"Switch DPI into the third stage 1000", L"Info", 5000},
                     {7, 4, L"Switch DPI into the fourth stage 3200", L"Info", 5000},
                     {8, 1, L"Switch to key matrix 1", L"Info", 5000},
                     {8, 2, L"Switch to key matrix 2", L"Info", 5000},
                     {9, 1, L"Switch to macro key1", L"Info", 5000},
                     {9, 3, L"Switch to macro key3", L"Info", 5000},
                     {9, 12, L"Switch to macro key12", L"Info", 5000},
                     {14, 0, L"The system detect the gaming mouse.", L"Info", 100},
                     {14, 9, L"The system detect the gaming mouse.", L"Info", 100},
                     {15, 0, L"The system did not detect the gaming mouse!", L"Warning", 100},
                     {15, 2, L"The system did not detect the gaming mouse!", L"Warning", 100},
                 });
}

TEST(Balloon, UsesTheSensorTypesDpiValues) {
  ExpectBalloons(L"", 0, {{7, 2, L"Switch DPI into the second stage 500", L"Info", 5000}});
  ExpectBalloons(L"", 3, {{7, 4, L"Switch DPI into the fourth stage 3200", L"Info", 5000}});
  ExpectBalloons(L"", 4, {{7, 1, L"Switch DPI into the first stage ", L"Info", 5000}});
  ExpectBalloons(L"CHS", 255, {{7, 3, L"DPI切换到第三段", L"Info", 5000}});
}

TEST(Balloon, ShowsChineseTextsUnderEnglishTitles) {
  ExpectBalloons(L"CHS", 1,
                 {
                     {7, 1, L"DPI切换到第一段600", L"Info", 5000},
                     {9, 3, L"切换到宏3", L"Info", 5000},
                     {8, 2, L"切换到按键组2", L"Info", 5000},
                     {15, 0, L"系统没有检测到游戏鼠标！", L"Warning", 100},
                 });
  ExpectBalloons(L"CHT", 1,
                 {
                     {7, 2, L"DPI切換到第二段800", L"Info", 5000},
                     {9, 3, L"切換到巨集3", L"Info", 5000},
                     {5, 1, L"回報率切換到1000Hz", L"Info", 5000},
                     {14, 0, L"系統檢測到遊戲滑鼠。", L"Info", 100},
                 });
}

TEST(Balloon, ShowsNothingForOtherCodesAndValues) {
  const std::pair<uint32_t, uint32_t> silent[] = {
      {5, 0},     {5, 3},  {5, 16}, {5, 0x101}, {7, 0},     {7, 5},
      {7, 0x101}, {8, 0},  {8, 3},  {8, 4},     {9, 0},     {0, 1},
      {6, 1},     {10, 1}, {13, 1}, {16, 0},    {0x105, 1}, {0xFFFFFFFF, 0},
  };
  for (const auto& [code, value] : silent) {
    EXPECT_FALSE(BalloonForNotification(code, value, LanguageTextFor(L""), kDpiIndex, 1))
        << code << ", " << value;
  }
}

}  // namespace
}  // namespace vx
