// Searching the library and telling what only one database holds, on a small library of three
// databases and a pack. The pack's source and places are written with SQL here: they stand for
// what reading an archive records, so that these cases need no archive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "library/Library.h"
#include "library/Search.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::TempDir;
using testing::writeModel;
using testing::writeSound;

// The sounds, by the models they play (a sound is its script without its name, with its
// models' data):
//   Glass Pad   Glass          first 0, second 7 ("GLASS PAD"), third 0   tag Pad
//   Café Lead   Wood           first 1, the pack                          favourite
//   Bass 2      Ice            first 2, second 8 ("Frozen")
//   Bass 10     Glass + Wood   first 3, first 4 ("Bass Ten")              tag Bass
//   Ab          Ice (as R2)    second 9                                   hidden
// and the model Lonely, which no sound plays, in first alone.
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Library::open(home_.path() + "/library.sqlite", library_).isOk());
    writeModel(first_, 0, "Glass");
    writeModel(first_, 1, "Wood");
    writeModel(first_, 2, "Ice");
    writeModel(first_, 3, "Lonely");
    writeSound(first_, 0, "Glass Pad", 0);
    writeSound(first_, 1, "Caf\xC3\xA9 Lead", 1);
    writeSound(first_, 2, "Bass 2", 2);
    writeSound(first_, 3, "Bass 10", 0, 1, 1, 1);
    writeSound(first_, 4, "Bass Ten", 0, 1, 1, 1);
    writeModel(second_, 5, "Glass");
    writeModel(second_, 6, "Ice");
    writeSound(second_, 7, "GLASS PAD", 5);
    writeSound(second_, 8, "Frozen", 6);
    writeSound(second_, 9, "Ab", 5, 0, 6, 1);
    writeModel(third_, 0, "Glass");
    writeSound(third_, 0, "Glass Pad", 0);
    for (const std::string& source : {first_, second_, third_})
      ASSERT_TRUE(library_->addSource(source).status.isOk());
    // The tags are the test's own: what the default rules made from the names is left out.
    execute(
        "DELETE FROM tags;"
        "INSERT INTO sources(kind, path) VALUES ('pack', '/packs/friends.zip');"
        "INSERT INTO places(source, bank, slot, name, folded_name, identity, exact) "
        "  SELECT (SELECT id FROM sources WHERE kind = 'pack'), bank, slot, name, folded_name, "
        "    identity, exact FROM places WHERE name IN ('Caf\xC3\xA9 Lead', 'Wood');"
        "INSERT INTO tags(identity, tag, origin) "
        "  SELECT identity, 'Pad', 'rule' FROM places WHERE name = 'Glass Pad' LIMIT 1;"
        "INSERT INTO tags(identity, tag, origin) "
        "  SELECT identity, 'Bass', 'hand' FROM places WHERE name = 'Bass 10';"
        "INSERT INTO user_sounds(identity, favourite) "
        "  SELECT identity, 1 FROM places WHERE name = 'Caf\xC3\xA9 Lead' LIMIT 1;"
        "INSERT INTO user_sounds(identity, hidden) "
        "  SELECT identity, 1 FROM places WHERE name = 'Ab';");
  }

  void execute(const std::string& sql) {
    ASSERT_TRUE(library_->connection().execute(sql).isOk()) << sql;
  }

  std::vector<std::string> namesFound(const std::vector<std::string>& terms) {
    SearchQuery query;
    EXPECT_TRUE(parseSearchQuery(terms, query).isOk());
    std::vector<FoundItem> sounds;
    const Status searched = searchSounds(library_->connection(), query, sounds);
    EXPECT_TRUE(searched.isOk()) << searched.message();
    std::vector<std::string> names;
    for (const FoundItem& sound : sounds)
      names.push_back(sound.name);
    return names;
  }

  TempDir home_{"library-search"};
  const std::string first_ = home_.path() + "/a-first";
  const std::string second_ = home_.path() + "/b-second";
  const std::string third_ = home_.path() + "/c-third";
  std::unique_ptr<Library> library_;
};

