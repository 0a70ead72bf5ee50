// Profile files, which users mail to each other and edit by hand.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "device/record_check.h"
#include "fuzz/fuzz_support.h"
#include "profiles/profile_file.h"

namespace vx::fuzz {
namespace {

std::span<const uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

void CheckRefusal(std::span<const uint8_t> bytes, const ProfileFileRead& read) {
  Require(!read.error.empty() && read.error.find('\n') == std::string::npos,
          "a refusal is one line");
  if (bytes.size() > kLargestProfileFileBytes) return;
  const size_t lines = 1 + static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  Require(read.error_line >= 1 && read.error_line <= lines,
          "every refusal names a line within the file");
  Require(read.error.rfind("line " + std::to_string(read.error_line) + ": ", 0) == 0,
          "a refusal begins with its line");
}

void CheckReadsBack(std::span<const uint8_t> bytes, const ProfileFile& file) {
  Require(LooksLikeProfileFile(bytes), "a file read as a profile looks like one");
  Require(!DeviceDataFault(file.setup.record), "a profile's record passes the device-data check");
  const std::string text = WriteProfileFile(file);
  const ProfileFileRead again = ReadProfileFile(BytesOf(text));
  Require(again.file && *again.file == file, "a profile written reads back the same");
  Require(WriteProfileFile(*again.file) == text, "a profile read back writes the same text");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  const std::span<const uint8_t> bytes(data, size);
  const ProfileFileRead read = ReadProfileFile(bytes);
  if (read.file) {
    CheckReadsBack(bytes, *read.file);
  } else {
    CheckRefusal(bytes, read);
  }
  return 0;
}
