// A filter over a slot list, parsed from what a user types, and matched against the scanned slot
// tables exactly as the lists show them. The text is a list of words separated by white space;
// a slot matches when it matches every word:
//
//   text      the slot's name holds the text, ignoring ASCII case ("pad" finds "Warm Pad")
//   "a b"     a quoted phrase is one name text, spaces and colons included
//   model:N   sounds: either reference names model slot N, switched on or off;
//             models: slot N itself
//   unused    sounds: no reference plays a model (each is switched off or names no slot holding a
//             model); models: no sound refers to it (the list's "!!UNUSED!!")
//   disabled  sounds: at least one switched-off reference names a slot holding a model;
//             models: only switched-off references name it (the list's "in use - disabled")
//   empty     the slot holds nothing
//
// Every word but `empty` (and `model:N` in the model list) describes what a slot holds, so it
// matches only slots that hold a sound or a model: `unused` never lists the empty slots. A model
// slot holds a model when the scan found its name, i.e. the list does not show "--<empty>--".
// An empty text matches every slot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/SlotTables.h"
#include "core/Status.h"

namespace slotsmith {

class SlotFilter {
 public:
  // Parses the text into filter. Invalid, saying which word and why, for an unknown "word:", a
  // model number outside 0..999 or an unterminated quote; filter is left as it was then.
  static Status parse(std::string_view text, SlotFilter& filter);

  // Whether slot (0..999) of the bank matches every word.
  bool matches(const SlotTables& tables, Bank bank, int slot) const;

  // The matching slots of the bank, ascending.
  std::vector<int> matchingSlots(const SlotTables& tables, Bank bank) const;

 private:
  bool soundMatches(const SlotTables& tables, int slot) const;
  bool modelMatches(const SlotTables& tables, int slot) const;
  bool nameMatches(const char* name) const;
  // Whether a slot passes `empty` and the words that need a slot holding something.
  bool slotMatchesContent(bool occupied, bool contentWords) const;

  std::vector<std::string> nameTexts_;  // lower case
  std::vector<int> models_;
  bool unused_ = false;
  bool disabled_ = false;
  bool empty_ = false;
};

}  // namespace slotsmith
