#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/read_issues.h"

// INI\Waren.ini: the goods, numbered from 1.

inline constexpr int kMaxGoods = 100;

// Fields in storage order.
struct GoodsRecord {
  std::string name;    // columns 1-20
  int basePrice = 0;   // columns 21-30
  int totalStock = 0;  // derived: the sum of every place's stock figure of this good
};

struct GoodsCatalogue {
  std::vector<GoodsRecord> goods;  // index = goods index; entry 0 stays empty
  int goodsCount = 0;
  std::vector<std::string> defaultFigures;  // columns 21-30 trimmed: a new place's stock figure
  std::vector<int> sourceLines;             // line of each entry in the file; [0] = 0
};

GoodsCatalogue ReadGoods(std::string_view bytes, ReadIssues* issues = nullptr);
GoodsCatalogue LoadGoods(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// The stock figure of good n (1-based) in a place's goods-price line: the value field of its n-th
// 30-character record (characters 30n - 9 .. 30n); 0 when the line is shorter.
int StockFigure(std::string_view goodsPrices, int n);

// Sets every good's totalStock from the goods-price lines of all places (the sum saturates).
void ComputeTotalStock(GoodsCatalogue& catalogue, const std::vector<std::string>& goodsPriceLines);

// The last entry 1..count whose name equals `name` exactly; 0 when none.
int GoodsIndex(const GoodsCatalogue& catalogue, std::string_view name);
