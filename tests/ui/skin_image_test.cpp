#include "ui/skin_image.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "settings/profile_files.h"
#include "support/canvas_pixels.h"
#include "support/png_writer.h"
#include "support/system_images.h"
#include "support/unreadable_file.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::Bgra;

constexpr Bgra kBackground = {255, 255, 255, 255};

struct Outcome {
  bool drawn = false;
  std::vector<uint8_t> pixels;
  bool operator==(const Outcome&) const = default;
};

Outcome Draw(SkinImageDrawer& drawer, const fs::path& path) {
  MemoryCanvas canvas(3, 2);
  test::Fill(canvas, kBackground);
  const bool drawn = drawer.DrawSkinImage(&canvas, path.wstring(), 0, 0);
  return {drawn, test::AllPixels(canvas)};
}

class SkinImageFiles : public ::testing::Test {
 protected:
  fs::path Path(const wchar_t* name) const { return dir_.File(name); }

  test::TempDir dir_;
  test::SystemImages images_;
  SkinImageDrawer plain_{images_.port(), false};
  SkinImageDrawer cached_{images_.port(), true};
};

using SkinImageDrawerTest = SkinImageFiles;

TEST_F(SkinImageDrawerTest, DrawsTheFileAtItsPlaceWithItsAlpha) {
  // Red 200, green 100, blue 50 at alpha 128 premultiplies to 100, 50, 25; over white each gains
  // 255 * 127 / 255 = 127.
  test::WriteFileBytes(Path(L"a.png"), test::RgbaPng(2, 1, {200, 100, 50, 128, 10, 20, 30, 255}));
  test::WriteFileBytes(Path(L"b.png"), test::RgbPng(1, 1, {1, 2, 3}));
  for (SkinImageDrawer* drawer : {&plain_, &cached_}) {
    MemoryCanvas canvas(4, 2);
    test::Fill(canvas, kBackground);
    EXPECT_TRUE(drawer->DrawSkinImage(&canvas, Path(L"a.png").wstring(), 1, 0));
    EXPECT_TRUE(drawer->DrawSkinImage(&canvas, Path(L"b.png").wstring(), 0, 1));
    EXPECT_EQ(test::PixelAt(canvas, 0, 0), kBackground);
    EXPECT_EQ(test::PixelAt(canvas, 1, 0), Bgra({152, 177, 227, 255}));
    EXPECT_EQ(test::PixelAt(canvas, 2, 0), Bgra({30, 20, 10, 255}));
    EXPECT_EQ(test::PixelAt(canvas, 0, 1), Bgra({3, 2, 1, 255}));
    EXPECT_EQ(test::PixelAt(canvas, 1, 1), kBackground);
  }
}

TEST_F(SkinImageDrawerTest, RefusesANullCanvasAndAFileItCannotLoad) {
  test::WriteFileBytes(Path(L"a.png"), test::RgbaPng(1, 1, {1, 2, 3, 255}));
  for (SkinImageDrawer* drawer : {&plain_, &cached_}) {
    EXPECT_FALSE(drawer->DrawSkinImage(nullptr, Path(L"a.png").wstring(), 0, 0));
    const Outcome missing = Draw(*drawer, Path(L"missing.png"));
    EXPECT_FALSE(missing.drawn);
    EXPECT_EQ(missing, Draw(*drawer, Path(L"missing.png")));
    MemoryCanvas untouched(3, 2);
    test::Fill(untouched, kBackground);
    EXPECT_EQ(missing.pixels, test::AllPixels(untouched));
  }
}

// What each change makes the next draw show; nullopt: nothing, the draw fails.
struct FileChange {
  const char* name;
  void (*apply)(const fs::path& path);
  std::optional<Bgra> first_pixel;
};

void ReplaceWithLargerGreen(const fs::path& path) {
  std::vector<uint8_t> green(3 * 2 * 3, 0);
  for (size_t i = 1; i < green.size(); i += 3) green[i] = 255;
  test::WriteFileBytes(path, test::RgbPng(3, 2, green));
}

// Stored PNGs of one size have one length, so only the write time tells the versions apart.
void ReplaceWithSameSizeBlue(const fs::path& path) {
  const auto written = fs::last_write_time(path);
  const uintmax_t size = fs::file_size(path);
  test::WriteFileBytes(path, test::RgbaPng(2, 1, {0, 0, 255, 255, 0, 0, 255, 255}));
  fs::last_write_time(path, written + std::chrono::seconds(2));
  ASSERT_EQ(fs::file_size(path), size);
}

void Delete(const fs::path& path) {
  fs::remove(path);
}

