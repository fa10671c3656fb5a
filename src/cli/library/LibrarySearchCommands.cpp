// `library search`, `library where` and `library at-risk`: finding sounds across every source of
// the library, and what only one database holds (src/library/Search.h).
#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "cli/library/LibraryCommand.h"
#include "library/Library.h"
#include "library/Search.h"

namespace slotsmith::cli {
namespace {

std::string slotText(int slot) {
  char number[8];
  std::snprintf(number, sizeof number, "%03d", slot);
  return number;
}

// "a,b,c", or "-" for none.
std::string joinedOrDash(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts)
    joined += (joined.empty() ? "" : ",") + text;
  return joined.empty() ? "-" : joined;
}

// id, name, fav|-, hidden|-, tags|-, then source, slot and name for each place.
void writeSoundLine(std::ostream& out, const FoundItem& sound) {
  out << sound.id << '\t' << textCell(sound.name) << '\t' << (sound.favourite ? "fav" : "-") << '\t'
      << (sound.hidden ? "hidden" : "-") << '\t' << textCell(joinedOrDash(sound.tags));
  for (const Place& place : sound.places)
    out << '\t' << textCell(place.source) << '\t' << slotText(place.slot) << '\t'
        << textCell(place.name);
  out << '\n';
}

void writeJsonPlaces(std::ostream& out, const std::vector<Place>& places) {
  out << "\"places\": [";
  for (std::size_t i = 0; i < places.size(); ++i) {
    out << (i == 0 ? "" : ", ") << "{\"source\": ";
    writeJsonText(out, places[i].source);
    out << ", \"slot\": " << places[i].slot << ", \"name\": ";
    writeJsonText(out, places[i].name);
    out << '}';
  }
  out << ']';
}

void writeJsonSound(std::ostream& out, const FoundItem& sound) {
  out << "{\"id\": \"" << sound.id << "\", \"name\": ";
  writeJsonText(out, sound.name);
  out << ", \"tags\": [";
  for (std::size_t i = 0; i < sound.tags.size(); ++i) {
    out << (i == 0 ? "" : ", ");
    writeJsonText(out, sound.tags[i]);
  }
  out << "], \"favourite\": " << (sound.favourite ? "true" : "false")
      << ", \"hidden\": " << (sound.hidden ? "true" : "false") << ", ";
  writeJsonPlaces(out, sound.places);
  out << '}';
}

void writeJsonModel(std::ostream& out, const FoundItem& model) {
  out << "{\"id\": \"" << model.id << "\", \"name\": ";
  writeJsonText(out, model.name);
  out << ", ";
  writeJsonPlaces(out, model.places);
  out << '}';
}

// One item a line, as `library sources --json` prints its array.
template <typename Write>
void writeJsonArray(std::ostream& out, const std::vector<FoundItem>& items, Write write) {
  out << "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    out << (i == 0 ? "\n  " : ",\n  ");
    write(out, items[i]);
  }
  out << (items.empty() ? "]" : "\n]");
}

class LibrarySearchCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(app, "search",
                         userText(USER_TEXT("cli library search",
                                            "Find sounds in every source: one line per sound, "
                                            "id<TAB>name<TAB>fav|-<TAB>hidden|-<TAB>tags|-, then "
                                            "source<TAB>slot<TAB>name for each of its places")));
    subcommand()->add_option(
        "QUERY", terms_,
        userText(USER_TEXT("cli library search",
                           "Words each name must hold (letter case and accents ignored; a "
                           "sound matches when any of its places' names does), and filters: "
                           "tag:NAME, fav, hidden (hidden sounds are left out otherwise), "
                           "model:TEXT, in:PATH, places:N+ (or places:N), at-risk")));
    subcommand()->add_flag(
        "--json", json_,
        userText(USER_TEXT("cli library search",
                           "Print a JSON array of objects with the keys id, name, tags, "
                           "favourite, hidden and places (each source, slot, name)")));
  }

  int run(Console& console) override {
    SearchQuery query;
    if (Status parsed = parseSearchQuery(terms_, query); !parsed.isOk()) {
      console.err << "search: " << parsed.message() << '\n';
      return kExitUsage;
    }
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    std::vector<FoundItem> sounds;
    if (Status found = searchSounds(library->connection(), query, sounds); !found.isOk()) {
      console.err << found.message() << '\n';
      return kExitRefused;
    }
    if (json_) {
      writeJsonArray(console.out, sounds, writeJsonSound);
      console.out << '\n';
      return kExitDone;
    }
    for (const FoundItem& sound : sounds)
      writeSoundLine(console.out, sound);
    return kExitDone;
  }

 private:
  std::vector<std::string> terms_;
  bool json_ = false;
};

class LibraryWhereCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "where",
        userText(USER_TEXT("cli library where",
                           "Print every place of the sound in a slot of a source, one line each: "
                           "source<TAB>slot<TAB>name")));
    subcommand()
        ->add_option("SOURCE", source_,
                     userText(USER_TEXT("cli library where", "A source of the library")))
        ->required();
    addNumberOption("SLOT", slot_,
                    userText(USER_TEXT("cli library where", "The sound slot (0-999)")), 0,
                    kSlotCount - 1)
        ->required();
    subcommand()->add_flag(
        "--json", json_,
        userText(USER_TEXT("cli library where",
                           "Print the sound as one JSON object, with the keys of `library "
                           "search --json`")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const std::string source = sourcePathOf(source_);
    std::optional<FoundItem> sound;
    if (Status found = soundAtPlace(library->connection(), source, slot_, sound); !found.isOk()) {
      console.err << found.message() << '\n';
      return kExitRefused;
    }
    if (!sound) {
      console.err << userText(USER_TEXT("cli library where",
                                        "Sound slot {slot} of {source} is empty as the library "
                                        "last read it."),
                              {{"slot", slotText(slot_)}, {"source", source}})
                  << '\n';
      return kExitRefused;
    }
    if (json_) {
      writeJsonSound(console.out, *sound);
      console.out << '\n';
      return kExitDone;
    }
    for (const Place& place : sound->places)
      console.out << textCell(place.source) << '\t' << slotText(place.slot) << '\t'
                  << textCell(place.name) << '\n';
    return kExitDone;
  }

 private:
  std::string source_;
  int slot_ = 0;
  bool json_ = false;
};

// sound|model, source, its slots there ("003,004"), name, id.
void writeAtRiskLine(std::ostream& out, const char* kind, const FoundItem& item) {
  std::vector<std::string> slots;
  for (const Place& place : item.places)
    slots.push_back(slotText(place.slot));
  out << kind << '\t' << textCell(item.places.front().source) << '\t' << joinedOrDash(slots) << '\t'
      << textCell(item.name) << '\t' << item.id << '\n';
}

class LibraryAtRiskCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "at-risk",
        userText(USER_TEXT(
            "cli library at-risk",
            "Print what a dead card would take with it: the sounds and models whose every place "
            "lies in one database folder, held by no other database, pack or backup of the "
            "library (a missing source's places count). One line each, by source: "
            "sound|model<TAB>source<TAB>slots<TAB>name<TAB>id")));
    subcommand()->add_flag(
        "--json", json_,
        userText(USER_TEXT("cli library at-risk",
                           "Print a JSON object with the arrays sounds (as `library search "
                           "--json`) and models (id, name, places)")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    AtRiskItems items;
    if (Status found = findAtRisk(library->connection(), items); !found.isOk()) {
      console.err << found.message() << '\n';
      return kExitRefused;
    }
    if (json_) {
      console.out << "{\"sounds\": ";
      writeJsonArray(console.out, items.sounds, writeJsonSound);
      console.out << ", \"models\": ";
      writeJsonArray(console.out, items.models, writeJsonModel);
      console.out << "}\n";
      return kExitDone;
    }
    // Each item lies in one source: grouped by it, in name order within.
    const auto bySource = [](const FoundItem& a, const FoundItem& b) {
      return a.places.front().source < b.places.front().source;
    };
    std::stable_sort(items.sounds.begin(), items.sounds.end(), bySource);
    std::stable_sort(items.models.begin(), items.models.end(), bySource);
    auto model = items.models.begin();
    for (const FoundItem& sound : items.sounds) {
      for (; model != items.models.end() && bySource(*model, sound); ++model)
        writeAtRiskLine(console.out, "model", *model);
      writeAtRiskLine(console.out, "sound", sound);
    }
    for (; model != items.models.end(); ++model)
      writeAtRiskLine(console.out, "model", *model);
    return kExitDone;
  }

 private:
  bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> makeLibrarySearchCommand() {
  return std::make_unique<LibrarySearchCommand>();
}
std::unique_ptr<Command> makeLibraryWhereCommand() {
  return std::make_unique<LibraryWhereCommand>();
}
std::unique_ptr<Command> makeLibraryAtRiskCommand() {
  return std::make_unique<LibraryAtRiskCommand>();
}

}  // namespace slotsmith::cli
