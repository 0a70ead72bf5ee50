#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "device/hid_port.h"
#include "device/report_codec.h"

namespace vx {

// The one description of the opened mouse. The event reader thread reads the atomics; everything
// else belongs to the window thread.
struct LinkState {
  std::wstring device_path;

  HidHandle feature_handle = kInvalidHidHandle;
  uint16_t feature_report_length = 0;
  uint16_t input_report_length = 0;
  uint16_t output_report_length = 0;

  // The window thread replaces the event read handle only under this lock, and the reader starts
  // and cancels its reads under it, so no read ever starts on a handle already closed (whose
  // value the system may have given to another device by then).
  std::mutex event_handle_mutex;
  std::atomic<HidHandle> event_read_handle{kInvalidHidHandle};
  HidHandle event_write_handle = kInvalidHidHandle;
  std::atomic<uint16_t> event_report_length{0};
  // The overlapped record's event; null until start-up creates it.
  std::shared_ptr<WakeEvent> wake;

  std::atomic<uint32_t> device_ready{0};
  uint32_t scramble_on = 0;
  KeyBlock key_block{};
  uint8_t sensor_type = 0;

  bool DeviceReady() const { return device_ready.load() == 1; }
};

}  // namespace vx
