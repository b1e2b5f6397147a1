#pragma once

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

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

namespace record_fields_detail {

// Converts to any member type, so that counting how many of these brace-initialise a record
// counts its members.
struct AnyMember {
  template <class T>
  constexpr operator T() const noexcept;
};

template <class Record, std::size_t... I>
constexpr bool InitialisesWith(std::index_sequence<I...>) {
  return requires {
    Record{(void(I), AnyMember{})...};
  };
}

template <class Record, std::size_t N = 0>
constexpr std::size_t MemberCount() {
  if constexpr (InitialisesWith<Record>(std::make_index_sequence<N + 1>{})) {
    return MemberCount<Record, N + 1>();
  } else {
    return N;
  }
}

// Members a field list leaves out on purpose (a list says how many as kLeftOut).
template <class Record>
constexpr std::size_t LeftOutCount() {
  if constexpr (requires { RecordFields<Record>::kLeftOut; }) {
    return RecordFields<Record>::kLeftOut;
  } else {
    return 0;
  }
}

}  // namespace record_fields_detail

// Whether the record's field list names every member but those it leaves out on purpose: a
// member added to the record but not to its list would drop out of saves and dumps without a word.
template <class Record>
constexpr bool FieldListIsComplete() {
  return std::tuple_size_v<std::remove_cvref_t<decltype(RecordFields<Record>::kList)>> +
             record_fields_detail::LeftOutCount<Record>() ==
         record_fields_detail::MemberCount<Record>();
}

// Calls visit(name, field) for every field in storage order; the field is const when the record is.
template <class Record, class Visit>
void ForEachField(Record& record, Visit&& visit) {
  static_assert(FieldListIsComplete<std::remove_const_t<Record>>(),
                "a member of this record is missing from its RecordFields list");
  std::apply([&](const auto&... field) { (visit(field.name, record.*(field.member)), ...); },
             RecordFields<std::remove_const_t<Record>>::kList);
}
