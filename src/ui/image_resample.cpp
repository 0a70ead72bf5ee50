#include "ui/image_resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace vx {

namespace {

// The source pixels one target pixel of an axis reads, and their weights (summing to 1).
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Taps> AxisTaps(int source, int target) {
  const double ratio = static_cast<double>(source) / target;
  const double support = std::max(1.0, ratio);
  std::vector<Taps> axis(static_cast<size_t>(target));
  for (int i = 0; i < target; ++i) {
    const double centre = (i + 0.5) * ratio;
    const int first = std::max(0, static_cast<int>(std::floor(centre - support)));
    const int last = std::min(source - 1, static_cast<int>(std::ceil(centre + support)));
    Taps& taps = axis[static_cast<size_t>(i)];
    taps.first = first;
    double sum = 0;
    for (int j = first; j <= last; ++j) {
      const double weight = std::max(0.0, 1.0 - std::abs(j + 0.5 - centre) / support);
      taps.weights.push_back(static_cast<float>(weight));
      sum += weight;
    }
    for (float& weight : taps.weights) weight = static_cast<float>(weight / sum);
  }
  return axis;
}

uint8_t ToByte(float value) {
  return static_cast<uint8_t>(std::clamp(std::floor(value + 0.5f), 0.0f, 255.0f));
}

// The pass along the rows, kept in floats so that only the pass down the columns rounds.
std::vector<float> Horizontal(const DecodedImage& image, int width) {
  const std::vector<Taps> axis = AxisTaps(image.width, width);
  std::vector<float> out(static_cast<size_t>(width) * static_cast<size_t>(image.height) * 4);
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width * 4;
    float* target = out.data() + static_cast<size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x, target += 4) {
      const Taps& taps = axis[static_cast<size_t>(x)];
      for (size_t k = 0; k < taps.weights.size(); ++k) {
        const uint8_t* pixel = row + (static_cast<size_t>(taps.first) + k) * 4;
        for (int c = 0; c < 4; ++c) target[c] += taps.weights[k] * pixel[c];
      }
    }
  }
  return out;
}

}  // namespace

DecodedImage Resampled(const DecodedImage& image, int width, int height) {
  if ((width == image.width && height == image.height) || width <= 0 || height <= 0 ||
      image.width <= 0 || image.height <= 0) {
    return image;
  }
  const std::vector<float> rows = Horizontal(image, width);
  const std::vector<Taps> axis = AxisTaps(image.height, height);
  DecodedImage out;
  out.width = width;
  out.height = height;
  out.has_alpha = image.has_alpha;
  out.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  const size_t stride = static_cast<size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    const Taps& taps = axis[static_cast<size_t>(y)];
    for (size_t i = 0; i < stride; ++i) {
      float value = 0;
      for (size_t k = 0; k < taps.weights.size(); ++k) {
        value += taps.weights[k] * rows[(static_cast<size_t>(taps.first) + k) * stride + i];
      }
      out.pixels[static_cast<size_t>(y) * stride + i] = ToByte(value);
    }
  }
  return out;
}

}  // namespace vx
