#include "ui/image_blend.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/canvas_pixels.h"

namespace vx {
namespace {

using test::Bgra;
using test::Fill;
using test::PixelAt;

DecodedImage OnePixel(Bgra pixel, bool has_alpha) {
  return {1, 1, has_alpha, {pixel.begin(), pixel.end()}};
}

TEST(Premultiply, TruncatesEachColourAndKeepsAlpha) {
  struct Vector {
    Bgra straight;
    Bgra premultiplied;
  };
  const Vector vectors[] = {
      {{10, 20, 30, 0}, {0, 0, 0, 0}},
      // Red 200, green 100, blue 50 at alpha 128: 200 * 128 / 255 = 100.39 -> 100, and so on.
      {{50, 100, 200, 128}, {25, 50, 100, 128}},
      {{10, 20, 30, 255}, {10, 20, 30, 255}},
      // 254 * 1 / 255 = 0.996 and 128 * 127 / 255 = 63.75: truncated, not rounded.
      {{255, 254, 1, 1}, {1, 0, 0, 1}},
      {{128, 64, 1, 127}, {63, 31, 0, 127}},
      {{255, 255, 255, 254}, {254, 254, 254, 254}},
  };
  for (const Vector& v : vectors) {
    DecodedImage image = OnePixel(v.straight, true);
    PremultiplyAlpha(image);
    EXPECT_EQ(Bgra({image.pixels[0], image.pixels[1], image.pixels[2], image.pixels[3]}),
              v.premultiplied);
  }
}

// dst = src + dst * (255 - a) / 255, the quotient rounded to the nearest integer.
TEST(ImageBlend, SourceOverRoundsTheBackgroundTermToNearest) {
  struct Vector {
    Bgra source;  // premultiplied
    bool has_alpha;
    Bgra background;
    Bgra result;
  };
  const Vector vectors[] = {
      {{1, 2, 3, 255}, true, {200, 100, 50, 255}, {1, 2, 3, 255}},
      {{0, 0, 0, 0}, true, {200, 100, 50, 255}, {200, 100, 50, 255}},
      // 200 * 127 / 255 = 99.61 -> 100, 100 * 127 / 255 = 49.80 -> 50, 50 * 127 / 255 = 24.90
      // -> 25, alpha 255 * 127 / 255 = 127.
      {{25, 50, 100, 128}, true, {200, 100, 50, 255}, {125, 100, 125, 255}},
      // 255 * 254 / 255 = 254; 128 * 254 / 255 = 127.498 -> 127; 3 * 254 / 255 = 2.988 -> 3.
      {{1, 0, 0, 1}, true, {255, 128, 3, 255}, {255, 127, 3, 255}},
      // 64 * 191 / 255 = 47.94 -> 48; alpha 64 + 128 * 191 / 255 = 64 + 95.88 -> 160.
      {{0, 0, 0, 64}, true, {64, 64, 64, 128}, {48, 48, 48, 160}},
      {{254, 254, 254, 254}, true, {255, 255, 255, 255}, {255, 255, 255, 255}},
      {{25, 50, 100, 128}, true, {0, 0, 0, 0}, {25, 50, 100, 128}},
      // Without alpha the colour is copied and the pixel becomes opaque, whatever the file said.
      {{10, 20, 30, 0}, false, {200, 100, 50, 255}, {10, 20, 30, 255}},
      {{10, 20, 30, 77}, false, {0, 0, 0, 0}, {10, 20, 30, 255}},
  };
  for (const Vector& v : vectors) {
    MemoryCanvas canvas(1, 1);
    Fill(canvas, v.background);
    DrawImageOnto(canvas, OnePixel(v.source, v.has_alpha), 0, 0);
    EXPECT_EQ(PixelAt(canvas, 0, 0), v.result);
  }
}

// The canvas as rows of letters: '.' untouched, 'a'..'f' the image's pixels.
std::vector<std::string> Picture(const Canvas& canvas) {
  std::vector<std::string> rows;
  for (int y = 0; y < canvas.height(); ++y) {
    std::string row;
    for (int x = 0; x < canvas.width(); ++x) {
      const Bgra pixel = PixelAt(canvas, x, y);
      row.push_back(pixel[2] == 0 ? '.' : static_cast<char>(pixel[2]));
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(ImageBlend, ClipsAtEveryEdge) {
  struct Vector {
    int x;
    int y;
    std::vector<std::string> picture;
  };
  const std::vector<std::string> empty = {"....", "....", "...."};
  const Vector vectors[] = {
      {0, 0, {"abc.", "def.", "...."}},
      {-1, -1, {"ef..", "....", "...."}},
      {1, -1, {".def", "....", "...."}},
      {-2, 1, {"....", "c...", "f..."}},
      {3, 1, {"....", "...a", "...d"}},
      {2, 2, {"....", "....", "..ab"}},
      {-3, 0, empty},
      {4, 0, empty},
      {0, -2, empty},
      {0, 3, empty},
      {INT_MAX, INT_MAX, empty},
      {INT_MIN, INT_MIN, empty},
      {INT_MAX, 0, empty},
      {0, INT_MIN, empty},
  };
  for (bool has_alpha : {true, false}) {
    // A 3 x 2 opaque image whose red bytes spell its pixels.
    DecodedImage image{3, 2, has_alpha, std::vector<uint8_t>(3 * 2 * 4, 255)};
    for (size_t i = 0; i < 6; ++i) {
      image.pixels[i * 4] = 0;
      image.pixels[i * 4 + 1] = 0;
      image.pixels[i * 4 + 2] = static_cast<uint8_t>('a' + i);
    }
    for (const Vector& v : vectors) {
      MemoryCanvas canvas(4, 3);
      DrawImageOnto(canvas, image, v.x, v.y);
      EXPECT_EQ(Picture(canvas), v.picture) << "at " << v.x << ", " << v.y;
    }
  }
}

}  // namespace
}  // namespace vx
