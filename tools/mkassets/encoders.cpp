#include "tools/mkassets/encoders.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace {

unsigned char ToByte(float v) {
  return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

void Put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutBe32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// Colour of the nearest covered neighbours for fully transparent pixels, so that filtered
// drawing does not pull a dark fringe into soft edges.
Image BleedIntoTransparent(const Image& image) {
  Image out = image;
  for (int pass = 0; pass < 3; ++pass) {
    Image prev = out;
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x) {
        if (At(prev, x, y).a > 0) continue;
        float r = 0, g = 0, b = 0;
        int n = 0;
        for (int j = -1; j <= 1; ++j)
          for (int i = -1; i <= 1; ++i) {
            int xx = x + i, yy = y + j;
            if (xx < 0 || yy < 0 || xx >= out.width || yy >= out.height) continue;
            const Rgba& q = At(prev, xx, yy);
            if (q.a <= 0 && q.r + q.g + q.b <= 0) continue;
            r += q.r, g += q.g, b += q.b, ++n;
          }
        if (n > 0) At(out, x, y) = {r / n, g / n, b / n, 0};
      }
  }
  return out;
}

}  // namespace

void PixelBytes(const Rgba& p, PixelMode mode, unsigned char out[3]) {
  if (mode == PixelMode::kLight) {
    out[0] = ToByte(p.r), out[1] = ToByte(p.g), out[2] = ToByte(p.b);
    return;
  }
  if (p.a < 0.2f) {
    out[0] = out[1] = out[2] = 0;
    return;
  }
  float a = std::min(1.0f, p.a);
  out[0] = ToByte(p.r * a), out[1] = ToByte(p.g * a), out[2] = ToByte(p.b * a);
  if (out[0] == 0 && out[1] == 0 && out[2] == 0) out[0] = out[1] = out[2] = 1;
}

std::string EncodeBmp(const Image& source, PixelMode mode) {
  const bool alpha = mode == PixelMode::kAlpha;
  const Image image = alpha ? BleedIntoTransparent(source) : source;
  const int bpp = alpha ? 32 : 24;
  const int rowBytes = ((image.width * bpp / 8) + 3) & ~3;
  const std::uint32_t headerSize = alpha ? 124 : 40;  // BITMAPV5HEADER carries the alpha mask
  const std::uint32_t dataOffset = 14 + headerSize;
  const std::uint32_t dataSize = rowBytes * image.height;
  std::string out;
  out.reserve(dataOffset + dataSize);
  out += "BM";
  Put32(out, dataOffset + dataSize);
  Put32(out, 0);
  Put32(out, dataOffset);
  Put32(out, headerSize);
  Put32(out, image.width);
  Put32(out, image.height);  // positive: rows bottom-up
  Put16(out, 1);
  Put16(out, bpp);
  Put32(out, alpha ? 3 : 0);  // BI_BITFIELDS : BI_RGB
  Put32(out, dataSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  if (alpha) {
    Put32(out, 0x00FF0000);
    Put32(out, 0x0000FF00);
    Put32(out, 0x000000FF);
    Put32(out, 0xFF000000);
    Put32(out, 0x73524742);     // 'sRGB'
    out.append(36 + 12, '\0');  // endpoints, gamma
    Put32(out, 4);              // intent: LCS_GM_IMAGES
    out.append(12, '\0');       // profile data, size, reserved
  }
  for (int y = image.height - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Rgba& p = At(image, x, y);
      if (alpha) {
        unsigned char a = ToByte(p.a);
        unsigned char r = ToByte(p.r), g = ToByte(p.g), b = ToByte(p.b);
        if (a > 0 && r == 0 && g == 0 && b == 0) r = g = b = 1;
        if (a == 0 && p.r + p.g + p.b <= 0) r = g = b = 0;
        out.push_back(static_cast<char>(b));
        out.push_back(static_cast<char>(g));
        out.push_back(static_cast<char>(r));
        out.push_back(static_cast<char>(a));
      } else {
        unsigned char rgb[3];
        PixelBytes(p, mode, rgb);
        out.push_back(static_cast<char>(rgb[2]));
        out.push_back(static_cast<char>(rgb[1]));
        out.push_back(static_cast<char>(rgb[0]));
      }
    }
    out.append(rowBytes - (out.size() - start), '\0');
  }
  return out;
}

std::string EncodeJpeg(const Image& image, int quality, PixelMode mode) {
  if (mode == PixelMode::kAlpha) mode = PixelMode::kKeyed;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = image.width;
  cinfo.image_height = image.height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  for (int c = 0; c < 3; ++c)
    cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(image.width * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    int y = cinfo.next_scanline;
    for (int x = 0; x < image.width; ++x)
      PixelBytes(At(image, x, y), PixelMode::kKeyed, &row[x * 3]);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

std::string EncodePng(const Image& image) {
  std::string raw;
  raw.reserve((image.width * 3 + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const Rgba& p = At(image, x, y);
      raw.push_back(static_cast<char>(ToByte(p.r)));
      raw.push_back(static_cast<char>(ToByte(p.g)));
      raw.push_back(static_cast<char>(ToByte(p.b)));
    }
  }
  uLongf packedSize = compressBound(raw.size());
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 6) != Z_OK)
    throw std::runtime_error("PNG compression failed");
  packed.resize(packedSize);

  std::string out = "\x89PNG\r\n\x1a\n";
  auto chunk = [&out](const char* type, const std::string& body) {
    PutBe32(out, static_cast<std::uint32_t>(body.size()));
    std::string typed = std::string(type, 4) + body;
    out += typed;
    PutBe32(out, static_cast<std::uint32_t>(
                     crc32(0, reinterpret_cast<const Bytef*>(typed.data()), typed.size())));
  };
  std::string header;
  PutBe32(header, image.width);
  PutBe32(header, image.height);
  header +=
      std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
  chunk("IHDR", header);
  chunk("IDAT", packed);
  chunk("IEND", "");
  return out;
}

std::string EncodeWav(const std::vector<float>& samples, int sampleRate) {
  std::string out = "RIFF";
  const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  Put32(out, 36 + dataSize);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, sampleRate);
  Put32(out, sampleRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, dataSize);
  for (float s : samples) {
    int v = static_cast<int>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    Put16(out, static_cast<unsigned>(v) & 0xFFFF);
  }
  return out;
}
