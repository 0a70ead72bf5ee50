#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include "support/hand_made_descriptors.h"

namespace vx {
namespace {

using test::kEventDescriptor;
using test::kNumberedMouseDescriptor;
using test::kPointerDescriptor;
using test::kVendorDescriptor;

struct Expected {
  uint16_t usage_page, usage, input, output, feature;
  std::vector<uint8_t> input_ids;
};

std::vector<uint8_t> Joined(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Lengths as the Windows capabilities give them: the longest report plus its ID byte.
TEST(ReportDescriptor, CollectionsWithTheirUsagesAndReportLengths) {
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    bool numbered;
    std::vector<Expected> collections;
  } kCases[] = {
      {"pointer", kPointerDescriptor, false, {{0x0001, 0x0002, 5, 0, 0, {}}}},
      {"vendor", kVendorDescriptor, false, {{0xFF00, 0xFF00, 33, 33, 9, {}}}},
      {"event", kEventDescriptor, true, {{0xFF01, 0xFF01, 8, 0, 0, {6}}}},
      {"numbered mouse",
       kNumberedMouseDescriptor,
       true,
       {{0xFF00, 0xFF00, 33, 33, 17, {1}}, {0xFF01, 0xFF01, 8, 0, 0, {6}}}},
      {"two nodes' descriptors back to back",
       Joined(kPointerDescriptor, kVendorDescriptor),
       false,
       {{0x0001, 0x0002, 5, 0, 0, {}}, {0xFF00, 0xFF00, 33, 33, 9, {}}}},
      // A four-byte usage names its page; a long item is stepped over.
      {"extended usage, long item",
       {0x05, 0x01, 0x0B, 0x00, 0xFF, 0x00, 0xFF, 0xFE, 0x02, 0xF0, 0xAA,
        0xBB, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x03, 0xB1, 0x02, 0xC0},
       false,
       {{0xFF00, 0xFF00, 0, 0, 4, {}}}},
      // Push keeps the report size through a change; Pop brings it back.
      {"push and pop",
       {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95,
        0x02, 0xA4, 0x75, 0x10, 0x81, 0x02, 0xB4, 0x81, 0x02, 0xC0},
       false,
       {{0xFF00, 0x0001, 7, 0, 0, {}}}},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    const std::optional<ReportDescriptor> parsed = ParseReportDescriptor(test_case.bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->numbered, test_case.numbered);
    ASSERT_EQ(parsed->collections.size(), test_case.collections.size());
    for (size_t i = 0; i < test_case.collections.size(); ++i) {
      const TopLevelCollection& got = parsed->collections[i];
      const Expected& want = test_case.collections[i];
      EXPECT_EQ(got.caps.usage_page, want.usage_page) << i;
      EXPECT_EQ(got.caps.usage, want.usage) << i;
      EXPECT_EQ(got.caps.input_report_length, want.input) << i;
      EXPECT_EQ(got.caps.output_report_length, want.output) << i;
      EXPECT_EQ(got.caps.feature_report_length, want.feature) << i;
      EXPECT_EQ(got.input_report_ids, want.input_ids) << i;
    }
  }
}

std::vector<uint8_t> Cut(const std::vector<uint8_t>& bytes, size_t length) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)};
}

TEST(ReportDescriptor, RefusesWhatIsNoCompleteDescriptor) {
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } kCases[] = {
      // Logical Maximum's second data byte is missing.
      {"item cut short", Cut(kVendorDescriptor, 12)},
      {"usage page cut short", Cut(kEventDescriptor, 2)},
      {"collection left open", Cut(kVendorDescriptor, kVendorDescriptor.size() - 1)},
      {"end without collection", {0xC0}},
      {"report ID 0", {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0xC0}},
      {"pop without push", {0xB4}},
      {"long item cut short", {0xFE, 0x05, 0x10, 0x01}},
      // 0xFFFF bytes of input need a 65536-byte report with its ID.
      {"report too long to count",
       {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0xC0}},
  };
  for (const auto& test_case : kCases) {
    EXPECT_FALSE(ParseReportDescriptor(test_case.bytes)) << test_case.name;
  }
}

// A descriptor cut short parses only where the cut falls between items outside the collections,
// and then holds no collection or the first one whole.
TEST(ReportDescriptor, CutsOfTheNumberedMouseGiveWholeCollectionsOrNothing) {
  std::vector<size_t> empty_cuts, first_only_cuts;
  for (size_t length = 1; length < kNumberedMouseDescriptor.size(); ++length) {
    const auto parsed = ParseReportDescriptor(Cut(kNumberedMouseDescriptor, length));
    if (!parsed) continue;
    ASSERT_LE(parsed->collections.size(), 1u) << length;
    if (parsed->collections.empty()) {
      empty_cuts.push_back(length);
      continue;
    }
    first_only_cuts.push_back(length);
    EXPECT_EQ(parsed->collections[0].caps.feature_report_length, 17) << length;
  }
  // After the first Usage Page and Usage; after the first End Collection and the second's Usage
  // Page and Usage.
  EXPECT_EQ(empty_cuts, (std::vector<size_t>{3, 6}));
  EXPECT_EQ(first_only_cuts, (std::vector<size_t>{42, 45, 48}));
}

}  // namespace
}  // namespace vx
