#pragma once

// The spacing of the skin's repeated slider images; the pages lay their cells out by it.
namespace vx {

inline constexpr int kSliderPositions = 11;
inline constexpr int kSliderStep = 24;
inline constexpr int kDpiCellStep = 18;
inline constexpr int kReportRateStep = 72;

}  // namespace vx
