#include "ui/image_resample.h"

#include <gtest/gtest.h>

#include <vector>

namespace vx {
namespace {

// One row of grey pixels (blue = green = red = value) with the given alpha.
DecodedImage Row(const std::vector<uint8_t>& values, uint8_t alpha = 255) {
  DecodedImage image{static_cast<int>(values.size()), 1, true, {}};
  for (uint8_t value : values)
    image.pixels.insert(image.pixels.end(), {value, value, value, alpha});
  return image;
}

DecodedImage Column(const std::vector<uint8_t>& values) {
  DecodedImage image = Row(values);
  image.width = 1;
  image.height = static_cast<int>(values.size());
  return image;
}

std::vector<uint8_t> Values(const DecodedImage& image) {
  std::vector<uint8_t> values;
  for (size_t i = 0; i < image.pixels.size(); i += 4) values.push_back(image.pixels[i]);
  return values;
}

struct ResampleCase {
  const char* what;
  std::vector<uint8_t> source;
  int size;
  std::vector<uint8_t> expected;
};

// Weights by hand: the tent 1 - |distance| / support around each target centre, normalised.
TEST(Resampled, WeighsTheSourcePixelsUnderATent) {
  const ResampleCase cases[] = {
      // 2x to 1x, support 2: the centre 1 takes 0.75, 0.75 and 0.25 (sources 0, 1, 2), the
      // centre 3 takes 0.25, 0.75, 0.75 (sources 1, 2, 3): 225 / 1.75 and 87.5 / 1.75.
      {"halved", {100, 200, 0, 50}, 2, {129, 50}},
      // 1x to 2x: centres 0.25, 0.75, 1.25, 1.75 in the source; weights 0.75 / 0.25 either way.
      {"doubled", {0, 200}, 4, {0, 50, 150, 200}},
      // 2x to 1.5x: support 4/3; the first centre 2/3 takes 0.875 and 0.375, so 0.7 and 0.3.
      {"three quarters", {0, 100, 200, 250}, 3, {30, 150, 235}},
      {"flat stays flat", {77, 77, 77, 77, 77}, 3, {77, 77, 77}},
  };
  for (const ResampleCase& c : cases) {
    const int from = static_cast<int>(c.source.size());
    EXPECT_EQ(Values(Resampled(Row(c.source), c.size, 1)), c.expected) << c.what;
    const DecodedImage column = Resampled(Column(c.source), 1, c.size);
    EXPECT_EQ(column.height, c.size) << c.what << " from " << from;
    EXPECT_EQ(Values(column), c.expected) << c.what << " down the column";
  }
}

TEST(Resampled, KeepsPremultipliedPixelsValidAndTheAlphaFlag) {
  // Opaque white beside transparent black: half covered, half as bright, never brighter.
  DecodedImage image = Row({255, 0});
  image.pixels[7] = 0;
  const DecodedImage half = Resampled(image, 1, 1);
  EXPECT_EQ(half.pixels, (std::vector<uint8_t>{128, 128, 128, 128}));
  EXPECT_TRUE(half.has_alpha);
  DecodedImage opaque = Row({10, 20});
  opaque.has_alpha = false;
  EXPECT_FALSE(Resampled(opaque, 3, 2).has_alpha);
  EXPECT_EQ(Resampled(opaque, 3, 2).pixels.size(), 3u * 2u * 4u);
}

TEST(Resampled, AnUnchangedSizeGivesTheImageBack) {
  const DecodedImage image = Row({1, 2, 3});
  const DecodedImage same = Resampled(image, 3, 1);
  EXPECT_EQ(same.pixels, image.pixels);
  EXPECT_EQ(same.width, 3);
}

}  // namespace
}  // namespace vx
