#include "jpeg_writer.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <cstdlib>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace vaneko::tools {

std::vector<unsigned char> EncodeBaselineJpeg(const QImage& image, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

  // libjpeg's standard error handler prints the message and ends the program, which suits a
  // command-line generator: a failure here means the generator itself is broken.
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);

  unsigned char* buffer = nullptr;
  unsigned long buffer_size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &buffer_size);

  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);  // baseline, JFIF, YCbCr
  jpeg_set_quality(&cinfo, quality, TRUE);
  // Full chroma resolution: the picture is line art, and the grey chroma planes cost nothing.
  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  cinfo.optimize_coding = TRUE;  // optimal Huffman tables; still a baseline stream
  cinfo.density_unit = 1;        // dots per inch
  cinfo.X_density = 96;
  cinfo.Y_density = 96;

  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    // libjpeg's row pointer is not const, although it only reads the row.
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);

  std::vector<unsigned char> stream(buffer, buffer + buffer_size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return stream;
}

}  // namespace vaneko::tools
