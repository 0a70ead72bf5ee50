#pragma once

#include <cstdint>
#include <vector>

// Report descriptors written out item by item from the HID item encoding (prefix byte: tag in
// the high nibble, type in bits 3..2, data size in bits 1..0), one per kind of collection.
namespace vx::test {

// A boot mouse: three buttons, five bits of padding, X, Y and wheel. Input report 4 bytes.
inline const std::vector<uint8_t> kPointerDescriptor = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x09, 0x01,  //   Usage (Pointer)
    0xA1, 0x00,  //   Collection (Physical)
    0x05, 0x09,  //     Usage Page (Button)
    0x19, 0x01,  //     Usage Minimum (1)
    0x29, 0x03,  //     Usage Maximum (3)
    0x15, 0x00,  //     Logical Minimum (0)
    0x25, 0x01,  //     Logical Maximum (1)
    0x95, 0x03,  //     Report Count (3)
    0x75, 0x01,  //     Report Size (1)
    0x81, 0x02,  //     Input (Data, Variable, Absolute)
    0x95, 0x01,  //     Report Count (1)
    0x75, 0x05,  //     Report Size (5)
    0x81, 0x03,  //     Input (Constant)
    0x05, 0x01,  //     Usage Page (Generic Desktop)
    0x09, 0x30,  //     Usage (X)
    0x09, 0x31,  //     Usage (Y)
    0x09, 0x38,  //     Usage (Wheel)
    0x15, 0x81,  //     Logical Minimum (-127)
    0x25, 0x7F,  //     Logical Maximum (127)
    0x75, 0x08,  //     Report Size (8)
    0x95, 0x03,  //     Report Count (3)
    0x81, 0x06,  //     Input (Data, Variable, Relative)
    0xC0,        //   End Collection
    0xC0,        // End Collection
};

// The commands: no report IDs, 32-byte input and output reports, 8-byte feature reports.
inline const std::vector<uint8_t> kVendorDescriptor = {
    0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
    0x0A, 0x00, 0xFF,  // Usage (0xFF00)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x20,        //   Report Count (32)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0x09, 0x02,        //   Usage (2)
    0x91, 0x02,        //   Output (Data, Variable, Absolute)
    0x95, 0x08,        //   Report Count (8)
    0x09, 0x03,        //   Usage (3)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0xC0,              // End Collection
};

// The notifications: report ID 6, 7 bytes after it.
inline const std::vector<uint8_t> kEventDescriptor = {
    0x06, 0x01, 0xFF,  // Usage Page (0xFF01)
    0x0A, 0x01, 0xFF,  // Usage (0xFF01)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x06,        //   Report ID (6)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0xC0,              // End Collection
};

// Both of the mouse's collections on one interface, so every report is numbered: the commands
// under IDs 1 and 2 (feature reports of 8 and 16 bytes), the notifications under ID 6.
inline const std::vector<uint8_t> kNumberedMouseDescriptor = {
    0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
    0x0A, 0x00, 0xFF,  // Usage (0xFF00)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x20,        //   Report Count (32)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input
    0x09, 0x02,        //   Usage (2)
    0x91, 0x02,        //   Output
    0x95, 0x08,        //   Report Count (8)
    0x09, 0x03,        //   Usage (3)
    0xB1, 0x02,        //   Feature
    0x85, 0x02,        //   Report ID (2)
    0x95, 0x10,        //   Report Count (16)
    0x09, 0x04,        //   Usage (4)
    0xB1, 0x02,        //   Feature
    0xC0,              // End Collection
    0x06, 0x01, 0xFF,  // Usage Page (0xFF01)
    0x0A, 0x01, 0xFF,  // Usage (0xFF01)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x06,        //   Report ID (6)
    0x95, 0x07,        //   Report Count (7)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input
    0xC0,              // End Collection
};

}  // namespace vx::test
