// The user's own data about sounds: it follows a sound wherever the edit engine takes it, the
// rules never undo what the user did by hand, and an export brought into a fresh library gives
// the same data back.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/NameFolding.h"
#include "library/Json.h"
#include "library/Library.h"
#include "library/Rules.h"
#include "library/Search.h"
#include "library/UserData.h"
#include "library/UserDataFile.h"
#include "ops/Edits.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::TempDir;
using testing::writeModel;
using testing::writeSound;

class ConfirmingUi : public testing::FakeUi {
 public:
  int ask(const Question& question) override { return question.confirmingAnswer; }
};

using Tags = std::map<std::string, std::string>;  // tag → origin

void edit(const std::string& root, const EditRequest& request) {
  ConfirmingUi ui;
  Database database(ui);
  database.setRoot(root);
  const EditOutcome outcome = runEdit(database, request);
  ASSERT_TRUE(outcome.isDone()) << outcome.message;
}

class UserDataTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Library::open(libraryFile(), library_).isOk()); }

  std::string libraryFile() const { return home_.path() + "/library.sqlite"; }
  SqliteConnection& connection() { return library_->connection(); }

  SoundId soundAt(const std::string& source, int slot) {
    SoundId id;
    EXPECT_TRUE(findSoundAt(connection(), sourcePathOf(source), slot, id).isOk())
        << source << " " << slot;
    return id;
  }

  Tags tagsAt(const std::string& source, int slot) {
    std::map<std::string, TagOrigin> found;
    EXPECT_TRUE(tagsOf(connection(), soundAt(source, slot), found).isOk());
    Tags tags;
    for (const auto& [tag, origin] : found)
      tags[tag] = origin == TagOrigin::Hand ? "hand" : "rule";
    return tags;
  }

  TempDir home_{"user-data-home"};
  std::unique_ptr<Library> library_;
};

struct FollowCase {
  const char* what;
  std::function<void(const std::string& first, const std::string& second)> run;
  std::string source;  // "first" or "second"
  int slot;
  Tags tags;
};

// "Glass Pad" in slot 5 of the first database is tagged Warm by hand, a favourite with a note.
// Whatever the engine does with it, the next refresh finds the data on the sound where it lies
// now; the rules' tag follows its name, the hand tag stays.
TEST_F(UserDataTest, TagsFollowASoundThroughEdits) {
  const std::vector<FollowCase> cases = {
      {"moved",
       [](const std::string& first, const std::string&) {
         edit(first, MoveRequest{Bank::Sounds, {5}, 0});
       },
       "first",
       0,
       {{"Pad", "rule"}, {"Warm", "hand"}}},
      {"renamed",
       [](const std::string& first, const std::string&) {
         edit(first, RenameRequest{Bank::Sounds, {{5, "Glass Bass"}}});
       },
       "first",
       5,
       {{"Bass", "rule"}, {"Warm", "hand"}}},
      {"imported into a second database",
       [](const std::string& first, const std::string& second) {
         edit(second, ImportSoundsRequest{first, {5}, 2});
       },
       "second",
       2,
       {{"Pad", "rule"}, {"Warm", "hand"}}},
  };
  for (const FollowCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir first("user-data-first"), second("user-data-second");
    writeModel(first.path(), 3, "Glass");
    writeSound(first.path(), 5, "Glass Pad", 3);
    writeSound(first.path(), 6, "Lonely Lead", 3, 1, 3, 1);
    writeModel(second.path(), 0, "Other");
    writeSound(second.path(), 0, "Other Keys", 0);
    ASSERT_TRUE(library_->addSource(first.path()).status.isOk());
    ASSERT_TRUE(library_->addSource(second.path()).status.isOk());
    const SoundId sound = soundAt(first.path(), 5);
    ASSERT_TRUE(changeTags(connection(), sound, {"Warm"}, {}).isOk());
    ASSERT_TRUE(setFavourite(connection(), sound, true).isOk());

    c.run(first.path(), second.path());
    for (const RefreshOutcome& outcome : library_->refresh())
      ASSERT_TRUE(outcome.status.isOk()) << outcome.status.message();

    const std::string& source = c.source == "first" ? first.path() : second.path();
    EXPECT_EQ(tagsAt(source, c.slot), c.tags);
    UserDataSnapshot snapshot;
    UserDataReading reading;
    readUserData(connection(), snapshot, reading);
    EXPECT_TRUE(snapshot.sounds[soundAt(source, c.slot)].favourite);
    ASSERT_TRUE(library_->removeSource(first.path()).isOk());
    ASSERT_TRUE(library_->removeSource(second.path()).isOk());
  }
}

