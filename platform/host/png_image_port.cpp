#include <png.h>
#include <sys/stat.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "common/text_format.h"
#include "platform/system_drawing.h"

namespace vx {

namespace {

constexpr png_uint_32 kMaxSide = 8192;

// A file that cannot be loaded is the caller's to report; libpng would print to stderr.
[[noreturn]] void Fail(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void Ignore(png_structp, png_const_charp) {}

class PngReader {
 public:
  explicit PngReader(FILE* file)
      : file_(file),
        png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {}
  ~PngReader() {
    png_destroy_read_struct(&png_, &info_, nullptr);
    std::fclose(file_);
  }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  // libpng reports errors by longjmp back to here; no object with a destructor lives in this
  // frame, and the rows and pixels belong to the caller.
  bool Read(DecodedImage& image, std::vector<png_bytep>& rows) {
    if (png_ == nullptr || info_ == nullptr) return false;
    if (setjmp(png_jmpbuf(png_))) return false;
    // Far above any window's size; a damaged header cannot ask for gigabytes.
    png_set_user_limits(png_, kMaxSide, kMaxSide);
    png_init_io(png_, file_);
    png_read_info(png_, info_);
    image.has_alpha = (png_get_color_type(png_, info_) & PNG_COLOR_MASK_ALPHA) != 0 ||
                      png_get_valid(png_, info_, PNG_INFO_tRNS) != 0;
    ToEightBitBgra();
    image.width = static_cast<int>(png_get_image_width(png_, info_));
    image.height = static_cast<int>(png_get_image_height(png_, info_));
    const size_t stride = static_cast<size_t>(image.width) * 4;
    image.pixels.resize(stride * static_cast<size_t>(image.height));
    rows.resize(static_cast<size_t>(image.height));
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = image.pixels.data() + y * stride;
    png_read_image(png_, rows.data());
    png_read_end(png_, nullptr);
    return true;
  }

 private:
  // Palette, grey, transparency chunks and 16-bit samples all end as 8-bit BGRA with straight
  // alpha; a file without alpha gets an opaque filler byte.
  void ToEightBitBgra() {
    png_set_expand(png_);
    png_set_scale_16(png_);
    png_set_gray_to_rgb(png_);
    png_set_bgr(png_);
    png_set_filler(png_, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png_);
    png_read_update_info(png_, info_);
  }

  FILE* file_;
  png_structp png_;
  png_infop info_;
};

class PngImagePort : public ImagePort {
 public:
  std::optional<DecodedImage> Decode(const std::wstring& path) override {
    FILE* file = std::fopen(ToUtf8(path).c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    PngReader reader(file);
    DecodedImage image;
    std::vector<png_bytep> rows;
    if (!reader.Read(image, rows)) return std::nullopt;
    return image;
  }

  std::optional<FileStamp> Stamp(const std::wstring& path) override {
    FILE* file = std::fopen(ToUtf8(path).c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    struct stat info;
    const bool known = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    std::fclose(file);
    if (!known) return std::nullopt;
    return FileStamp{static_cast<uint64_t>(info.st_size),
                     static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                         static_cast<uint64_t>(info.st_mtim.tv_nsec)};
  }
};

}  // namespace

std::unique_ptr<ImagePort> CreateSystemImagePort() {
  return std::make_unique<PngImagePort>();
}

}  // namespace vx