void Truncate(const fs::path& path) {
  const std::vector<uint8_t> png = test::RgbaPng(2, 1, {0, 0, 255, 255, 0, 0, 255, 255});
  test::WriteFileBytes(path, {png.begin(), png.begin() + png.size() / 2});
}

const FileChange kFileChanges[] = {
    {"replaced by a larger image", ReplaceWithLargerGreen, Bgra{0, 255, 0, 255}},
    {"replaced by one of the same size", ReplaceWithSameSizeBlue, Bgra{255, 0, 0, 255}},
    {"deleted", Delete, std::nullopt},
    {"truncated", Truncate, std::nullopt},
};

using SkinImageCache = SkinImageFiles;

TEST_F(SkinImageCache, ShowsWhatTheFileHoldsNow) {
  for (const FileChange& change : kFileChanges) {
    const fs::path path = Path(L"button.png");
    test::WriteFileBytes(path, test::RgbaPng(2, 1, {255, 0, 0, 255, 255, 0, 0, 255}));
    cached_.RecheckFiles();
    ASSERT_EQ(Draw(cached_, path), Draw(plain_, path));
    change.apply(path);
    cached_.RecheckFiles();
    const Outcome cached = Draw(cached_, path);
    EXPECT_EQ(cached, Draw(plain_, path)) << change.name;
    EXPECT_EQ(cached.drawn, change.first_pixel.has_value()) << change.name;
    const Bgra first = {cached.pixels[0], cached.pixels[1], cached.pixels[2], cached.pixels[3]};
    EXPECT_EQ(first, change.first_pixel.value_or(kBackground)) << change.name;
  }
}

TEST_F(SkinImageCache, DrawsAnUnreadableFileOnlyAsDecodingWould) {
  const fs::path path = Path(L"button.png");
  test::WriteFileBytes(path, test::RgbaPng(1, 1, {255, 0, 0, 255}));
  ASSERT_TRUE(Draw(cached_, path).drawn);
  const test::UnreadableFile unreadable(path);
  cached_.RecheckFiles();
  const Outcome cached = Draw(cached_, path);
  EXPECT_EQ(cached, Draw(plain_, path));
#ifdef _WIN32
  EXPECT_FALSE(cached.drawn);
#endif
}

// A port that counts its decodes and stamps, with square images whose sides and stamps the test
// sets; a side of 0 is a missing file.
class CountingImages : public ImagePort {
 public:
  std::optional<DecodedImage> Decode(const std::wstring& path) override {
    ++decodes;
    const int side = SideOf(path);
    if (side == 0) return std::nullopt;
    DecodedImage image{side, side, true, {}};
    for (int i = 0; i < side * side; ++i) {
      image.pixels.insert(image.pixels.end(), {50, 100, 200, 128});
    }
    return image;
  }
  std::optional<FileStamp> Stamp(const std::wstring& path) override {
    ++stamps;
    if (SideOf(path) == 0) return std::nullopt;
    return stamp;
  }
  int SideOf(const std::wstring& path) const {
    const auto found = sides.find(path);
    return found == sides.end() ? 1 : found->second;
  }

  std::map<std::wstring, int> sides;
  FileStamp stamp{10, 20};
  int decodes = 0;
  int stamps = 0;
};

TEST(SkinImageCacheCounting, DecodesOnlyWhenTheStampChanges) {
  CountingImages images;
  SkinImageDrawer drawer(images, true);
  MemoryCanvas canvas(1, 1);
  for (int i = 0; i < 3; ++i) {
    test::Fill(canvas, {0, 0, 0, 0});
    drawer.RecheckFiles();
    ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"a.png", 0, 0));
    // Premultiplied once, however often the cached image is drawn.
    EXPECT_EQ(test::PixelAt(canvas, 0, 0), Bgra({25, 50, 100, 128}));
  }
  EXPECT_EQ(images.decodes, 1);
  images.stamp.write_time = 21;
  drawer.RecheckFiles();
  EXPECT_TRUE(drawer.DrawSkinImage(&canvas, L"a.png", 0, 0));
  EXPECT_EQ(images.decodes, 2);
}

