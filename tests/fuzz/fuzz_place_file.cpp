// Place files in every reading mode, plus the offer and stock helpers on their lines.
#include "formats/goods_catalogue.h"
#include "formats/place_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = FuzzBytes(data, size);
  for (PlaceReadMode mode :
       {PlaceReadMode::kGame, PlaceReadMode::kEditor, PlaceReadMode::kEditorLegacy}) {
    ReadIssues issues;
    const PlaceFile place = ReadPlace(bytes, mode, &issues);
    const std::string written = WritePlace(place);
    const PlaceFile again = ReadPlace(written, mode);
    FuzzRequire(WritePlace(again) == WritePlace(ReadPlace(WritePlace(again), mode)),
                "writing is a fixed point");
    if (mode != PlaceReadMode::kEditorLegacy) {
      FuzzRequire(WritePlace(again) == written, "written files read back byte-identical");
    }
    for (const std::string* line :
         {&place.shipOffers, &place.weaponOffers, &place.goodsOffers, &place.goodsPrices}) {
      FuzzRequire(SplitOffers(*line).size() == line->size() / kOfferRecordWidth,
                  "records are the length over 30");
    }
    const std::string replaced = ReplaceTripleZeros(place.goodsPrices);
    FuzzRequire(replaced.size() == place.goodsPrices.size(), "replacement keeps the length");
    (void)StockFigure(replaced, 1 + static_cast<int>(size % 101));
  }
  return 0;
}
