#include "core/ModelIdentity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "support/InMemoryFileSystem.h"

namespace slotsmith {
namespace {

// An in-memory tree whose reads can fail, or return other bytes from the second read on (what a
// hash collision looks like to the grouping: equal fingerprints, different bytes).
class ScriptedReads : public testing::InMemoryFileSystem {
 public:
  std::set<std::string> failing;
  std::set<std::string> failingLater;
  std::map<std::string, std::string> laterBytes;

  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override {
    const bool later = reads_[path]++ > 0;
    if (failing.count(path) || (later && failingLater.count(path))) {
      return Status::ioError(path, "unreadable");
    }
    if (later && laterBytes.count(path)) {
      contents = laterBytes[path];
      return Status::ok();
    }
    return InMemoryFileSystem::readFile(path, contents, maxBytes, truncated);
  }

  // Whether some file was read again: the grouping does that only to confirm a shared
  // fingerprint.
  bool anyFileReadTwice() const {
    return std::any_of(reads_.begin(), reads_.end(),
                       [](const auto& read) { return read.second > 1; });
  }

 private:
  std::map<std::string, int> reads_;
};

using Layout = std::map<std::string, std::string>;  // relative path -> bytes; "/" ends a folder

void addModel(testing::InMemoryFileSystem& fs, const std::string& folder, const Layout& layout) {
  fs.addFolder(folder);
  for (const auto& [path, bytes] : layout) {
    if (path.ends_with("/")) {
      fs.addFolder(folder + "/" + path.substr(0, path.size() - 1));
    } else {
      fs.addFile(folder + "/" + path, bytes);
    }
  }
}

const Layout kModel = {{"MName", "Lead\n"}, {"MData", "xyz"}, {"sub/Extra", "e"}};

Layout changed(const std::function<void(Layout&)>& change) {
  Layout layout = kModel;
  change(layout);
  return layout;
}

TEST(ModelIdentity, FingerprintsAgreeWithByteComparison) {
  const struct {
    const char* what;
    Layout other;
    bool identical;        // MName included
    bool identicalByData;  // MName left out
  } cases[] = {
      {"a copy", kModel, true, true},
      {"another name", changed([](Layout& l) { l["MName"] = "Bass\n"; }), false, true},
      {"no name file", changed([](Layout& l) { l.erase("MName"); }), false, true},
      {"one byte of data", changed([](Layout& l) { l["MData"] = "xyZ"; }), false, false},
      {"an extra empty folder", changed([](Layout& l) { l["more/"] = ""; }), false, false},
      {"a renamed file", changed([](Layout& l) { l.erase("MData"), l["MData2"] = "xyz"; }), false,
       false},
      {"bytes moved between files",
       changed([](Layout& l) { l["MData"] = "xy", l["sub/Extra"] = "ze"; }), false, false},
      {"the file one folder up",
       changed([](Layout& l) { l.erase("sub/Extra"), l["sub/"] = "", l["Extra"] = "e"; }), false,
       false},
      {"a name file below the top counts", changed([](Layout& l) { l["sub/MName"] = "x"; }), false,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const bool includeModelName : {true, false}) {
      ScriptedReads fs;
      addModel(fs, "/a", kModel);
      addModel(fs, "/b", c.other);
      const FolderIdentityOptions options{includeModelName};
      const bool expected = includeModelName ? c.identical : c.identicalByData;
      const IdenticalFolderGroups grouped = groupIdenticalFolders(fs, {"/a", "/b"}, options);
      EXPECT_EQ(grouped.groups.size(), expected ? 1u : 0u)
          << "names included: " << includeModelName;
      // Folders that differ must already differ in their fingerprints, or every pair of models
      // would be read twice.
      if (!expected) {
        EXPECT_FALSE(fs.anyFileReadTwice()) << "names included: " << includeModelName;
      }
      bool identical = !expected;
      ASSERT_TRUE(compareModelFolders(fs, "/a", "/b", options, identical).isOk());
      EXPECT_EQ(identical, expected) << "names included: " << includeModelName;
    }
  }
}

TEST(ModelIdentity, GroupsIdenticalFoldersAndReportsTheUnreadable) {
  ScriptedReads fs;
  const Layout other = changed([](Layout& l) { l["MData"] = "other"; });
  addModel(fs, "/m0", kModel);
  addModel(fs, "/m1", other);
  addModel(fs, "/m2", kModel);
  addModel(fs, "/m3", changed([](Layout& l) { l["MName"] = "Copy\n"; }));
  addModel(fs, "/m4", kModel);
  fs.failing.insert("/m4/sub/Extra");
  addModel(fs, "/m5", other);
  const std::vector<std::string> folders = {"/m0", "/m1", "/m2", "/m3", "/m4", "/m5", "/none"};

  const IdenticalFolderGroups byName = groupIdenticalFolders(fs, folders, {true});
  EXPECT_EQ(byName.groups, (std::vector<std::vector<std::size_t>>{{0, 2}, {1, 5}}));
  const IdenticalFolderGroups byData = groupIdenticalFolders(fs, folders, {false});
  EXPECT_EQ(byData.groups, (std::vector<std::vector<std::size_t>>{{0, 2, 3}, {1, 5}}));
  for (const IdenticalFolderGroups& result : {byName, byData}) {
    ASSERT_EQ(result.unreadable.size(), 2u);
    EXPECT_EQ(result.unreadable[0].index, 4u);
    EXPECT_EQ(result.unreadable[0].status.message(), "/m4/sub/Extra: unreadable");
    EXPECT_EQ(result.unreadable[1].index, 6u);
    EXPECT_TRUE(result.unreadable[1].status.isNotFound());
  }
}

// Every folder reads like m0 for its fingerprint; what the confirming read finds decides.
TEST(ModelIdentity, OnlyTheConfirmingReadMakesAGroup) {
  using Groups = std::vector<std::vector<std::size_t>>;
  const struct {
    const char* what;
    std::map<std::string, std::string> laterBytes;
    std::string failingLater;
    Groups groups;
    std::vector<std::size_t> unreadable;
  } cases[] = {
      {"equal fingerprints, different bytes (a collision)",
       {{"/m1/sub/Extra", "E"}, {"/m2/MData", "XYZ"}},
       "",
       {{0, 3}},
       {}},
      {"the representative fails", {}, "/m0/MData", {{1, 2, 3}}, {0}},
      {"a candidate fails", {}, "/m2/sub/Extra", {{0, 1, 3}}, {2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedReads fs;
    for (const char* folder : {"/m0", "/m1", "/m2", "/m3"})
      addModel(fs, folder, kModel);
    fs.laterBytes = c.laterBytes;
    fs.failingLater.insert(c.failingLater);
    const IdenticalFolderGroups result =
        groupIdenticalFolders(fs, {"/m0", "/m1", "/m2", "/m3"}, {true});
    EXPECT_EQ(result.groups, c.groups);
    std::vector<std::size_t> unreadable;
    for (const UnreadableFolder& folder : result.unreadable)
      unreadable.push_back(folder.index);
    EXPECT_EQ(unreadable, c.unreadable);
  }
}

}  // namespace
}  // namespace slotsmith
