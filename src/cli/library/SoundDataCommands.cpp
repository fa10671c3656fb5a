// `library tag`, `library fav`, `library hide`, `library note`: the user's own data about a sound
// (src/library/UserData.h), named by a slot of a source (SOURCE SLOT, as the library last read
// it) or by its id (--id, as `library search` prints it). And `library rules` and
// `library categorize`: the rules that make categories from names (src/library/Rules.h).
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "cli/library/LibraryCommand.h"
#include "library/Library.h"
#include "library/Rules.h"
#include "library/UserData.h"

namespace slotsmith::cli {
namespace {

// The English counts "tags" whatever the number, as it always has; a catalogue gives its forms.
constexpr TextTemplate kRulesGiveTags =
    USER_TEXT_N("cli library rules", "The rules give {n} tags now.");

bool reportFailure(const Status& status, Console& console) {
  if (status.isOk()) return false;
  console.err << status.message() << '\n';
  return true;
}

// A whole number of at most maxDigits digits, as typed: nothing else.
bool parseDigits(const std::string& text, std::size_t maxDigits, std::int64_t& value) {
  if (text.empty() || text.size() > maxDigits) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// A command about one sound: SOURCE SLOT or --id ID, then what the command takes.
class SoundCommand : public LibraryCommand {
 protected:
  void addSoundArguments(const std::string& rest) {
    subcommand()
        ->add_option(rest.empty() ? "SOURCE SLOT" : "SOURCE SLOT " + rest, words_,
                     rest.empty()
                         ? userText(USER_TEXT("cli library",
                                              "A source of the library (as added) and a sound "
                                              "slot of it, unless --id names the sound"))
                         : userText(USER_TEXT("cli library",
                                              "A source of the library (as added) and a sound "
                                              "slot of it, unless --id names the sound; then "
                                              "{rest}"),
                                    {{"rest", rest}}))
        ->type_name("");
    subcommand()->add_option(
        "--id", id_,
        userText(USER_TEXT("cli library",
                           "The sound's id as `library search` prints it (at least 8 of its hex "
                           "digits), instead of SOURCE SLOT")));
  }

  // The library with the sound found in it, and the words after SOURCE SLOT; none (with the
  // reason on standard error) when either cannot be had.
  std::unique_ptr<Library> openWithSound(Console& console, SoundId& sound,
                                         std::vector<std::string>& rest) {
    std::unique_ptr<Library> library = openLibrary(console);
    if (library && !findSound(*library, console, sound, rest)) library.reset();
    return library;
  }

  bool findSound(Library& library, Console& console, SoundId& sound,
                 std::vector<std::string>& rest) {
    SqliteConnection& connection = library.connection();
    if (!id_.empty()) {
      rest = words_;
      return !reportFailure(findSoundById(connection, id_, sound), console);
    }
    std::int64_t slot = 0;
    if (words_.size() < 2 || !parseDigits(words_[1], 3, slot)) {
      console.err << userText(USER_TEXT("cli library",
                                        "Name the sound by SOURCE SLOT (a sound slot 0 to 999) or "
                                        "by --id ID."))
                  << '\n';
      return false;
    }
    rest.assign(words_.begin() + 2, words_.end());
    return !reportFailure(
        findSoundAt(connection, sourcePathOf(words_[0]), static_cast<int>(slot), sound), console);
  }

  // "Glass Pad (3fa2b1c4)", as the command's answer names the sound.
  static std::string shown(Library& library, const SoundId& sound) {
    const std::string name = soundNameOf(library.connection(), sound);
    const std::string id = soundIdText(sound).substr(0, 8);
    return name.empty() ? id : textCell(name) + " (" + id + ")";
  }

  std::vector<std::string> words_;
  std::string id_;
};

class LibraryTagCommand : public SoundCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "tag",
        userText(USER_TEXT("cli library tag",
                           "Set tags on a sound by hand (+TAG) or take them off (-TAG), then print "
                           "its tags: TAG<TAB>rule|hand. A tag taken off stays off, whatever the "
                           "rules say, until it is set again")));
    addSoundArguments("+TAG -TAG");
    // "-Bass" would read as an option: the words CLI11 does not know are the tags to take off.
    subcommand()->allow_extras();
  }

