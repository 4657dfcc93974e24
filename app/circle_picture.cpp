#include "circle_picture.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <csetjmp>
#include <cstdio>
#include <limits>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace vaneko {
namespace {

// libjpeg reports a fatal error through error_exit, which must not return; its standard
// handler prints the message and exits. Ours jumps back to the decoding step that was running,
// which then reports the failure. Only C frames (libjpeg's) and trivially destructible locals lie
// between the jump and its target, so the jump skips no destructor.
struct JumpingErrorManager {
  jpeg_error_mgr manager;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf failure;
};

extern "C" {

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
  std::longjmp(errors->failure, 1);
}

// A negative level is a warning about corrupt data (for example a stream that ends before its
// last row); such a stream is refused rather than shown half grey. Trace messages are ignored.
void JumpOnWarning(j_common_ptr cinfo, int level) {
  if (level < 0) JumpOnError(cinfo);
}

void PrintNothing(j_common_ptr) {}

}  // extern "C"

// Reads the stream's header and starts decompression to 8-bit RGB. Returns false when libjpeg
// fails; `cinfo` is then left to the caller to destroy.
bool StartDecompression(jpeg_decompress_struct* cinfo, JumpingErrorManager* errors,
                        const unsigned char* data, unsigned long size) {
  if (setjmp(errors->failure) != 0) return false;
  jpeg_mem_src(cinfo, data, size);
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  cinfo->out_color_space = JCS_RGB;
  jpeg_start_decompress(cinfo);
  return cinfo->output_components == 3;
}

// Decompresses every row into `bits`, one row every `bytes_per_line` bytes, and finishes the
// stream. Returns false when libjpeg fails or warns of corrupt data.
bool ReadAllRows(jpeg_decompress_struct* cinfo, JumpingErrorManager* errors, unsigned char* bits,
                 std::size_t bytes_per_line) {
  if (setjmp(errors->failure) != 0) return false;
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = bits + static_cast<std::size_t>(cinfo->output_scanline) * bytes_per_line;
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// Owns a decompressor and destroys it on every way out.
class Decompressor {
 public:
  Decompressor() {
    cinfo_.err = jpeg_std_error(&errors_.manager);
    errors_.manager.error_exit = JumpOnError;
    errors_.manager.emit_message = JumpOnWarning;
    errors_.manager.output_message = PrintNothing;
    jpeg_create_decompress(&cinfo_);
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct* cinfo() { return &cinfo_; }
  JumpingErrorManager* errors() { return &errors_; }

 private:
  jpeg_decompress_struct cinfo_{};
  JumpingErrorManager errors_{};
};

}  // namespace

QImage DecodeJpeg(const unsigned char* data, std::size_t size) {
  if (data == nullptr || size == 0 || size > std::numeric_limits<unsigned long>::max()) return {};

  Decompressor decompressor;
  jpeg_decompress_struct* cinfo = decompressor.cinfo();
  if (!StartDecompression(cinfo, decompressor.errors(), data, static_cast<unsigned long>(size))) {
    return {};
  }

  QImage image(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
               QImage::Format_RGB888);
  if (image.isNull()) return {};  // too large to allocate
  if (!ReadAllRows(cinfo, decompressor.errors(), image.bits(),
                   static_cast<std::size_t>(image.bytesPerLine()))) {
    return {};
  }
  return image;
}

QImage CirclePicture() {
  return DecodeJpeg(kCirclePicture, kCirclePicture_size);
}

}  // namespace vaneko
