#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "device/hid_port.h"
#include "device/report_codec.h"

namespace vx {

// The one description of the opened mouse. The event reader thread reads device_ready and the
// event read handle's fields; everything else belongs to the window thread.
struct LinkState {
  std::wstring device_path;

  HidHandle feature_handle = kInvalidHidHandle;
  uint16_t feature_report_length = 0;
  uint16_t input_report_length = 0;
  uint16_t output_report_length = 0;

  // The window thread opens and closes the event read handle and the reader reads on it. These
  // three change only under the lock, the reader looks at them only under it, and neither holds
  // it across a wait (the reader only starts, polls and cancels reads under it): so a re-open
  // never waits for the reader, and no read is started, polled or cancelled on a handle already
  // closed, whose value the system may have given to another device. Each closing counts as a
  // new opening, so that a value handed out again is not taken for the old handle.
  std::mutex event_handle_mutex;
  HidHandle event_read_handle = kInvalidHidHandle;
  uint16_t event_report_length = 0;
  uint64_t event_opening = 0;
  // The overlapped record's event; null until start-up creates it.
  std::shared_ptr<WakeEvent> wake;

  // 1 while the feature handle is open and the last handshake (if any yet) was answered.
  std::atomic<uint32_t> device_ready{0};
  uint32_t scramble_on = 0;
  KeyBlock key_block{};
  uint8_t sensor_type = 0;

  bool DeviceReady() const { return device_ready.load() == 1; }
};

}  // namespace vx
