#pragma once

#include <tuple>
#include <type_traits>

// A record's fields described once, in storage order: a name and a member for each. The state
// dump, the data tool's dump, saved games and the network code all walk this one list, so a field
// added to a record is added in one place.
//
//   template <> struct RecordFields<Waypoint> {
//     static constexpr auto kList = std::make_tuple(Field("x", &Waypoint::x), ...);
//   };
//   ForEachField(waypoint, [](const char* name, auto& value) { ... });

template <class Record, class Type>
struct FieldOf {
  const char* name;
  Type Record::*member;
};

template <class Record, class Type>
constexpr FieldOf<Record, Type> Field(const char* name, Type Record::*member) {
  return {name, member};
}

// Specialised next to each record type that has a field list.
template <class Record>
struct RecordFields;

// Calls visit(name, field) for every field in storage order; the field is const when the record is.
template <class Record, class Visit>
void ForEachField(Record& record, Visit&& visit) {
  std::apply([&](const auto&... field) { (visit(field.name, record.*(field.member)), ...); },
             RecordFields<std::remove_const_t<Record>>::kList);
}
