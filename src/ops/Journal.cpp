#include "ops/Journal.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>
#include <string_view>

#include "core/Hashes.h"
#include "core/HistoryKey.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

constexpr std::string_view kMagic = "slotsmith-journal 3";
// Journals of the version before, whose records carry a checksum instead of a signature: nothing
// tells who wrote one, so it is never acted on before the user adopts it.
constexpr std::string_view kUnsignedMagic = "slotsmith-journal 2";
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
  if (key == "renames") return parseNumber(value, journal.listedRenames);
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

namespace {

// Every line of a journal is a record that proves itself: "#<length> <proof> <text>". The proof
// is the record's signature under the user's history key (64 hex digits): HMAC-SHA-256 of the
// entry's number, the proof of the record before it, and the text. Chained so, no record can be
// moved to another journal or entry, dropped from the middle or put in another order without
// failing its proof, and none can be made without the key; a line cut short by a crash fails it
// too. Journals of the version before carry a 64-bit checksum (16 hex digits) instead: proof
// against a cut line, not against a planted one.
struct Record {
  std::string_view text;
  std::string_view proof;
  bool signature = false;  // the proof is a signature (64 digits), not a checksum
};

std::string recordSignature(int entry, std::string_view previousProof, std::string_view text) {
  std::string message = "slotsmith journal record\n" + entryFolderName(entry) + "\n";
  message.append(previousProof);
  message += '\n';
  message.append(text);
  Digest mac;
  // Without a key nothing can be signed: the record is written with a proof no key verifies, and
  // reads as made elsewhere. (An edit refuses to start without a key; see runEdit.)
  if (!signWithHistoryKey(message, mac)) return std::string(64, '0');
  return hexOf(mac);
}

// The record line of text, chained to the proof of the record before it (empty for the first),
// which it replaces with its own.
std::string record(std::string_view text, int entry, std::string& previousProof) {
  std::string proof = recordSignature(entry, previousProof, text);
  std::string line = "#" + std::to_string(text.size()) + " " + proof + " ";
  line.append(text);
  line += '\n';
  previousProof = std::move(proof);
  return line;
}

bool isHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A record line's parts, when its frame holds (the length, and a checksum where it has one); a
// signature is verified separately (signedHere), since it needs the record before.
std::optional<Record> frameOf(std::string_view line) {
  if (line.size() < 20 || line[0] != '#') return std::nullopt;
  const std::size_t space = line.find(' ');
  std::size_t length = 0;
  if (space == std::string_view::npos || !parseNumber(line.substr(1, space - 1), length)) {
    return std::nullopt;
  }
  const std::size_t second = line.find(' ', space + 1);
  if (second == std::string_view::npos) return std::nullopt;
  Record record;
  record.proof = line.substr(space + 1, second - space - 1);
  record.signature = record.proof.size() == 64;
  if ((!record.signature && record.proof.size() != 16) || !isHex(record.proof)) return std::nullopt;
  if (line.size() != second + 1 + length) return std::nullopt;
  record.text = line.substr(second + 1);
  if (!record.signature) {
    std::uint64_t checksum = 0;
    const auto [end, error] = std::from_chars(
        record.proof.data(), record.proof.data() + record.proof.size(), checksum, 16);
    if (error != std::errc() || end != record.proof.data() + record.proof.size() ||
        checksumOf(std::string(record.text)) != checksum) {
      return std::nullopt;
    }
  }
  return record;
}

bool signedHere(const Record& record, int entry, std::string_view previousProof) {
  return record.signature &&
         equalInConstantTime(recordSignature(entry, previousProof, record.text), record.proof);
}

// The proof field of a line as written, whether or not the line proves itself: the next record
// is chained to it.
std::string_view proofAsWritten(std::string_view line) {
  const std::size_t space = line.find(' ');
  if (space == std::string_view::npos) return {};
  const std::size_t second = line.find(' ', space + 1);
  return second == std::string_view::npos ? std::string_view()
                                          : line.substr(space + 1, second - space - 1);
}

std::vector<std::string_view> completeLines(std::string_view rest) {
  std::vector<std::string_view> lines;
  while (!rest.empty()) {
    const std::size_t newline = rest.find('\n');
    // A line without its line ending was cut by a crash: it never happened.
    if (newline == std::string_view::npos) break;
    lines.push_back(rest.substr(0, newline));
    rest.remove_prefix(newline + 1);
  }
  return lines;
}

}  // namespace

std::string entryClaim(int entry) {
  std::string proof;
  return record("slotsmith entry claim", entry, proof);
}

bool isOwnClaim(const std::string& text, int entry) {
  const std::vector<std::string_view> lines = completeLines(text);
  if (lines.size() != 1) return false;
  const std::optional<Record> claim = frameOf(lines[0]);
  return claim && claim->text == "slotsmith entry claim" && signedHere(*claim, entry, {});
}

