#include <gtest/gtest.h>

#include "layout/basic_page.h"
#include "pages/basic_page_fixture.h"

namespace vx {
namespace {

using test::FakeImages;

class DpiRateTest : public test::BasicPageTest {
 protected:
  void SetUp() override {}
  // Segment s (1-based) of stage n (1-based).
  Point Segment(int stage, int segment) {
    return {554 + 27 * (stage - 1) + 8, 500 - 18 * (segment - 1) + 8};
  }
  void ClickSegment(int stage, int segment) {
    const Point p = Segment(stage, segment);
    Click(p.x, p.y);
  }
  uint32_t SegmentPixel(int stage, int segment) {
    const Point p = Segment(stage, segment);
    return f().PresentedPixel(p.x, p.y);
  }
};

TEST_F(DpiRateTest, ReportRateCellsStoreTheirCodes) {
  Open();
  const uint32_t light = FakeImages::ColourOf(L"/slider-RP-light.png");
  const uint32_t dark = FakeImages::ColourOf(L"/slider-RP-dark.png");
  EXPECT_EQ(f().PresentedPixel(760, 206), light) << "1000 as shipped";
  const std::pair<int, uint8_t> cells[] = {{545, 8}, {683, 4}, {690, 2}, {827, 1}};
  for (const auto& [x, code] : cells) {
    Click(x, 209);
    EXPECT_EQ(Record().report_rate_code, code) << x;
    EXPECT_EQ(f().PresentedPixel(x, 206), light) << x;
  }
  EXPECT_EQ(f().PresentedPixel(545, 206), dark);
  EXPECT_EQ(f().PresentedPixel(690, 206), dark);
  Click(612, 209);  // between two cells
  EXPECT_EQ(Record().report_rate_code, 1);
  const auto texts = f().DrawnTexts();
  for (const wchar_t* label : {L"125", L"250", L"500", L"1000"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
  }
}

TEST_F(DpiRateTest, AnUnknownStoredRateRepaintsAsTheThousandCell) {
  Open();
  Record().report_rate_code = 3;
  Click(620, 209);
  EXPECT_EQ(f().PresentedPixel(760, 206), FakeImages::ColourOf(L"/slider-RP-dark.png"));
  EXPECT_EQ(Record().report_rate_code, 4);
}

// Bars have as many segments as the sensor has values; only type 0 has segments 9..12, and a
// type the program does not know shows type 0's values but keeps 9..12 still.
TEST_F(DpiRateTest, SegmentsFollowTheSensorType) {
  struct Case {
    uint8_t sensor;
    int drawn, clickable;
    const wchar_t* top_value;
  };
  const Case cases[] = {{0, 12, 12, L"4800"}, {2, 8, 8, L"2500"}, {1, 8, 8, L"3200"},
                        {5, 12, 8, L"4800"}};
  const uint32_t dark = FakeImages::ColourOf(L"/slider-DPI-dark.png");
  const uint32_t light = FakeImages::ColourOf(L"/slider-DPI-light.png");
  for (const Case& c : cases) {
    Open(c.sensor);
    for (int segment = 1; segment <= 12; ++segment) {
      const uint32_t pixel = SegmentPixel(4, segment);
      EXPECT_EQ(pixel == dark || pixel == light, segment <= c.drawn) << int(c.sensor);
      const uint8_t before = Record().dpi_index[3];
      ClickSegment(4, segment);
      EXPECT_EQ(Record().dpi_index[3], segment <= c.clickable ? segment - 1 : before)
          << int(c.sensor) << " segment " << segment;
    }
    const auto& draws = f().windows.text.draws;
    const auto top = std::find_if(draws.begin(), draws.end(), [&](const auto& d) {
      return d.rect == Rect{514, 500 - 18 * (c.drawn - 1), 544, 516 - 18 * (c.drawn - 1)};
    });
    ASSERT_NE(top, draws.end()) << int(c.sensor);
    EXPECT_EQ(top->text, c.top_value);
    EXPECT_EQ(top->format, 0x26u);
  }
}

TEST_F(DpiRateTest, TheFirstStartShowsTheSensorsDefaults) {
  Open(0);
  EXPECT_EQ(Record().dpi_index, (std::array<uint8_t, 4>{1, 4, 7, 10}));
  const uint32_t light = FakeImages::ColourOf(L"/slider-DPI-light.png");
  const uint32_t dark = FakeImages::ColourOf(L"/slider-DPI-dark.png");
  EXPECT_EQ(SegmentPixel(1, 2), light);
  EXPECT_EQ(SegmentPixel(1, 3), dark);
  EXPECT_EQ(SegmentPixel(4, 11), light);
  EXPECT_EQ(SegmentPixel(4, 12), dark);
  ClickSegment(1, 3);
  EXPECT_EQ(Record().dpi_index[0], 2);
  EXPECT_EQ(SegmentPixel(1, 3), light);
  EXPECT_EQ(SegmentPixel(1, 4), dark);
}

TEST_F(DpiRateTest, TickBoxesKeepTheLastStageEnabled) {
  Open();
  const uint32_t tick = FakeImages::ColourOf(L"/PaneMakingTick.png");
  const uint32_t clear = FakeImages::ColourOf(L"/Pane.png");
  const uint32_t dark = FakeImages::ColourOf(L"/slider-DPI-dark.png");
  for (int stage = 1; stage <= 3; ++stage) Click(554 + 27 * (stage - 1) + 5, 545);
  EXPECT_EQ(Record().dpi_enabled, (std::array<uint8_t, 4>{0, 0, 0, 1}));
  EXPECT_EQ(f().PresentedPixel(554, 541), clear);
  EXPECT_EQ(SegmentPixel(1, 1), dark) << "a disabled stage is all dark";
  Click(635 + 5, 545);
  EXPECT_EQ(Record().dpi_enabled[3], 1) << "the last enabled stage stays";
  EXPECT_EQ(f().PresentedPixel(635, 541), tick);
  Click(554 + 5, 545);
  EXPECT_EQ(Record().dpi_enabled[0], 1);
  EXPECT_EQ(SegmentPixel(1, 2), FakeImages::ColourOf(L"/slider-DPI-light.png"));
  EXPECT_EQ(f().PresentedPixel(554, 541), tick);
}

TEST_F(DpiRateTest, TheSwatchOfAnEnabledStageTakesAColour) {
  Open();
  const int stage_2 = basic_layout::kFirstDpiSwatchId + 1;
  const WindowHandle swatch = Control(stage_2);
  ASSERT_NE(swatch, kNoWindow);
  EXPECT_EQ(RectOf(stage_2), basic_layout::DpiSwatch(1));
  f().windows.colour_answers.push_back(Rgb{1, 2, 3});
  Click(585, 530);
  EXPECT_EQ(Record().dpi_colour[3], 1);
  EXPECT_EQ(Record().dpi_colour[5], 3);
  EXPECT_EQ(f().windows.Get(swatch).repaints, 1);
  f().windows.colour_answers.push_back(std::nullopt);  // cancelled
  Click(585, 530);
  EXPECT_EQ(Record().dpi_colour[3], 1);
  Click(581 + 5, 545);  // disable stage 2: its swatch opens nothing
  f().windows.colour_answers.push_back(Rgb{9, 9, 9});
  Click(585, 530);
  EXPECT_EQ(f().windows.colour_answers.size(), 1u);
  const auto colours = f().dialog->OnControlColour(ControlKind::kStatic, stage_2);
  ASSERT_TRUE(colours);
  EXPECT_EQ(colours->brush, (Rgb{1, 2, 3}));
}

TEST_F(DpiRateTest, LabelsAndStageNumbers) {
  Open();
  const auto& draws = f().windows.text.draws;
  const std::pair<const wchar_t*, Rect> expected[] = {
      {L"Select", {494, 541, 544, 557}}, {L"Color", {494, 523, 544, 539}},
      {L"1", {554, 562, 570, 578}},      {L"4", {635, 562, 651, 578}},
      {L"250", {514, 500, 544, 516}}};
  for (const auto& [text, rect] : expected) {
    const auto draw = std::find_if(draws.begin(), draws.end(),
                                   [&](const auto& d) { return d.text == text && d.rect == rect; });
    EXPECT_NE(draw, draws.end()) << text;
  }
}

}  // namespace
}  // namespace vx
