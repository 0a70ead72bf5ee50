#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "settings/factory_settings.h"
#include "settings/ini_engine.h"
#include "settings/str_ini.h"
#include "support/told_saves.h"

namespace vx {
namespace {

std::filesystem::path PackageFile(const char* name) {
  return std::filesystem::path(VX_SOURCE_DIR) / "package" / name;
}

TEST(Package, TheShippedConfigIsTheFactoryRecordNeverSaved) {
  std::ifstream file(PackageFile("config.bin"), std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  const auto factory = FactoryConfigFile();
  ASSERT_EQ(bytes.size(), 1986u);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), factory.begin()));
  EXPECT_EQ(bytes[0], 0) << "the first start writes the default key texts";
  EXPECT_EQ(bytes[1926], 1) << "1000 Hz";
}

TEST(Package, TheShippedStrIniNamesTheFirstSkinAndAGreenTextColour) {
  auto files = CreateSystemFilePort();
  IniProfileStore profile(*files);
  test::ToldSaves told;
  StrIni str(profile, *files, told.saves, PackageFile("str.ini").wstring());
  const SkinKeys keys = str.LoadSkinKeys();
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(VX_SOURCE_DIR) / "skins" /
                                            ToUtf8(keys.path)))
      << ToUtf8(keys.path);
  const auto colour = UiTextColourFrom(keys);
  EXPECT_GT(colour[1], colour[0]);
  EXPECT_GT(colour[1], colour[2]);
  EXPECT_EQ(str.LanguageCode(), L"");
  const auto bytes = files->ReadAll(PackageFile("str.ini").wstring(), kMaxProfileFileBytes);
  ASSERT_TRUE(bytes);
  EXPECT_EQ((*bytes)[0], 0xFF) << "UTF-16 with its byte-order mark";
  EXPECT_EQ((*bytes)[1], 0xFE);
}

}  // namespace
}  // namespace vx
