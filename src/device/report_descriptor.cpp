#include "device/report_descriptor.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vx {

namespace {

// The item encoding of the HID class definition: a prefix byte of tag (4 bits), type (2 bits)
// and data size (2 bits: 0, 1, 2 or 4 bytes), the little-endian data after it.
enum class ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2, kReserved = 3 };

constexpr uint8_t kLongItemPrefix = 0xFE;

constexpr uint8_t kInputTag = 0x8;
constexpr uint8_t kOutputTag = 0x9;
constexpr uint8_t kCollectionTag = 0xA;
constexpr uint8_t kFeatureTag = 0xB;
constexpr uint8_t kEndCollectionTag = 0xC;

constexpr uint8_t kUsagePageTag = 0x0;
constexpr uint8_t kReportSizeTag = 0x7;
constexpr uint8_t kReportIdTag = 0x8;
constexpr uint8_t kReportCountTag = 0x9;
constexpr uint8_t kPushTag = 0xA;
constexpr uint8_t kPopTag = 0xB;

constexpr uint8_t kUsageTag = 0x0;

// A report the lengths of the Windows capabilities can still count, in bits.
constexpr uint64_t kLongestReportBits = (0xFFFFull - 1) * 8;

struct Item {
  ItemType type = ItemType::kMain;
  uint8_t tag = 0;
  uint32_t data = 0;
  size_t size = 0;
};

struct GlobalState {
  uint16_t usage_page = 0;
  uint32_t report_size = 0;
  uint32_t report_count = 0;
  uint8_t report_id = 0;
};

enum class ReportKind { kInput, kOutput, kFeature };

class DescriptorParser {
 public:
  std::optional<ReportDescriptor> Parse(std::span<const uint8_t> bytes);

 private:
  // Reads the short item at the offset, or steps over a long one; false when it is cut short.
  bool NextItem(std::span<const uint8_t> bytes, size_t& offset, std::optional<Item>& item);
  bool Apply(const Item& item);
  bool ApplyMain(const Item& item);
  bool ApplyGlobal(const Item& item);
  bool CountReport(ReportKind kind);
  void CloseTopLevel();

  GlobalState global_;
  std::vector<GlobalState> pushed_;
  std::optional<uint32_t> first_usage_;
  size_t usage_size_ = 0;
  int depth_ = 0;
  bool numbered_ = false;
  TopLevelCollection open_;
  std::map<std::pair<ReportKind, uint8_t>, uint64_t> bits_;
  std::vector<TopLevelCollection> collections_;
};

bool DescriptorParser::NextItem(std::span<const uint8_t> bytes, size_t& offset,
                                std::optional<Item>& item) {
  const uint8_t prefix = bytes[offset++];
  if (prefix == kLongItemPrefix) {
    // Data size and tag follow; no long item tags are defined, so their data is skipped.
    if (bytes.size() - offset < 2 || bytes.size() - offset - 2 < bytes[offset]) return false;
    offset += 2 + bytes[offset];
    item.reset();
    return true;
  }
  static constexpr size_t kSizes[] = {0, 1, 2, 4};
  const size_t size = kSizes[prefix & 0x3];
  if (bytes.size() - offset < size) return false;
  uint32_t data = 0;
  for (size_t i = 0; i < size; ++i) data |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
  offset += size;
  item = Item{static_cast<ItemType>((prefix >> 2) & 0x3), static_cast<uint8_t>(prefix >> 4), data,
              size};
  return true;
}

std::optional<ReportDescriptor> DescriptorParser::Parse(std::span<const uint8_t> bytes) {
  size_t offset = 0;
  while (offset < bytes.size()) {
    std::optional<Item> item;
    if (!NextItem(bytes, offset, item)) return std::nullopt;
    if (item && !Apply(*item)) return std::nullopt;
  }
  if (depth_ != 0) return std::nullopt;
  if (numbered_) return ReportDescriptor{std::move(collections_), true};
  for (TopLevelCollection& collection : collections_) collection.input_report_ids.clear();
  return ReportDescriptor{std::move(collections_), false};
}

bool DescriptorParser::Apply(const Item& item) {
  switch (item.type) {
    case ItemType::kMain:
      return ApplyMain(item);
    case ItemType::kGlobal:
      return ApplyGlobal(item);
    case ItemType::kLocal:
      if (item.tag == kUsageTag && !first_usage_) {
        first_usage_ = item.data;
        usage_size_ = item.size;
      }
      return true;
    case ItemType::kReserved:
      return true;
  }
  return true;
}

bool DescriptorParser::ApplyMain(const Item& item) {
  bool fits = true;
  switch (item.tag) {
    case kInputTag:
      fits = CountReport(ReportKind::kInput);
      break;
    case kOutputTag:
      fits = CountReport(ReportKind::kOutput);
      break;
    case kFeatureTag:
      fits = CountReport(ReportKind::kFeature);
      break;
    case kCollectionTag:
      if (depth_++ == 0) {
        open_ = TopLevelCollection{};
        const uint32_t usage = first_usage_.value_or(0);
        // A four-byte usage names its own page.
        open_.caps.usage_page =
            usage_size_ == 4 ? static_cast<uint16_t>(usage >> 16) : global_.usage_page;
        open_.caps.usage = static_cast<uint16_t>(usage);
      }
      break;
    case kEndCollectionTag:
      if (depth_ == 0) return false;
      if (--depth_ == 0) CloseTopLevel();
      break;
    default:
      break;
  }
  // Local items hold for the next main item only.
  first_usage_.reset();
  return fits;
}

bool DescriptorParser::ApplyGlobal(const Item& item) {
  switch (item.tag) {
    case kUsagePageTag:
      global_.usage_page = static_cast<uint16_t>(item.data);
      return true;
    case kReportSizeTag:
      global_.report_size = item.data;
      return true;
    case kReportCountTag:
      global_.report_count = item.data;
      return true;
    case kReportIdTag:
      // ID 0 is reserved: it stands for "no ID" on the wire.
      if (item.data == 0 || item.data > 0xFF) return false;
      global_.report_id = static_cast<uint8_t>(item.data);
      numbered_ = true;
      return true;
    case kPushTag:
      pushed_.push_back(global_);
      return true;
    case kPopTag:
      if (pushed_.empty()) return false;
      global_ = pushed_.back();
      pushed_.pop_back();
      return true;
    default:
      return true;
  }
}

bool DescriptorParser::CountReport(ReportKind kind) {
  // Fields outside every collection belong to none the program could open.
  if (depth_ == 0) return true;
  const uint64_t field_bits = static_cast<uint64_t>(global_.report_size) * global_.report_count;
  uint64_t& bits = bits_[{kind, global_.report_id}];
  if (field_bits > kLongestReportBits - bits) return false;
  bits += field_bits;
  return true;
}

void DescriptorParser::CloseTopLevel() {
  for (const auto& [key, bits] : bits_) {
    const auto length = static_cast<uint16_t>((bits + 7) / 8 + 1);
    const auto [kind, id] = key;
    uint16_t& longest = kind == ReportKind::kInput    ? open_.caps.input_report_length
                        : kind == ReportKind::kOutput ? open_.caps.output_report_length
                                                      : open_.caps.feature_report_length;
    longest = std::max(longest, length);
    if (kind == ReportKind::kInput) open_.input_report_ids.push_back(id);
  }
  bits_.clear();
  collections_.push_back(std::move(open_));
}

}  // namespace

std::optional<ReportDescriptor> ParseReportDescriptor(std::span<const uint8_t> bytes) {
  return DescriptorParser().Parse(bytes);
}

}  // namespace vx
