// Conversion of the repository's UTF-8/LF data into the game's Latin-1/CR LF form.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tests/support/temp_folder.h"
#include "tools/mkassets/text_data.h"

namespace {

std::string ErrorOf(std::string_view text) {
  try {
    ConvertDataText(text, "INI/Test.ini");
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(MkassetsText, ConvertsUmlautsAndLineEndsByteForByte) {
  EXPECT_EQ(ConvertDataText("Gr\xC3\xB6\xC3\x9F"
                            "e\n\xC3\x84\xC3\x96\xC3\x9C\n",
                            "x"),
            "Gr\xF6\xDF"
            "e\r\n\xC4\xD6\xDC\r\n");
  // Every Latin-1 character survives, including the top of the range and NBSP.
  EXPECT_EQ(ConvertDataText("\xC2\xA0\xC3\xBF", "x"), "\xA0\xFF");
  // CR LF in the source stays one line end; a missing final line end stays missing.
  EXPECT_EQ(ConvertDataText("a\r\nb\nc", "x"), "a\r\nb\r\nc");
  EXPECT_EQ(ConvertDataText("", "x"), "");
  // A byte order mark from an editor is not part of the data.
  EXPECT_EQ(ConvertDataText("\xEF\xBB\xBF[Systeme]\n", "x"), "[Systeme]\r\n");
}

TEST(MkassetsText, ColumnsCountCharactersSoAlignmentSurvives) {
  // "Kröte" padded to 20 characters in UTF-8 is 21 bytes; in Latin-1 it must be 20.
  std::string line = "Kr\xC3\xB6te" + std::string(15, ' ') + "46";
  std::string out = ConvertDataText(line, "x");
  EXPECT_EQ(out.size(), 22u);
  EXPECT_EQ(out.substr(20), "46");
}

TEST(MkassetsText, RejectsTextWithoutLatin1FormNamingFileAndLine) {
  std::string euro = ErrorOf("erste Zeile\nPreis 5 \xE2\x82\xAC\n");
  EXPECT_NE(euro.find("INI/Test.ini:2"), std::string::npos) << euro;
  EXPECT_NE(euro.find("U+20AC"), std::string::npos) << euro;
  EXPECT_NE(ErrorOf("\xF0\x9F\x9A\x80").find(":1:"), std::string::npos);  // outside the BMP
  EXPECT_NE(ErrorOf("a\n\nb\xC3(").find(":3: malformed"), std::string::npos);
  EXPECT_NE(ErrorOf("\xC0\xAF").find("malformed"), std::string::npos);     // overlong "/"
  EXPECT_NE(ErrorOf("\xE0\x80\xAF").find("overlong"), std::string::npos);  // overlong, 3 bytes
  EXPECT_NE(ErrorOf("ende \xC3").find("end of the file"), std::string::npos);
  EXPECT_NE(ErrorOf("\xFF").find("malformed"), std::string::npos);  // raw Latin-1 byte
  EXPECT_NE(ErrorOf("\xA9").find("malformed"), std::string::npos);  // stray continuation
}

TEST(MkassetsText, ConvertsTheTreeKeepsUtf8NamesAndForeignFiles) {
  namespace fs = std::filesystem;
  const TempFolder scratch("mkassets-text");
  const fs::path& root = scratch.path;
  WriteFile(root / "data/INI/Alpha/Orte/Kopfgeldb\xC3\xB6rse.ini", "[Schiffe]\nKr\xC3\xB6te\n");
  WriteFile(root / "data/TXT/Gruppen.txt",
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  // A file the system editor wrote into the game folder stays.
  WriteFile(root / "game/INI/Neu/System.ini", "editor\r\n");
  EXPECT_EQ(ConvertDataTree(root / "data", root / "game"), 2);
  EXPECT_EQ(ReadFile(root / "game/INI/Alpha/Orte/Kopfgeldb\xC3\xB6rse.ini"),
            "[Schiffe]\r\nKr\xF6te\r\n");
  EXPECT_EQ(ReadFile(root / "game/TXT/Gruppen.txt"),
            "Gr\xFC\xDF"
            "e");
  EXPECT_EQ(ReadFile(root / "game/INI/Neu/System.ini"), "editor\r\n");

  // A bad file stops the conversion with its path in the message.
  WriteFile(root / "data/INI/Waren.ini", "ok\nWasser \xE2\x80\x94 klar\n");
  try {
    ConvertDataTree(root / "data", root / "game");
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("INI/Waren.ini:2"), std::string::npos) << error.what();
  }
}

}  // namespace
