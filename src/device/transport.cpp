#include "device/transport.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "device/system_error.h"

namespace vx {

namespace {

// The program's own buffers are 16 and 40 bytes; a collection with longer reports still gets a
// buffer as long as its reports.
constexpr size_t kFeatureBufferSize = 16;
constexpr size_t kLongBufferSize = 40;

std::vector<uint8_t> ZeroedBuffer(size_t minimum, uint16_t report_length) {
  return std::vector<uint8_t>(std::max<size_t>(minimum, report_length), 0);
}

}  // namespace

void Transport::NoteFailure(const char* call, IoStatus status) {
  const char* how = status == IoStatus::kTimedOut ? " timed out.\n" : " failed.\n";
  diagnostics_.Diagnostic(call + std::string(how) + ErrorCodeLine(port_.LastError()));
}

bool Transport::SendHeader(const CommandHeader& header) {
  std::vector<uint8_t> report = ZeroedBuffer(kFeatureBufferSize, link_.feature_report_length);
  const auto framed = FramePlainReport(header);
  std::copy(framed.begin(), framed.end(), report.begin());
  if (link_.scramble_on) {
    ScrambleReport(std::span<uint8_t, 8>(report.data() + 1, 8), link_.key_block);
  }
  const bool sent = port_.SetFeature(
      link_.feature_handle, std::span<const uint8_t>(report.data(), link_.feature_report_length));
  if (!sent) NoteFailure("HidD_SetFeature");
  return sent;
}

bool Transport::ReadAnswer(CommandHeader& header) {
  const uint8_t command = header[0];
  std::vector<uint8_t> report = ZeroedBuffer(kFeatureBufferSize, link_.feature_report_length);
  const bool answered = port_.GetFeature(
      link_.feature_handle, std::span<uint8_t>(report.data(), link_.feature_report_length));
  if (!answered) NoteFailure("HidD_GetFeature");
  if (link_.scramble_on) {
    UnscrambleReport(std::span<uint8_t, 8>(report.data() + 1, 8), link_.key_block);
  }
  std::copy(report.begin() + 1, report.begin() + 9, header.begin());
  // An empty, short or garbled answer shows itself by its first byte.
  return answered && header[0] == command;
}

bool Transport::SendCommand(CommandHeader& header) {
  const bool sent = SendHeader(header);
  if ((header[0] & kReadFlag) == 0) return sent;
  return sent && ReadAnswer(header);
}

void Transport::Exchange(CommandHeader& header, uint32_t pause_ms) {
  SendHeader(header);
  pause_.Pause(pause_ms);
  ReadAnswer(header);
}

bool Transport::TransferBlock(CommandHeader& header, std::span<uint8_t> data,
                              AnsweredLength rule) {
  if (!SendHeader(header)) return false;
  if ((header[0] & kReadFlag) == 0) return WriteBlock(header[2], data);
  // The length of an answer that is not one says nothing: no report is waited for.
  if (!ReadAnswer(header)) return false;
  const uint8_t answered = header[2];
  const size_t asked = std::min<size_t>(data.size(), 255);
  const bool accepted = rule == AnsweredLength::kExact ? answered == asked : answered <= asked;
  return ReadBlock(answered, data) && accepted;
}

bool Transport::ReadBlock(uint8_t length, std::span<uint8_t> data) {
  std::vector<uint8_t> report = ZeroedBuffer(kLongBufferSize, link_.input_report_length);
  const size_t count = LongTransferReportCount(length);
  for (size_t i = 0; i < count; ++i) {
    std::fill(report.begin(), report.end(), 0);
    const IoResult result = port_.ReadReport(
        link_.feature_handle, std::span<uint8_t>(report.data(), link_.input_report_length),
        kReportTimeoutMs);
    // A mouse that did not answer within the bound will not answer the rest either.
    if (result.status != IoStatus::kDone) {
      NoteFailure("ReadFile", result.status);
      return false;
    }
    // Every report is read off the wire, so none is left queued for the next transfer, but only
    // the answered bytes that fit are kept.
    const size_t offset = i * kLongTransferChunk;
    const size_t end = std::min<size_t>(length, data.size());
    if (offset >= end) continue;
    const size_t kept = std::min(kLongTransferChunk, end - offset);
    std::memcpy(data.data() + offset, report.data() + 1, kept);
  }
  return true;
}

bool Transport::WriteBlock(uint8_t length, std::span<const uint8_t> data) {
  std::vector<uint8_t> report = ZeroedBuffer(kLongBufferSize, link_.output_report_length);
  const size_t count = LongTransferReportCount(length);
  for (size_t i = 0; i < count; ++i) {
    std::fill(report.begin(), report.end(), 0);
    // Only the transfer's own bytes go out: the tail of the last report stays zero.
    const size_t offset = i * kLongTransferChunk;
    const size_t end = std::min<size_t>(length, data.size());
    if (offset < end) {
      std::memcpy(report.data() + 1, data.data() + offset,
                  std::min(kLongTransferChunk, end - offset));
    }
    const IoResult result = port_.WriteReport(
        link_.feature_handle, std::span<const uint8_t>(report.data(), link_.output_report_length),
        kReportTimeoutMs);
    if (result.status != IoStatus::kDone) {
      NoteFailure("WriteFile", result.status);
      return false;
    }
    pause_.Pause(kOutputReportPauseMs);
  }
  return true;
}

}  // namespace vx
