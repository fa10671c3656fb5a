#include "ops/Journal.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace slotsmith {

namespace {

constexpr std::string_view kMagic = "slotsmith-journal 2";
// Journals of the earlier format: a sentinel file renamed between the phases instead of the
// phase count, and names files rewritten outside the transaction.
constexpr std::string_view kLegacyMagic = "slotsmith-journal 1";

constexpr JournalState kMarkers[] = {
    JournalState::Forward,   JournalState::Forward2, JournalState::Applied,  JournalState::Backward,
    JournalState::Backward2, JournalState::Undone,   JournalState::Abandoned};

// Splits a line at tabs.
std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

template <typename Number>
bool parseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Applies one header or rename line; false when it is damaged.
bool readLine(std::string_view line, Journal& journal) {
  const std::vector<std::string_view> fields = fieldsOf(line);
  const std::string_view key = fields[0];
  if (key == "rename" && fields.size() == 4) {
    JournalRename rename{std::string(fields[1]), std::string(fields[2]), 0};
    if (!parseNumber(fields[3], rename.placedChecksum)) return false;
    journal.renames.push_back(std::move(rename));
    return true;
  }
  if (fields.size() != 2) return false;
  const std::string_view value = fields[1];
  if (key == "title") {
    journal.title = std::string(value);
    return true;
  }
  if (key == "names") {
    if (value == "sounds" || value == "both") journal.namesBank = Bank::Sounds;
    if (value == "models") journal.namesBank = Bank::Models;
    journal.bothNamesFiles = value == "both";
    return value == "sounds" || value == "models" || value == "both" || value == "none";
  }
  if (key == "time") return parseNumber(value, journal.time);
  if (key == "folders") return parseNumber(value, journal.folders);
  if (key == "scripts") return parseNumber(value, journal.scripts);
  if (key == "phase1") return parseNumber(value, journal.firstPhaseRenames);
  return false;
}

// A journal is flushed whole before its commit marker is written, so one without a marker that
// is cut short or damaged was cut by a crash while it was written: the edit was never committed.
Status uncommitted(Journal& journal) {
  journal.renames.clear();
  journal.firstPhaseRenames = 0;
  journal.state = JournalState::Prepared;
  journal.torn = true;
  return Status::ok();
}

std::optional<JournalState> markerOf(std::string_view line) {
  for (JournalState state : kMarkers) {
    if (line == stateName(state)) return state;
  }
  return std::nullopt;
}

}  // namespace

const char* stateName(JournalState state) {
  switch (state) {
    case JournalState::Prepared:
      return "prepared";
    case JournalState::Forward:
      return "forward";
    case JournalState::Forward2:
      return "forward2";
    case JournalState::Applied:
      return "applied";
    case JournalState::Backward:
      return "backward";
    case JournalState::Backward2:
      return "backward2";
    case JournalState::Undone:
      return "undone";
    case JournalState::Abandoned:
      return "abandoned";
  }
  return "";
}

std::string markerLine(JournalState state) {
  return std::string(stateName(state)) + "\n";
}

std::string formatJournal(const Journal& journal) {
  std::string text(kMagic);
  text += "\ntitle\t" + journal.title;
  text += "\ntime\t" + std::to_string(journal.time);
  const char* names = !journal.namesBank                   ? "none"
                      : journal.bothNamesFiles             ? "both"
                      : *journal.namesBank == Bank::Sounds ? "sounds"
                                                           : "models";
  text += "\nnames\t" + std::string(names);
  text += "\nfolders\t" + std::to_string(journal.folders);
  text += "\nscripts\t" + std::to_string(journal.scripts);
  text += "\nphase1\t" + std::to_string(journal.firstPhaseRenames);
  text += '\n';
  for (const JournalRename& rename : journal.renames) {
    text += "rename\t" + rename.from + '\t' + rename.to + '\t' +
            std::to_string(rename.placedChecksum) + '\n';
  }
  return text;
}

Status parseJournal(const std::string& text, Journal& journal) {
  journal = Journal();
  std::string_view rest = text;
  bool first = true;
  while (!rest.empty()) {
    const std::size_t newline = rest.find('\n');
    // A line without its line ending is a marker torn by a crash: it never happened.
    if (newline == std::string_view::npos) break;
    const std::string_view line = rest.substr(0, newline);
    rest.remove_prefix(newline + 1);
    if (first) {
      journal.legacy = line == kLegacyMagic;
      if (line != kMagic && !journal.legacy) {
        return Status::invalid("journal", "not a Slotsmith journal");
      }
      first = false;
    } else if (std::optional<JournalState> marker = markerOf(line)) {
      journal.state = *marker;
      journal.everApplied |= *marker == JournalState::Applied;
    } else if (journal.state != JournalState::Prepared || !readLine(line, journal)) {
      if (journal.state == JournalState::Prepared) return uncommitted(journal);
      return Status::invalid("journal", "damaged line: " + std::string(line));
    }
  }
  if (first) return uncommitted(journal);
  if (journal.legacy) {
    // The first phase ended with the sentinel's rename from "before" to "between".
    for (std::size_t i = 0; i < journal.renames.size(); ++i) {
      if (journal.renames[i].from.ends_with("/progress-before")) journal.firstPhaseRenames = i + 1;
    }
  }
  if (journal.firstPhaseRenames > journal.renames.size()) {
    if (journal.state == JournalState::Prepared) return uncommitted(journal);
    return Status::invalid("journal", "more first-phase renames than renames");
  }
  return Status::ok();
}

std::uint64_t checksumOf(const std::string& bytes) {
  std::uint64_t hash = 1469598103934665603ull;
  for (unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  // 0 stands for "no checksum" in a rename line.
  return hash == 0 ? 1 : hash;
}

std::string slotsmithFolderPath(const std::string& root) {
  return root + "/.slotsmith";
}

std::string lockFilePath(const std::string& root) {
  return slotsmithFolderPath(root) + "/lock";
}

std::string historyFolderPath(const std::string& root) {
  return slotsmithFolderPath(root) + "/history";
}

std::string entryFolderName(int entry) {
  char name[16];
  std::snprintf(name, sizeof name, "%06d", entry);
  return name;
}

std::string entryRelativePath(int entry) {
  return ".slotsmith/history/" + entryFolderName(entry);
}

std::optional<int> entryNumberFromName(const std::string& name) {
  int entry = 0;
  if (name.size() != 6 || !parseNumber(std::string_view(name), entry) || entry <= 0) {
    return std::nullopt;
  }
  return entry;
}

}  // namespace slotsmith