TEST_F(SearchTest, QueriesFindSoundsByAnyOfTheirPlaces) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {{}, {"Bass 2", "Bass 10", "Caf\xC3\xA9 Lead", "Glass Pad"}},
      {{"glass"}, {"Glass Pad"}},
      {{"PAD"}, {"Glass Pad"}},
      {{"cafe"}, {"Caf\xC3\xA9 Lead"}},
      {{"CAFE\xCC\x81"}, {"Caf\xC3\xA9 Lead"}},  // É written as E and a combining accent
      {{"frozen"}, {"Bass 2"}},                  // the name of its other place
      {{"a"}, {"Bass 2", "Bass 10", "Caf\xC3\xA9 Lead", "Glass Pad"}},
      {{"ss", "ten"}, {"Bass 10"}},
      {{"glass pad"}, {"Glass Pad"}},
      {{"glass", "lead"}, {}},
      {{"_"}, {}},
      {{"%"}, {}},
      {{"ab"}, {}},
      {{"ab", "hidden"}, {"Ab"}},
      {{"tag:pad"}, {"Glass Pad"}},
      {{"tag:Bass", "bass"}, {"Bass 10"}},
      {{"fav"}, {"Caf\xC3\xA9 Lead"}},
      {{"model:ICE"}, {"Bass 2"}},
      {{"model:ice", "hidden"}, {"Ab"}},
      {{"model:gla"}, {"Bass 10", "Glass Pad"}},  // Ab's Glass is switched off
      {{"model:Lonely"}, {}},
      {{"places:3+"}, {"Glass Pad"}},
      {{"places:2"}, {"Bass 2", "Bass 10", "Caf\xC3\xA9 Lead"}},
      {{"in:" + second_}, {"Bass 2", "Glass Pad"}},
      {{"in:" + first_ + "/../b-second/", "pad"}, {"Glass Pad"}},
      {{"at-risk"}, {"Bass 10"}},
      {{"at-risk", "hidden"}, {"Ab"}},
  };
  for (const bool indexed : {true, false}) {
    // Without the trigram index (a SQLite without FTS5) every word is found with LIKE.
    if (!indexed) execute("DROP TABLE place_names");
    for (const auto& [terms, names] : cases) {
      std::string query;
      for (const std::string& term : terms)
        query += term + " ";
      EXPECT_EQ(namesFound(terms), names) << query << (indexed ? "(indexed)" : "(LIKE)");
    }
  }
}

#if !defined(_WIN32)
// The window's search field has no shell to expand "~": the query reads it as the home folder.
TEST_F(SearchTest, ASourceIsNamedFromTheHomeFolder) {
  const char* home = std::getenv("HOME");
  const std::string kept = home == nullptr ? "" : home;
  ::setenv("HOME", home_.path().c_str(), 1);
  EXPECT_EQ(namesFound({"in:~/b-second"}), namesFound({"in:" + second_}));
  EXPECT_EQ(namesFound({"in:~/b-second/../a-first", "bass"}), namesFound({"in:" + first_, "bass"}));
  if (home == nullptr) {
    ::unsetenv("HOME");
  } else {
    ::setenv("HOME", kept.c_str(), 1);
  }
}
#endif

