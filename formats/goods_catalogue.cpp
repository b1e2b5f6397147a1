#include "formats/goods_catalogue.h"

#include <climits>

#include "formats/catalogue_lines.h"
#include "formats/file_io.h"
#include "formats/place_file.h"
#include "formats/text_rules.h"

GoodsCatalogue ReadGoods(std::string_view bytes, ReadIssues* issues) {
  GoodsCatalogue catalogue;
  catalogue.goods.emplace_back();
  catalogue.defaultFigures.emplace_back();
  catalogue.sourceLines.push_back(0);
  for (const DataLine& data : DataLines(bytes)) {
    if (catalogue.goodsCount == kMaxGoods) {
      NoteIssue(issues, data.line, "more than 100 goods; this one is ignored");
      continue;
    }
    GoodsRecord goods;
    goods.name = Field(data.text, 1, 20);
    goods.basePrice = ReadIntField(Columns(data.text, 21, 30), data.line, "base price", issues);
    catalogue.goods.push_back(std::move(goods));
    catalogue.defaultFigures.push_back(Field(data.text, 21, 30));
    catalogue.sourceLines.push_back(data.line);
    ++catalogue.goodsCount;
  }
  return catalogue;
}

GoodsCatalogue LoadGoods(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadGoods(ReadFileBytes(path).value_or(std::string()), issues);
}

int StockFigure(std::string_view goodsPrices, int n) {
  if (n < 1) return 0;
  const long long last = static_cast<long long>(kOfferRecordWidth) * n;
  if (last > static_cast<long long>(goodsPrices.size()) + kOfferRecordWidth) return 0;
  return ReadInt(Columns(goodsPrices, static_cast<int>(last - 9), static_cast<int>(last)));
}

void ComputeTotalStock(GoodsCatalogue& catalogue, const std::vector<std::string>& goodsPriceLines) {
  for (int n = 1; n <= catalogue.goodsCount; ++n) {
    long long sum = 0;
    for (const std::string& line : goodsPriceLines) {
      sum += StockFigure(line, n);
      if (sum > INT_MAX) sum = INT_MAX;
      if (sum < INT_MIN) sum = INT_MIN;
    }
    catalogue.goods[n].totalStock = static_cast<int>(sum);
  }
}

int GoodsIndex(const GoodsCatalogue& catalogue, std::string_view name) {
  int found = 0;
  for (int n = 1; n <= catalogue.goodsCount; ++n) {
    if (catalogue.goods[n].name == name) found = n;
  }
  return found;
}