std::string markerLine(const std::string& journalText, int entry, JournalState state) {
  const std::vector<std::string_view> lines = completeLines(journalText);
  std::string previous(lines.empty() ? std::string_view() : proofAsWritten(lines.back()));
  return record(stateName(state), entry, previous);
}

std::string formatJournal(const Journal& journal, int entry) {
  std::string proof;
  std::string text = record(kMagic, entry, proof);
  text += record("title\t" + journal.title, entry, proof);
  text += record("time\t" + std::to_string(journal.time), entry, proof);
  const char* names = !journal.namesBank                   ? "none"
                      : journal.bothNamesFiles             ? "both"
                      : *journal.namesBank == Bank::Sounds ? "sounds"
                                                           : "models";
  text += record("names\t" + std::string(names), entry, proof);
  text += record("folders\t" + std::to_string(journal.folders), entry, proof);
  text += record("scripts\t" + std::to_string(journal.scripts), entry, proof);
  text += record("phase1\t" + std::to_string(journal.firstPhaseRenames), entry, proof);
  text += record("renames\t" + std::to_string(journal.renames.size()), entry, proof);
  for (const JournalRename& rename : journal.renames) {
    text += record(
        "rename\t" + rename.from + '\t' + rename.to + '\t' + std::to_string(rename.placedChecksum),
        entry, proof);
  }
  return text;
}

Status parseJournal(const std::string& text, Journal& journal, int entry) {
  journal = Journal();
  // Nothing is ours until its first record proves it.
  journal.foreign = true;
  const std::vector<std::string_view> lines = completeLines(text);
  if (lines.empty()) return uncommitted(journal);
  const bool framed = lines[0].starts_with("#");
  journal.legacy = !framed && lines[0] == kLegacyMagic;
  if (!framed && !journal.legacy) {
    return Status::invalid("journal", userText(USER_TEXT("Journal", "not a Slotsmith journal")));
  }
  // Whose journal it is, told by its first record: one this user's key signed is ours, and then
  // every record after it must prove itself by the chain of signatures. Any other (another key,
  // an earlier version, a forgery) is read by its frames alone, to be shown and never obeyed.
  const std::optional<Record> first = framed ? frameOf(lines[0]) : std::nullopt;
  const bool signedJournal = first && first->signature;
  journal.foreign = !signedJournal || !signedHere(*first, entry, {});
  const bool checkSignatures = signedJournal && !journal.foreign;
  std::string_view previousProof;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::optional<std::string_view> line;
    if (!framed) {
      line = lines[i];
    } else if (const std::optional<Record> framedRecord = frameOf(lines[i]);
               framedRecord && framedRecord->signature == signedJournal &&
               (!checkSignatures || signedHere(*framedRecord, entry, previousProof))) {
      line = framedRecord->text;
      previousProof = framedRecord->proof;
    }
    if (!line) {
      // Markers are appended one by one after the body was flushed whole: a record that fails
      // its proof with a proven marker after it is damage, not a crash.
      for (std::size_t later = i + 1; later < lines.size(); ++later) {
        if (std::optional<Record> next = frameOf(lines[later]); next && markerOf(next->text)) {
          return Status::invalid(
              "journal", userText(USER_TEXT("Journal", "a damaged record before the last marker")));
        }
      }
      if (journal.state == JournalState::Prepared) return uncommitted(journal);
      break;  // a marker torn by a crash: the state is the one before it
    }
    if (i == 0) {
      if (framed && *line != (signedJournal ? kMagic : kUnsignedMagic)) {
        return Status::invalid("journal",
                               userText(USER_TEXT("Journal", "not a Slotsmith journal")));
      }
      continue;
    }
    if (std::optional<JournalState> marker = markerOf(*line)) {
      journal.state = *marker;
      journal.everApplied |= *marker == JournalState::Applied;
    } else if (journal.state != JournalState::Prepared || !readLine(*line, journal)) {
      if (journal.state == JournalState::Prepared && !framed) return uncommitted(journal);
      return Status::invalid("journal", userText(USER_TEXT("Journal", "damaged line: {line}"),
                                                 {{"line", std::string(*line)}}));
    }
  }
  if (journal.legacy) {
    // The first phase ended with the sentinel's rename from "before" to "between".
    for (std::size_t i = 0; i < journal.renames.size(); ++i) {
      if (journal.renames[i].from.ends_with("/progress-before")) journal.firstPhaseRenames = i + 1;
    }
  }
  const bool complete = journal.legacy || journal.listedRenames == journal.renames.size();
  if (!complete || journal.firstPhaseRenames > journal.renames.size()) {
    // Cut between two records before the commit: the renames listed are not all there.
    if (journal.state == JournalState::Prepared) return uncommitted(journal);
    return Status::invalid("journal",
                           userText(USER_TEXT("Journal", "the renames do not match their count")));
  }
  return Status::ok();
}

