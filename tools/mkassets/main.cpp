// mkassets: makes the runnable game folder from the repository's data: converted INI and TXT,
// SAVE, and every picture and sound the game loads.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

#include "tools/mkassets/contact_sheet.h"
#include "tools/mkassets/encoders.h"
#include "tools/mkassets/generate.h"
#include "tools/mkassets/text_render.h"

#ifndef MKASSETS_DEFAULT_DATA
#define MKASSETS_DEFAULT_DATA "data"
#endif

namespace {

int Usage() {
  std::cerr << "usage: mkassets <game folder> [--data <data folder>] [--no-voices]\n"
               "       mkassets [<game folder>] --contact-sheet <file.png> [--only <text>]"
               " [--full] [--columns <n>]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  GenerateOptions options;
  options.dataDir = MKASSETS_DEFAULT_DATA;
  std::string sheet, only;
  int columns = 8;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
      return argv[++i];
    };
    try {
      if (arg == "--data")
        options.dataDir = value();
      else if (arg == "--contact-sheet")
        sheet = value();
      else if (arg == "--only")
        only = value();
      else if (arg == "--columns")
        columns = std::stoi(value());
      else if (arg == "--full")
        options.previewSide = 1024;
      else if (arg == "--no-voices")
        options.voices = false;
      else if (!arg.empty() && arg[0] != '-' && options.gameDir.empty())
        options.gameDir = arg;
      else
        return Usage();
    } catch (const std::exception&) {
      return Usage();
    }
  }
  bool scratch = false;
  if (options.gameDir.empty()) {
    if (sheet.empty()) return Usage();
    // A review sheet alone is made in a scratch folder that is removed afterwards.
    options.gameDir = fs::temp_directory_path() / ("mkassets-sheet-" + std::to_string(::getpid()));
    options.voices = false;
    scratch = true;
  }
  options.keepPreviews = !sheet.empty();
  int status = 0;
  try {
    AssetSink sink;
    GenerateGameFolder(options, sink);
    if (!sheet.empty()) {
      if (!only.empty()) {
        std::erase_if(sink.pictures, [&only](const PictureRecord& r) {
          return r.dataPath.find(only) == std::string::npos &&
                 r.numbers.find(only) == std::string::npos;
        });
      }
      Image image = ContactSheet(sink, columns);
      std::string bytes = EncodePng(image);
      std::ofstream out(sheet, std::ios::binary);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      if (!out) throw std::runtime_error("cannot write " + sheet);
    }
    std::cout << "mkassets: " << sink.writtenFiles.size() << " files in "
              << options.gameDir.string() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "mkassets: " << error.what() << "\n";
    status = 1;
  }
  QuitText();
  if (scratch) fs::remove_all(options.gameDir);
  return status;
}