  int run(Console& console) override {
    SoundId sound;
    std::vector<std::string> words;
    const std::unique_ptr<Library> library = openWithSound(console, sound, words);
    if (!library) return kExitRefused;
    for (const std::string& extra : subcommand()->remaining())
      words.push_back(extra);
    std::vector<std::string> add, remove;
    for (const std::string& word : words) {
      if (word.size() < 2 || (word[0] != '+' && word[0] != '-')) {
        console.err << userText(USER_TEXT("cli library tag",
                                          "Give each tag as +TAG (set it) or -TAG (take it off): "
                                          "\"{word}\" is neither."),
                                {{"word", word}})
                    << '\n';
        return kExitUsage;
      }
      (word[0] == '+' ? add : remove).push_back(word.substr(1));
    }
    if (reportFailure(changeTags(library->connection(), sound, add, remove), console)) {
      return kExitRefused;
    }
    std::map<std::string, TagOrigin> tags;
    if (reportFailure(tagsOf(library->connection(), sound, tags), console)) return kExitRefused;
    for (const auto& [tag, origin] : tags)
      console.out << textCell(tag) << '\t' << (origin == TagOrigin::Hand ? "hand" : "rule") << '\n';
    return kExitDone;
  }
};

// `library fav` and `library hide`: a flag set, or taken away with --off.
class LibraryFlagCommand : public SoundCommand {
 public:
  LibraryFlagCommand(const char* name, bool favourite) : name_(name), favourite_(favourite) {}

  void configure(CLI::App& app) override {
    addLibrarySubcommand(app, name_,
                         favourite_ ? userText(USER_TEXT("cli library fav",
                                                         "Mark a sound a favourite (--off: no "
                                                         "longer)"))
                                    : userText(USER_TEXT("cli library hide",
                                                         "Hide a sound from searches that do not "
                                                         "ask for hidden ones (--off: show it "
                                                         "again)")));
    addSoundArguments("");
    subcommand()->add_flag("--off", off_,
                           favourite_
                               ? userText(USER_TEXT("cli library fav", "No longer a favourite"))
                               : userText(USER_TEXT("cli library hide", "Show it again")));
  }

  int run(Console& console) override {
    SoundId sound;
    std::vector<std::string> rest;
    const std::unique_ptr<Library> library = openWithSound(console, sound, rest);
    if (!library) return kExitRefused;
    if (!rest.empty()) {
      console.err << userText(USER_TEXT("cli library", "Unexpected: {word}"),
                              {{"word", rest.front()}})
                  << '\n';
      return kExitUsage;
    }
    SqliteConnection& connection = library->connection();
    const Status set =
        favourite_ ? setFavourite(connection, sound, !off_) : setHidden(connection, sound, !off_);
    if (reportFailure(set, console)) return kExitRefused;
    const TextTemplate state =
        favourite_ ? (off_ ? USER_TEXT("cli library fav", "{sound} is no favourite.")
                           : USER_TEXT("cli library fav", "{sound} is a favourite."))
                   : (off_ ? USER_TEXT("cli library hide", "{sound} is shown.")
                           : USER_TEXT("cli library hide", "{sound} is hidden."));
    console.out << userText(state, {{"sound", shown(*library, sound)}}) << '\n';
    return kExitDone;
  }

 private:
  const char* name_;
  bool favourite_;
  bool off_ = false;
};

class LibraryNoteCommand : public SoundCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "note",
        userText(USER_TEXT("cli library note",
                           "Write a note on a sound (an empty TEXT takes it away)")));
    addSoundArguments("TEXT");
  }

  int run(Console& console) override {
    SoundId sound;
    std::vector<std::string> rest;
    const std::unique_ptr<Library> library = openWithSound(console, sound, rest);
    if (!library) return kExitRefused;
    if (rest.size() != 1) {
      console.err << userText(
                         USER_TEXT("cli library note", "Give the note as one TEXT (quote it)."))
                  << '\n';
      return kExitUsage;
    }
    if (reportFailure(setNote(library->connection(), sound, rest.front()), console)) {
      return kExitRefused;
    }
    console.out << userText(rest.front().empty()
                                ? USER_TEXT("cli library note", "Took the note off {sound}.")
                                : USER_TEXT("cli library note", "Wrote the note on {sound}."),
                            {{"sound", shown(*library, sound)}})
                << '\n';
    return kExitDone;
  }
};

class LibraryRulesCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "rules",
        userText(USER_TEXT(
            "cli library rules",
            "The rules that tag sounds by their names. Alone: print them, ID<TAB>TAG<TAB>PATTERN. "
            "`rules add TAG PATTERN`, `rules change ID [--tag TAG] [--pattern PATTERN]`, "
            "`rules remove ID`; the rules then run on every sound at once. A PATTERN is words "
            "separated by commas, matched on names without letter case and accents: `pad` the "
            "word, `pad*` a word beginning so, `*pad` one ending so, `*pad*` anywhere")));
    subcommand()->add_option(
        "ACTION", words_,
        userText(USER_TEXT("cli library rules", "add TAG PATTERN, change ID, or remove ID")));
    subcommand()->add_option(
        "--tag", tag_, userText(USER_TEXT("cli library rules", "With change: the rule's new tag")));
    subcommand()->add_option(
        "--pattern", pattern_,
        userText(USER_TEXT("cli library rules", "With change: the rule's new pattern")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    SqliteConnection& connection = library->connection();
    if (words_.empty()) return list(connection, console);
    const std::string& action = words_.front();
    const bool fits = (action == "add" && words_.size() == 3) ||
                      ((action == "change" || action == "remove") && words_.size() == 2);
    std::int64_t id = 0;
    if (!fits || (action != "add" && !parseDigits(words_[1], 18, id))) {
      console.err << userText(USER_TEXT("cli library rules",
                                        "Use `library rules`, `rules add TAG PATTERN`, `rules "
                                        "change ID [--tag TAG] [--pattern PATTERN]` or `rules "
                                        "remove ID` (ID as `library rules` prints it)."))
                  << '\n';
      return kExitUsage;
    }
    SqliteTransaction transaction(connection);
    if (reportFailure(transaction.began(), console)) return kExitRefused;
    Status status;
    RuleRecord rule{id, action == "add" ? words_[1] : "", action == "add" ? words_[2] : ""};
    if (action == "add") {
      status = addRule(connection, rule);
    } else if (action == "remove") {
      status = removeRule(connection, id);
    } else {
      status = changedRule(connection, rule);
    }
    std::int64_t tagged = 0;
    if (status.isOk()) status = categorizeAll(connection, &tagged);
    if (status.isOk()) status = transaction.commit();
    if (reportFailure(status, console)) return kExitRefused;
    const TextTemplate done = action == "add" ? USER_TEXT("cli library rules", "Added rule {id}.")
                              : action == "change"
                                  ? USER_TEXT("cli library rules", "Changed rule {id}.")
                                  : USER_TEXT("cli library rules", "Removed rule {id}.");
    console.out << userText(done, {{"id", std::to_string(action == "add" ? rule.id : id)}}) << '\n';
    console.out << userText(kRulesGiveTags, {}, tagged) << '\n';
    return kExitDone;
  }

 private:
  static int list(SqliteConnection& connection, Console& console) {
    std::vector<RuleRecord> rules;
    if (reportFailure(readRules(connection, rules), console)) return kExitRefused;
    for (const RuleRecord& rule : rules)
      console.out << rule.id << '\t' << textCell(rule.tag) << '\t' << textCell(rule.pattern)
                  << '\n';
    return kExitDone;
  }

  // The rule with its tag and pattern changed as the options say.
  Status changedRule(SqliteConnection& connection, RuleRecord& rule) {
    std::vector<RuleRecord> rules;
    if (Status read = readRules(connection, rules); !read.isOk()) return read;
    for (const RuleRecord& had : rules) {
      if (had.id != rule.id) continue;
      rule.tag = tag_.empty() ? had.tag : tag_;
      rule.pattern = pattern_.empty() ? had.pattern : pattern_;
      return changeRule(connection, rule);
    }
    return noSuchRule(rule.id);
  }

  std::vector<std::string> words_;
  std::string tag_;
  std::string pattern_;
};

class LibraryCategorizeCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "categorize",
        userText(USER_TEXT("cli library categorize",
                           "Run the rules on every sound again: the tags they give change, the "
                           "tags you set or took off by hand stay as you left them")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    SqliteConnection& connection = library->connection();
    SqliteTransaction transaction(connection);
    std::int64_t tagged = 0;
    Status status = transaction.began();
    if (status.isOk()) status = categorizeAll(connection, &tagged);
    if (status.isOk()) status = transaction.commit();
    if (reportFailure(status, console)) return kExitRefused;
    console.out << userText(kRulesGiveTags, {}, tagged) << '\n';
    return kExitDone;
  }
};

}  // namespace

std::unique_ptr<Command> makeLibraryTagCommand() {
  return std::make_unique<LibraryTagCommand>();
}
std::unique_ptr<Command> makeLibraryFavCommand() {
  return std::make_unique<LibraryFlagCommand>("fav", true);
}
std::unique_ptr<Command> makeLibraryHideCommand() {
  return std::make_unique<LibraryFlagCommand>("hide", false);
}
std::unique_ptr<Command> makeLibraryNoteCommand() {
  return std::make_unique<LibraryNoteCommand>();
}
std::unique_ptr<Command> makeLibraryRulesCommand() {
  return std::make_unique<LibraryRulesCommand>();
}
std::unique_ptr<Command> makeLibraryCategorizeCommand() {
  return std::make_unique<LibraryCategorizeCommand>();
}

}  // namespace slotsmith::cli
