// JPEG pictures through libjpeg's 6b interface. A corrupt file must never end the program from
// inside the library, so errors jump back here and the picture counts as not loadable; a header
// that claims more than the game ever shows is refused before anything is allocated for it.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "game/media/media_internal.h"
#include "game/media/picture_header.h"

namespace {

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  std::longjmp(error->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

void UseJumpingErrors(jpeg_decompress_struct& info, JpegError& error) {
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnJpegError;
  error.manager.output_message = IgnoreJpegMessage;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool ReadJpegSize(const std::string& file, int& width, int& height) {
  std::unique_ptr<std::FILE, FileCloser> input(std::fopen(file.c_str(), "rb"));
  if (!input) return false;
  jpeg_decompress_struct info;
  JpegError error;
  UseJumpingErrors(info, error);
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, input.get());
  jpeg_read_header(&info, TRUE);
  width = static_cast<int>(info.image_width);
  height = static_cast<int>(info.image_height);
  jpeg_destroy_decompress(&info);
  return width > 0 && height > 0;
}

SDL_Surface* DecodeJpegFile(const std::string& file) {
  std::unique_ptr<std::FILE, FileCloser> input(std::fopen(file.c_str(), "rb"));
  if (!input) return nullptr;

  jpeg_decompress_struct info;
  JpegError error;
  UseJumpingErrors(info, error);
  // Owned outside the jump region so that a longjmp leaks nothing.
  SDL_Surface* volatile surface = nullptr;
  std::vector<unsigned char> row;

  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    if (surface) SDL_FreeSurface(surface);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, input.get());
  jpeg_read_header(&info, TRUE);
  if (info.image_width > kLargestPictureSide || info.image_height > kLargestPictureSide) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  surface =
      NewPictureSurface(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  if (!surface) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  row.resize(static_cast<size_t>(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    auto* pixels = reinterpret_cast<Uint32*>(static_cast<unsigned char*>(surface->pixels) +
                                             y * surface->pitch);
    for (unsigned x = 0; x < info.output_width; ++x) {
      const unsigned char* rgb = &row[x * 3];
      pixels[x] = 0xFF000000u | (Uint32(rgb[0]) << 16) | (Uint32(rgb[1]) << 8) | rgb[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return surface;
}