// A page draws dozens of images, and a stamp costs a file open.
TEST(SkinImageCacheCounting, AsksEachFileOnceBetweenRechecks) {
  CountingImages images;
  images.sides[L"gone@2x.png"] = 0;
  SkinImageDrawer drawer(images, true);
  MemoryCanvas canvas(4, 4, DisplayScale{192});
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"a.png", 0, 0));
    ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"gone.png", 0, 0)) << "drawn from its 1x file";
  }
  // "a@2x.png", and for "gone" its missing "@2x" and its 1x file.
  EXPECT_EQ(images.stamps, 3);
  images.stamp.write_time = 21;
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"a.png", 0, 0));
  EXPECT_EQ(images.decodes, 2) << "a change waits for the next recheck";
  drawer.RecheckFiles();
  images.sides[L"gone@2x.png"] = 1;
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"a.png", 0, 0));
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"gone.png", 0, 0));
  EXPECT_EQ(images.stamps, 5);
  EXPECT_EQ(images.decodes, 4) << "the changed file and the one that came";
}

TEST(SkinImageCacheCounting, ForgetsOnlyTheImagesLargerThanTheLimit) {
  CountingImages images;
  images.sides[L"large.png"] = 9;  // 324 bytes
  SkinImageDrawer drawer(images, true);
  MemoryCanvas canvas(9, 9);
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"small.png", 0, 0));
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"large.png", 0, 0));
  drawer.ForgetLargerThan(323);
  drawer.RecheckFiles();
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"small.png", 0, 0));
  EXPECT_EQ(images.decodes, 2);
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"large.png", 0, 0));
  EXPECT_EQ(images.decodes, 3);
  drawer.ForgetLargerThan(324);
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"large.png", 0, 0));
  EXPECT_EQ(images.decodes, 3) << "an image of the limit's size stays";
}

// At 125 % an image lies resized, a pixel larger or smaller by where it is drawn; only the file's
// own decoded size counts against the limit.
TEST(SkinImageCacheCounting, KeepsASmallImageWhateverItsResizedCopiesCost) {
  CountingImages images;
  images.sides[L"button@2x.png"] = 0;
  images.sides[L"button.png"] = 4;  // 64 bytes
  SkinImageDrawer drawer(images, true);
  MemoryCanvas canvas(20, 20, DisplayScale{120});
  for (int x = 0; x < 4; ++x) ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"button.png", x, 0));
  drawer.ForgetLargerThan(64);
  drawer.RecheckFiles();
  ASSERT_TRUE(drawer.DrawSkinImage(&canvas, L"button.png", 1, 0));
  EXPECT_EQ(images.decodes, 1);
}

// One image, as the test makes it.
class OneImage : public ImagePort {
 public:
  std::optional<DecodedImage> Decode(const std::wstring& path) override {
    if (path != L"page.png") return std::nullopt;
    return image;
  }
  std::optional<FileStamp> Stamp(const std::wstring& path) override {
    if (!Decode(path)) return std::nullopt;
    return FileStamp{1, 1};
  }
  std::optional<DecodedImage> image;
};

DecodedImage Opaque(int width, int height, bool has_alpha) {
  DecodedImage image{width, height, has_alpha, {}};
  for (int i = 0; i < width * height; ++i) image.pixels.insert(image.pixels.end(), {9, 9, 9, 255});
  return image;
}

DecodedImage WithAlphaAt(DecodedImage image, size_t pixel, uint8_t alpha) {
  image.pixels[pixel * 4 + 3] = alpha;
  return image;
}

TEST(SkinImageCover, CoversOnlyWithOpaquePixelsOverTheWholeCanvas) {
  struct Case {
    const char* name;
    std::optional<DecodedImage> image;
    bool covers;
  };
  const Case cases[] = {
      {"opaque, the canvas's size", Opaque(3, 2, true), true},
      {"without alpha", WithAlphaAt(Opaque(3, 2, false), 5, 0), true},
      {"larger, clear far beyond the canvas", WithAlphaAt(Opaque(6, 4, true), 23, 0), true},
      {"one pixel short", Opaque(3, 1, true), false},
      {"a translucent last pixel", WithAlphaAt(Opaque(3, 2, true), 5, 254), false},
      {"a clear first pixel", WithAlphaAt(Opaque(3, 2, true), 0, 0), false},
      {"missing", std::nullopt, false},
  };
  for (const Case& c : cases) {
    OneImage images;
    images.image = c.image;
    // A 1x file resized to the canvas of a 3 x 2 window at each scale.
    for (const int dpi : {96, 120, 144, 192}) {
      const DisplayScale scale{dpi};
      MemoryCanvas canvas(ToDevice(3, scale), ToDevice(2, scale), scale);
      for (bool cache : {false, true}) {
        SkinImageDrawer drawer(images, cache);
        EXPECT_EQ(drawer.CoversCanvas(canvas, L"page.png"), c.covers)
            << c.name << " at " << dpi << (cache ? " cached" : "");
      }
    }
  }
}

}  // namespace
}  // namespace vx