// One result a sound: its identity as hexadecimal, its user data, every place in order; the
// slot's sound has them all; a bad query and a source the library lacks are refused.
TEST_F(SearchTest, AResultHoldsEveryPlaceOfItsSound) {
  SearchQuery query;
  ASSERT_TRUE(parseSearchQuery({"pad"}, query).isOk());
  std::vector<FoundItem> found;
  ASSERT_TRUE(searchSounds(library_->connection(), query, found).isOk());
  ASSERT_EQ(found.size(), 1u);
  std::int64_t matches = 0;
  ASSERT_TRUE(library_->connection()
                  .queryNumber("SELECT count(*) FROM places WHERE lower(hex(identity)) = '" +
                                   found[0].id + "' AND name = 'GLASS PAD'",
                               matches)
                  .isOk());
  EXPECT_EQ(matches, 1);
  EXPECT_EQ(found[0].tags, std::vector<std::string>{"Pad"});
  EXPECT_FALSE(found[0].favourite);
  const std::vector<std::pair<std::string, int>> places = {{first_, 0}, {second_, 7}, {third_, 0}};
  ASSERT_EQ(found[0].places.size(), places.size());
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(found[0].places[i].source, sourcePathOf(places[i].first));
    EXPECT_EQ(found[0].places[i].slot, places[i].second);
  }

  std::optional<FoundItem> atSlot;
  ASSERT_TRUE(soundAtPlace(library_->connection(), sourcePathOf(second_), 7, atSlot).isOk());
  ASSERT_TRUE(atSlot.has_value());
  EXPECT_EQ(atSlot->id, found[0].id);
  EXPECT_EQ(atSlot->places.size(), 3u);
  ASSERT_TRUE(soundAtPlace(library_->connection(), sourcePathOf(second_), 0, atSlot).isOk());
  EXPECT_FALSE(atSlot.has_value());
  EXPECT_TRUE(soundAtPlace(library_->connection(), "/nowhere", 0, atSlot).isNotFound());

  query.sources = {"/nowhere"};
  EXPECT_TRUE(searchSounds(library_->connection(), query, found).isNotFound());
  for (const char* bad : {"places:x", "places:+", "tag:", "in:"})
    EXPECT_EQ(parseSearchQuery({bad}, query).code(), Status::Code::Invalid) << bad;
}

// What a dead card would take with it, case by case: a sound or model with places in one
// database only (two slots of it count as one place to lose); none in two databases, or in a
// database and a pack or backup, or in a pack alone. A missing database's places still count.
TEST_F(SearchTest, AtRiskIsWhatOnlyOneDatabaseHolds) {
  const auto expectAtRisk = [&](const std::vector<std::string>& sounds,
                                const std::vector<std::string>& models,
                                const std::map<std::string, std::pair<int, int>>& bySource) {
    AtRiskItems items;
    ASSERT_TRUE(findAtRisk(library_->connection(), items).isOk());
    std::vector<std::string> soundNames, modelNames;
    for (const FoundItem& sound : items.sounds)
      soundNames.push_back(sound.name);
    for (const FoundItem& model : items.models)
      modelNames.push_back(model.name);
    EXPECT_EQ(soundNames, sounds);
    EXPECT_EQ(modelNames, models);
    std::map<std::string, SourceRisk> risks;
    ASSERT_TRUE(countAtRiskBySource(library_->connection(), risks).isOk());
    std::map<std::string, std::pair<int, int>> counts;
    for (const auto& [path, risk] : risks)
      counts[path] = {static_cast<int>(risk.sounds), static_cast<int>(risk.models)};
    EXPECT_EQ(counts, bySource);
  };
  expectAtRisk({"Ab", "Bass 10"}, {"Lonely"},
               {{sourcePathOf(first_), {1, 1}}, {sourcePathOf(second_), {1, 0}}});

  std::filesystem::rename(testing::pathFromUtf8(second_),
                          testing::pathFromUtf8(home_.path() + "/unplugged"));
  ASSERT_TRUE(library_->refresh({second_}).front().status.isOk());
  expectAtRisk({"Ab", "Bass 10"}, {"Lonely"},
               {{sourcePathOf(first_), {1, 1}}, {sourcePathOf(second_), {1, 0}}});

  execute(
      "INSERT INTO sources(kind, path) VALUES ('backup', '/backups/card.tar.zst');"
      "INSERT INTO places(source, bank, slot, name, folded_name, identity, exact) "
      "  SELECT (SELECT id FROM sources WHERE kind = 'backup'), bank, slot, name, folded_name, "
      "    identity, exact FROM places WHERE name IN ('Ab', 'Lonely');");
  expectAtRisk({"Bass 10"}, {}, {{sourcePathOf(first_), {1, 0}}});

  execute("DELETE FROM places WHERE source = (SELECT id FROM sources WHERE path = '" +
          sourcePathOf(first_) + "')");
  expectAtRisk({"Frozen"}, {"Ice"}, {{sourcePathOf(second_), {1, 1}}});
}

}  // namespace
}  // namespace slotsmith
