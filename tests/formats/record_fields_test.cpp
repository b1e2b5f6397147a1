#include "formats/record_fields.h"

#include <string>

#include "formats/ship_record.h"

// The completeness check is made at compile time wherever a field list is walked; these records
// show that it counts members of the kinds the records hold (texts, numbers, arrays) and that a
// member missing from a list is caught.
namespace {

struct Complete {
  int a = 0;
  std::string text;
  float f = 0;
};

struct MissingOne {
  int a = 0;
  std::string text;
  float forgotten = 0;
};

struct LeavesOneOut {
  int a = 0;
  int lineNumber = 0;
};

}  // namespace

template <>
struct RecordFields<Complete> {
  static constexpr auto kList = std::make_tuple(
      Field("a", &Complete::a), Field("text", &Complete::text), Field("f", &Complete::f));
};

template <>
struct RecordFields<MissingOne> {
  static constexpr auto kList =
      std::make_tuple(Field("a", &MissingOne::a), Field("text", &MissingOne::text));
};

template <>
struct RecordFields<LeavesOneOut> {
  static constexpr auto kList = std::make_tuple(Field("a", &LeavesOneOut::a));
  static constexpr std::size_t kLeftOut = 1;
};

static_assert(FieldListIsComplete<Complete>());
static_assert(!FieldListIsComplete<MissingOne>());
static_assert(FieldListIsComplete<LeavesOneOut>());
static_assert(FieldListIsComplete<ShipRecord>());