// The rules give and take back only their own tags: a tag set by hand stays, one taken off by
// hand stays off, through categorize and through a change of the rules.
TEST_F(UserDataTest, CategorizeKeepsWhatTheUserDid) {
  TempDir database("user-data-rules");
  writeModel(database.path(), 0, "M");
  const std::vector<std::string> names = {"Glass Pad", "Deep Bass", "Soft Lead", "Glasspad 2"};
  for (std::size_t slot = 0; slot < names.size(); ++slot)
    writeSound(database.path(), static_cast<int>(slot), names[slot], 0, 1, 0, slot);
  ASSERT_TRUE(library_->addSource(database.path()).status.isOk());
  const std::string& db = database.path();
  ASSERT_TRUE(changeTags(connection(), soundAt(db, 0), {}, {"Pad"}).isOk());
  ASSERT_TRUE(changeTags(connection(), soundAt(db, 1), {"Lead"}, {}).isOk());
  ASSERT_TRUE(changeTags(connection(), soundAt(db, 2), {"lead"}, {}).isOk());

  const std::vector<Tags> expected = {
      {}, {{"Bass", "rule"}, {"Lead", "hand"}}, {{"Lead", "hand"}}, {{"Pad", "rule"}}};
  ASSERT_TRUE(categorizeAll(connection()).isOk());
  for (std::size_t slot = 0; slot < names.size(); ++slot)
    EXPECT_EQ(tagsAt(db, static_cast<int>(slot)), expected[slot]) << names[slot];

  std::vector<RuleRecord> rules;
  ASSERT_TRUE(readRules(connection(), rules).isOk());
  for (const RuleRecord& rule : rules) {
    if (rule.tag == "Bass" || rule.tag == "Lead") {
      ASSERT_TRUE(removeRule(connection(), rule.id).isOk());
    }
  }
  RuleRecord glass{0, "Glass", "glass*"};
  ASSERT_TRUE(addRule(connection(), glass).isOk());
  ASSERT_TRUE(categorizeAll(connection()).isOk());
  const std::vector<Tags> after = {{{"Glass", "rule"}},
                                   {{"Lead", "hand"}},
                                   {{"Lead", "hand"}},
                                   {{"Glass", "rule"}, {"Pad", "rule"}}};
  for (std::size_t slot = 0; slot < names.size(); ++slot)
    EXPECT_EQ(tagsAt(db, static_cast<int>(slot)), after[slot]) << names[slot];
}

// A tag that differs only in letter case is the tag the library has, beyond ASCII too: "übergang"
// adds to the sounds tagged "Übergang", and tag: finds them in any case.
TEST_F(UserDataTest, ATagIsOneTagInEveryLetterCase) {
  TempDir database("user-data-tag-case");
  writeModel(database.path(), 0, "M");
  for (int slot = 0; slot < 3; ++slot)
    writeSound(database.path(), slot, "S" + std::to_string(slot), 0, 1, 0, slot);
  ASSERT_TRUE(library_->addSource(database.path()).status.isOk());
  const std::string& db = database.path();
  const std::vector<std::string> spellings = {
      "\xC3\x9C"
      "bergang",
      "\xC3\xBC"
      "bergang",
      "\xC3\x9C"
      "BERGANG"};
  for (int slot = 0; slot < 3; ++slot)
    ASSERT_TRUE(changeTags(connection(), soundAt(db, slot), {spellings[slot]}, {}).isOk());
  for (int slot = 0; slot < 3; ++slot)
    EXPECT_EQ(tagsAt(db, slot), (Tags{{spellings[0], "hand"}})) << slot;
  for (const std::string& typed : spellings) {
    SearchQuery query;
    ASSERT_TRUE(parseSearchQuery({"tag:" + typed}, query).isOk());
    std::vector<FoundItem> found;
    ASSERT_TRUE(searchSounds(connection(), query, found).isOk());
    EXPECT_EQ(found.size(), 3u) << typed;
  }
}

