// How Slotsmith tells two names apart, and finds one in another. Two names of entries in an
// archive are told apart as the disks a database may land on tell them apart. macOS and Windows
// find one file under "Ä" and "ä", and macOS also under "Ä" written as one character (NFC) and as
// "A" followed by a combining diaeresis (NFD); an import or a restore there would write both
// entries into that one file. So two names are one when they are equal after canonical
// decomposition and simple case folding, with the combining marks in their canonical order.
//
// There is no ICU behind it: NameFoldingTables.inc (made by scripts/name-folding-tables.py) has
// every canonical decomposition, simple case folding and mark class of ASCII, U+00A0-U+052F
// (Latin-1 Supplement, Latin Extended-A and -B, IPA, the combining diacritical marks, Greek,
// Cyrillic and its supplement), U+1E00-U+1FFF (Latin Extended Additional, Greek Extended) and
// the Ohm, Kelvin and Angstrom signs. Any other character is compared as it is: two spellings of
// a name in other scripts count as two names.
//
// A name that is not UTF-8 is compared byte for byte where it is not: to Linux a name is bytes,
// and a backup carries a database's files whatever their names.
#pragma once

#include <string>
#include <string_view>

namespace slotsmith {

// The form of name in which two names are compared: equal for names one disk takes for one.
std::string nameComparisonKey(std::string_view name);

// The form in which a search matches names: the comparison key without its accents (the
// combining marks), so that "Glass", "GLASS" and "Gläss" all read "glass".
std::string nameSearchKey(std::string_view name);

// The name as valid UTF-8: a byte that begins no well-formed sequence is taken as the Latin-1
// character it would be. Sound names are character codes and model names the first line of a
// file, so either may hold such bytes; a store that keeps text keeps this.
std::string nameAsUtf8(std::string_view bytes);

// The name as a message shows it: a control byte (a NUL, an escape that would command the
// terminal) as \xNN, everything else as it is.
std::string shownEntryName(std::string_view name);

}  // namespace slotsmith