Journal provenRecords(const std::string& text, int entry) {
  Journal journal;
  const std::vector<std::string_view> lines = completeLines(text);
  const std::optional<Record> first = lines.empty() ? std::nullopt : frameOf(lines[0]);
  journal.foreign = !first || !signedHere(*first, entry, {});
  std::string_view previousProof;
  for (std::string_view line : lines) {
    const std::optional<Record> record = frameOf(line);
    // In a journal of ours, a record proves itself by its signature, chained to the line before
    // as written; in one made elsewhere by its frame alone (the doctor only shows those).
    const bool proven = record && (journal.foreign || signedHere(*record, entry, previousProof));
    previousProof = proofAsWritten(line);
    if (!proven) continue;
    if (std::optional<JournalState> marker = markerOf(record->text)) {
      journal.state = *marker;
      continue;
    }
    Journal one;
    if (!readLine(record->text, one)) continue;
    if (!one.renames.empty()) {
      journal.renames.push_back(std::move(one.renames.front()));
    } else if (!one.title.empty()) {
      journal.title = one.title;
    }
  }
  return journal;
}

namespace {

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isJournalPath(std::string_view path, const std::string& entryFolder) {
  if (path == "SoundNames" || path == "ModelNames") return true;
  if (path.starts_with(entryFolder + "/")) {
    const std::string_view inside = path.substr(entryFolder.size() + 1);
    for (std::string_view part : {"staged/", "kept/", "moving/"}) {
      if (inside.starts_with(part)) return allDigits(inside.substr(part.size()));
    }
    return inside == "progress-before" || inside == "progress-between" ||
           inside == "progress-after";
  }
  for (Bank bank : {Bank::Sounds, Bank::Models}) {
    const std::string bankName = std::string(bankFolderName(bank)) + "/";
    if (!path.starts_with(bankName)) continue;
    std::string_view slot = path.substr(bankName.size());
    const std::string_view file =
        bank == Bank::Sounds ? std::string_view("/sound.script") : std::string_view("/MName");
    if (slot.ends_with(file)) slot.remove_suffix(file.size());
    const std::optional<int> number = slotNumberFromFolderName(bank, slot);
    return number && *number < 10000;
  }
  return false;
}

}  // namespace

Status checkJournalPaths(const Journal& journal, int entry) {
  const std::string entryFolder = entryRelativePath(entry);
  for (const JournalRename& rename : journal.renames) {
    for (const std::string& path : {rename.from, rename.to}) {
      if (!isJournalPath(path, entryFolder)) {
        return Status::invalid(
            "journal",
            userText(USER_TEXT("Journal", "names a path Slotsmith does not write: {path}"),
                     {{"path", path}}));
      }
    }
  }
  return Status::ok();
}

Status checkJournalShape(const Journal& journal, int entry) {
  if (Status paths = checkJournalPaths(journal, entry); !paths.isOk()) return paths;
  const std::string entryFolder = entryRelativePath(entry) + "/";
  auto own = [&](const std::string& path) { return path.starts_with(entryFolder); };
  auto shapeError = [](const TextTemplate& what, std::initializer_list<TextArgument> paths) {
    return Status::invalid("journal", userText(what, paths));
  };
  std::set<std::string> sources, targets;
  for (std::size_t i = 0; i < journal.renames.size(); ++i) {
    const JournalRename& rename = journal.renames[i];
    if (!sources.insert(rename.from).second) {
      return shapeError(
          USER_TEXT("Journal", "has a shape Slotsmith never writes: {path} is moved twice"),
          {{"path", rename.from}});
    }
    if (!targets.insert(rename.to).second) {
      return shapeError(
          USER_TEXT("Journal", "has a shape Slotsmith never writes: {path} is a target twice"),
          {{"path", rename.to}});
    }
    // An earlier version renamed a sentinel inside the entry between the phases, and kept its
    // names files out of the renames; its phases are told apart by the sentinel alone.
    if (journal.legacy) continue;
    const bool firstPhase = i < journal.firstPhaseRenames;
    // The first phase only takes what lies in the database out into the entry's own kept/ or
    // moving/ names; the second only puts the entry's staged/ or moving/ names into place.
    if (firstPhase && (own(rename.from) || !own(rename.to) ||
                       rename.to.compare(entryFolder.size(), 7, "staged/") == 0)) {
      return shapeError(USER_TEXT("Journal",
                                  "has a shape Slotsmith never writes: the first phase renames "
                                  "{from} to {to}"),
                        {{"from", rename.from}, {"to", rename.to}});
    }
    if (!firstPhase && (!own(rename.from) || own(rename.to) ||
                        rename.from.compare(entryFolder.size(), 5, "kept/") == 0)) {
      return shapeError(USER_TEXT("Journal",
                                  "has a shape Slotsmith never writes: the second phase renames "
                                  "{from} to {to}"),
                        {{"from", rename.from}, {"to", rename.to}});
    }
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