// A pattern's alternatives match words, or the starts or ends of words with a star, on names
// folded as search folds them.
TEST(RulePatternTest, MatchesWordsAsDocumented) {
  const struct {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {
      {"pad", "Glass Pad", true},
      {"pad", "PAD-2", true},
      {"pad", "Pad3", true},
      {"pad", "Padlock", false},
      {"pad", "Glasspad", false},
      {"pad*", "Pads", true},
      {"*pad", "Glasspad", true},
      {"*pad*", "Xpadx", true},
      {"ld, bs", "BS Deep", true},
      {"hi hat", "Open Hi Hat", true},
      {"string*", "STR\xC3\x8FNGS", true},
  };
  for (const auto& c : cases) {
    RulePattern pattern;
    ASSERT_TRUE(RulePattern::parse(c.pattern, pattern).isOk()) << c.pattern;
    EXPECT_EQ(pattern.matches(nameSearchKey(c.name)), c.matches) << c.pattern << " on " << c.name;
  }
  RulePattern refused;
  for (const char* pattern : {"", "pad,,bass", "*", "p*d"})
    EXPECT_FALSE(RulePattern::parse(pattern, refused).isOk()) << pattern;
}

// Everything the user made, exported and imported into a fresh library, exports the same; a
// second import adds nothing, and a note that differs joins the one there.
TEST_F(UserDataTest, ExportImportRoundTrips) {
  TempDir database("user-data-export");
  writeModel(database.path(), 0, "M");
  writeSound(database.path(), 0, "Glass Pad", 0);
  writeSound(database.path(), 1, "Deep Bass", 0, 1, 0, 1);
  ASSERT_TRUE(library_->addSource(database.path()).status.isOk());
  const SoundId pad = soundAt(database.path(), 0), bass = soundAt(database.path(), 1);
  ASSERT_TRUE(changeTags(connection(), pad, {"Warm \xE2\x99\xA5", "x\"y"}, {"Pad"}).isOk());
  ASSERT_TRUE(setHidden(connection(), bass, true).isOk());
  ASSERT_TRUE(setNote(connection(), bass, "line one\nline \"two\"").isOk());
  RuleRecord rule{0, "Glass", "*glass*"};
  ASSERT_TRUE(addRule(connection(), rule).isOk());
  ASSERT_TRUE(connection()
                  .execute("INSERT INTO lists(name) VALUES ('Live');"
                           "INSERT INTO list_items(list, position, identity) "
                           "SELECT 1, slot + 1, identity FROM places WHERE bank = 'sound'")
                  .isOk());
  UserDataSnapshot exported;
  UserDataReading reading;
  readUserData(connection(), exported, reading);
  ASSERT_TRUE(reading.firstFailure.isOk());
  const std::string file = home_.path() + "/export.json";
  ASSERT_TRUE(writeUserDataFile(file, exported).isOk());

  std::unique_ptr<Library> fresh;
  ASSERT_TRUE(Library::open(home_.path() + "/fresh.sqlite", fresh).isOk());
  UserDataSnapshot imported;
  ASSERT_TRUE(readUserDataFile(file, imported).isOk());
  for (int round = 0; round < 2; ++round)
    ASSERT_TRUE(mergeUserData(fresh->connection(), imported).isOk());
  UserDataSnapshot again;
  readUserData(fresh->connection(), again, reading);
  for (auto& [id, sound] : exported.sounds)
    sound.name.clear();  // the fresh library has read no source
  EXPECT_EQ(userDataJson(again), userDataJson(exported));

  imported.sounds[bass].note = "another";
  ASSERT_TRUE(mergeUserData(connection(), imported).isOk());
  readUserData(connection(), again, reading);
  EXPECT_EQ(again.sounds[bass].note, "line one\nline \"two\"\nanother");
}

// The reader takes JSON as RFC 8259 has it and nothing else; a file cut or changed anywhere is
// refused whole or read as what it says, never anything between.
TEST(UserDataFileTest, ReadsStrictlyWhateverTheInput) {
  for (const char* text : {"", "{", "{\"a\": 1,}", "[01]", "[1.]", "\"\\x\"", "\"\\ud800\"",
                           "\"\\udc00x\"", "\"a\nb\"", "\"\xC0\xAF\"", "\"\xED\xA0\x80\"",
                           "{\"a\": 1, \"a\": 2}", "[] []", "tru", "\xEF\xBB\xBF{}"}) {
    JsonValue value;
    EXPECT_EQ(parseJson(text, value).code(), Status::Code::Invalid) << text;
  }
  JsonValue value;
  EXPECT_EQ(
      parseJson(std::string(kJsonDepth + 1, '[') + std::string(kJsonDepth + 1, ']'), value).code(),
      Status::Code::Invalid);
  ASSERT_TRUE(parseJson("{\"s\": \"\\ud83c\\udfb9 \\u00e9\", \"n\": -1.5e3}", value).isOk());
  EXPECT_EQ(value.member("s")->text, "\xF0\x9F\x8E\xB9 \xC3\xA9");

  UserDataSnapshot snapshot;
  snapshot.sounds[std::string(32, '\x01')].tags["Pad"] = TagOrigin::Hand;
  snapshot.sounds[std::string(32, '\x01')].note = "n";
  snapshot.rules.push_back({0, "Pad", "pad*"});
  snapshot.lists.push_back({"Live", {std::string(32, '\x01')}});
  const std::string good = userDataJson(snapshot);
  std::mt19937 random(20261210);
  for (int round = 0; round < 2000; ++round) {
    std::string text = good;
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
    if (round % 2 == 0) {
      text.resize(at);
    } else {
      text[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    }
    UserDataSnapshot read;
    const Status status = userDataFromJson(text, read);
    EXPECT_TRUE(status.isOk() || status.code() == Status::Code::Invalid ||
                status.code() == Status::Code::Refused)
        << status.message();
    if (status.isOk()) {
      for (const auto& [id, sound] : read.sounds)
        EXPECT_EQ(id.size(), 32u);
    }
  }
}

}  // namespace
}  // namespace slotsmith
