#pragma once

#include <cstdint>

#include "common/message_port.h"
#include "pages/pointer_port.h"
#include "settings/settings_record.h"

namespace vx {

inline constexpr uint32_t kWheelPageScroll = 0xFFFFFFFF;
inline constexpr uint8_t kPointerSteps = 11;

// Slider positions and Windows values. Values read from Windows are kept within the sliders'
// positions, so Apply only ever sends a value a slider offers.
int MouseSpeedFromStep(uint8_t step);
uint8_t StepFromMouseSpeed(int speed);
uint32_t DoubleClickTimeFromStep(uint8_t step);
uint8_t StepFromDoubleClickTime(uint32_t milliseconds);

// The record's five pointer fields from Windows, each failure told; a failed read leaves its
// field as it was (the scroll lines read as 0).
void ReadPointerSettings(PointerPort& pointer, MessagePort& messages, SettingsRecord& record);

// The record's pointer fields to Windows, in order; every failure is told and the next call
// still made.
void ApplyPointerSettings(const SettingsRecord& record, PointerPort& pointer,
                          MessagePort& messages);

// The five pointer fields of one record into another.
void CopyPointerFields(const SettingsRecord& from, SettingsRecord& to);

// Windows' usual values, to Windows at once and into the record.
void RestorePointerDefaults(PointerPort& pointer, MessagePort& messages, SettingsRecord& record);

}  // namespace vx
