#pragma once

#include <string>

namespace vx {

// Modal message boxes with the application title as caption and an OK button.
class MessagePort {
 public:
  virtual ~MessagePort() = default;
  virtual void ShowMessage(const std::wstring& text) = 0;
  // The few boxes that carry their own caption instead of the application title.
  virtual void ShowMessage(const std::wstring& text, const std::wstring& caption) = 0;
};

}  // namespace vx
