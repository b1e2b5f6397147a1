// Element and people definitions, group texts and briefing texts; the first byte picks.
#include "formats/kind_defs.h"
#include "formats/text_collections.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = FuzzBytes(data + 1, size - 1);
  ReadIssues issues;
  switch (data[0] % 4) {
    case 0: {
      const KindDefs defs = ReadElementDefs(bytes, &issues);
      FuzzRequire(defs.groups.size() <= kMaxElementGroups, "at most 11 element groups");
      for (const KindGroup& group : defs.groups) {
        FuzzRequire(group.types.size() <= kMaxElementTypes, "at most 20 element types");
        for (const KindType& type : group.types) {
          FuzzRequire(type.colour >= 0 && type.colour <= 0xFFFFFF, "colours are 24 bits");
          (void)ElementColour(defs, group.name, type.name);
        }
      }
      (void)ElementColour(defs, bytes, bytes);
      break;
    }
    case 1: {
      const KindDefs defs = ReadPeopleDefs(bytes, &issues);
      FuzzRequire(defs.groups.size() <= kMaxPeopleKinds, "at most 11 main kinds");
      break;
    }
    case 2: {
      const GroupTexts texts = ReadGroupTexts(bytes, data[0] / 4);
      FuzzRequire(texts.groupTexts.size() <= kMaxGroupTexts + 1, "group texts bounded");
      break;
    }
    default:
      (void)ReadBriefingTexts(bytes, &issues);
      break;
  }
  return 0;
}
