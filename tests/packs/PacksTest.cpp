// Sound packs and backups through the command line: a pack exported and imported gives every
// sound the models it played, a backup restores byte for byte, and every hostile archive the
// tests can build is refused with a reason and nothing written; an archive or a restore cut short
// at any step leaves nothing half-made behind.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "../cli/CliRun.h"
#include "packs/Archive.h"
#include "packs/Backup.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

namespace fs = std::filesystem;

struct RawEntry {
  std::string path;
  unsigned type = AE_IFREG;
  std::string bytes;
  std::string link;  // a symbolic link's target, or a hard link's other name
  bool hardLink = false;
};

// An archive written entry by entry, whatever the entries say: the hostile files a test needs.
std::string rawArchive(ArchiveFormat format, const std::vector<RawEntry>& entries) {
  archive* a = archive_write_new();
  if (format == ArchiveFormat::Zip) {
    archive_write_set_format_zip(a);
  } else {
    archive_write_set_format_pax_restricted(a);
    archive_write_add_filter_zstd(a);
  }
  std::string out(std::size_t{64} << 20, '\0');
  std::size_t used = 0;
  archive_write_open_memory(a, out.data(), out.size(), &used);
  for (const RawEntry& raw : entries) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, raw.path.c_str());
    archive_entry_set_filetype(entry, raw.type);
    archive_entry_set_perm(entry, 0644);
    if (raw.type == AE_IFLNK) archive_entry_set_symlink(entry, raw.link.c_str());
    if (raw.hardLink) archive_entry_set_hardlink(entry, raw.link.c_str());
    if (raw.type == AE_IFREG && !raw.hardLink)
      archive_entry_set_size(entry, static_cast<la_int64_t>(raw.bytes.size()));
    archive_write_header(a, entry);
    if (!raw.bytes.empty() && !raw.hardLink)
      archive_write_data(a, raw.bytes.data(), raw.bytes.size());
    archive_entry_free(entry);
  }
  archive_write_close(a);
  archive_write_free(a);
  out.resize(used);
  return out;
}

// A backup of files whose manifest lists every one with its right sum: only what the files are
// can make it hostile.
std::string backupOf(const std::map<std::string, std::string>& files) {
  std::string sums;
  std::vector<RawEntry> entries;
  for (const auto& [path, bytes] : files) {
    sums +=
        (sums.empty() ? "" : ",") + std::string("\"") + path + "\":\"" + sha256Hex(bytes) + "\"";
    entries.push_back({path, AE_IFREG, bytes, {}});
  }
  entries.push_back({kBackupManifestName,
                     AE_IFREG,
                     R"({"format":"slotsmith-backup","version":1,"sha256":{)" + sums + "}}",
                     {}});
  return rawArchive(ArchiveFormat::TarZstd, entries);
}

// The names in folder, and in every folder below it, relative to it.
std::vector<std::string> namesBelow(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(testing::pathFromUtf8(folder)))
    names.push_back(testing::utf8FromPath(entry.path()));
  std::sort(names.begin(), names.end());
  return names;
}

class PacksTest : public ::testing::Test {
 protected:
  PacksTest() : dir_("packs $ \"`") {
    EXPECT_EQ(runSlotsmith({"demo", db()}).status, kExitDone);
    EXPECT_EQ(runSlotsmith({"demo", other()}).status, kExitDone);
  }
  std::string db() const { return dir_.path() + "/DB"; }
  std::string other() const { return dir_.path() + "/Other"; }
  std::string at(const std::string& name) const { return dir_.path() + "/" + name; }

  // What each of slots first..last plays, as `list` shows it (names of the models included).
  std::vector<std::string> listed(const std::string& root, int first, int last) {
    const CliRun run = runSlotsmith({"list", root, "sounds"});
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
      const int slot = std::stoi(line.substr(0, 3));
      if (slot < first || slot > last) continue;
      // Model numbers differ between databases; the names of what is played must not. An empty
      // slot and no model are both nothing to play.
      line = std::regex_replace(line.substr(4), std::regex("-?[0-9]+ \\("), "(");
      line = std::regex_replace(line, std::regex("\\((--<empty>--|unused)\\)"), "(none)");
      lines.push_back(line);
    }
    return lines;
  }

 private:
  testing::TempDir dir_;
};

TEST_F(PacksTest, AnExportedPackImportsAsTheSoundsWereAndABackupRestoresByteForByte) {
  const CliRun exported = runSlotsmith({"export", db(), "2-6", "--to", at("p.zip")});
  ASSERT_EQ(exported.status, kExitDone) << exported.err;
  // Unzipped, the pack is a database whose sounds play what they played.
  ArchiveTree pack;
  ASSERT_TRUE(readArchive(at("p.zip"), ArchiveFormat::Zip, pack).isOk());
  for (const auto& [path, bytes] : pack.files)
    testing::writeFile(at("unzipped/") + path, bytes);
  EXPECT_EQ(listed(at("unzipped"), 0, 4), listed(db(), 2, 6));

  const auto before = listed(db(), 2, 6);
  const CliRun imported =
      runSlotsmith({"import", other(), "--from", at("p.zip"), "0-4", "--to", "50", "--yes"});
  ASSERT_EQ(imported.status, kExitDone) << imported.err;
  EXPECT_EQ(listed(other(), 50, 54), before);
  EXPECT_EQ(runSlotsmith({"export", db(), "2", "--to", at("p.zip")}).status, kExitRefused);

  ASSERT_EQ(runSlotsmith({"backup", other(), "--to", at("b.tar.zst")}).status, kExitDone);
  EXPECT_EQ(runSlotsmith({"verify", at("b.tar.zst")}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"restore", at("b.tar.zst"), "--to", at("R")}).status, kExitDone);
  auto source = testing::treeSnapshot(other());
  std::erase_if(source, [](const auto& e) { return e.first.starts_with(".slotsmith"); });
  EXPECT_EQ(testing::treeSnapshot(at("R")), source);
  // Into the database itself, a restore is an edit that undo reverses.
  ASSERT_EQ(runSlotsmith({"move", other(), "sounds", "0-3", "--to", "20", "--yes"}).status,
            kExitDone);
  auto moved = testing::treeSnapshot(other());
  std::erase_if(moved, [](const auto& e) { return e.first.starts_with(".slotsmith"); });
  ASSERT_EQ(runSlotsmith({"restore", at("b.tar.zst"), "--to", other(), "--yes"}).status, kExitDone);
  auto restored = testing::treeSnapshot(other());
  std::erase_if(restored, [](const auto& e) { return e.first.starts_with(".slotsmith"); });
  EXPECT_TRUE(restored == source);
  ASSERT_EQ(runSlotsmith({"undo", other(), "--yes"}).status, kExitDone);
  auto undone = testing::treeSnapshot(other());
  std::erase_if(undone, [](const auto& e) { return e.first.starts_with(".slotsmith"); });
  EXPECT_TRUE(undone == moved);

  // A file larger than any archive may hold is refused, not carried in part.
  testing::writeFile(other() + "/huge", "");
  fs::resize_file(other() + "/huge", (std::uintmax_t{256} << 20) + 1);  // sparse: costs no disk
  const CliRun huge = runSlotsmith({"backup", other(), "--to", at("huge.tar.zst")});
  EXPECT_EQ(huge.status, kExitRefused);
  EXPECT_NE(huge.err.find("larger than 256 MB"), std::string::npos) << huge.err;
  EXPECT_FALSE(fs::exists(at("huge.tar.zst")));
}

TEST_F(PacksTest, EveryHostileArchiveIsRefusedWithAReasonAndNothingWritten) {
  ASSERT_EQ(runSlotsmith({"export", db(), "0-1", "--to", at("good.zip")}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"backup", db(), "--to", at("good.tar.zst")}).status, kExitDone);
  ArchiveTree good;
  ASSERT_TRUE(readArchive(at("good.zip"), ArchiveFormat::Zip, good).isOk());
  // The good pack's entries, with a change.
  const auto goodWith = [&](const std::function<void(std::vector<RawEntry>&)>& change) {
    std::vector<RawEntry> entries;
    for (const auto& [path, bytes] : good.files)
      entries.push_back({path, AE_IFREG, bytes, {}});
    change(entries);
    return entries;
  };
  const auto plus = [&](RawEntry extra) {
    return goodWith([extra](std::vector<RawEntry>& entries) { entries.push_back(extra); });
  };
  const std::string script = good.files.at("Sounds/000.sound/sound.script");
  // Packs made from a database whose names no rename would give: sound 1 named with an escape
  // sequence, a bell and a carriage return; model 0 with an escape sequence.
  const auto exportedWith = [&](const std::string& sound, const std::string& model) {
    const std::string folder = at("Hostile names");
    fs::remove_all(testing::pathFromUtf8(folder));
    fs::remove(testing::pathFromUtf8(at("names.zip")));
    testing::writeModel(folder, 0, model);
    testing::writeSound(folder, 0, "Fine", 0);
    testing::writeSound(folder, 1, sound, 0);
    EXPECT_EQ(runSlotsmith({"export", folder, "0-1", "--to", at("names.zip")}).status, kExitDone);
    ArchiveTree pack;
    EXPECT_TRUE(readArchive(at("names.zip"), ArchiveFormat::Zip, pack).isOk());
    std::vector<RawEntry> entries;
    for (const auto& [path, bytes] : pack.files)
      entries.push_back({path, AE_IFREG, bytes, {}});
    return entries;
  };
  struct Case {
    std::string title;
    std::vector<RawEntry> entries;
    std::string reason;  // a word the refusal must hold
    // Refused by the archive reader itself, for a backup as for a pack (the others are a pack's
    // own checks); and whether a zip can hold the entry at all (a hard link or a device cannot).
    bool anyArchive = true;
    bool inZip = true;
  };
  const std::vector<Case> cases{
      {"a path that climbs out", plus({"Sounds/../../evil", AE_IFREG, "x", {}}), "outside"},
      {"an absolute path", plus({"/tmp/evil", AE_IFREG, "x", {}}), "outside"},
      {"a drive letter", plus({"C:/evil", AE_IFREG, "x", {}}), "outside"},
      {"a symbolic link", plus({"Sounds/005.sound", AE_IFLNK, {}, "/etc"}), "symbolic link"},
      {"a hard link",
       plus({"Sounds/009.sound/sound.script", AE_IFREG, {}, "Sounds/000.sound/sound.script", true}),
       "hard link", true, false},
      {"a device file", plus({"Sounds/dev", AE_IFCHR, {}, {}}), "device", true, false},
      {"a duplicate entry", plus({"Sounds/000.sound/sound.script", AE_IFREG, script, {}}), "twice"},
      {"names that differ in case", plus({"SOUNDS/000.sound/sound.script", AE_IFREG, script, {}}),
       "twice"},
      {"a file unlike its sum", goodWith([](std::vector<RawEntry>& entries) {
         for (RawEntry& e : entries)
           if (e.path == "Sounds/001.sound/sound.script") e.bytes += "Extra\t1\n";
       }),
       "sum", false},
      {"a file the manifest does not list",
       plus({"Sounds/007.sound/sound.script", AE_IFREG, script, {}}), "manifest", false},
      {"a model the pack does not carry", goodWith([](std::vector<RawEntry>& entries) {
         std::erase_if(entries,
                       [](const RawEntry& e) { return e.path.starts_with("Models/000.model"); });
       }),
       "manifest", false},
      {"a sound name with control characters", exportedWith("\x1b[31m\a\r", "Lead"), "sound 1",
       false},
      {"a model name with control characters", exportedWith("Fine", "L\x1b[2J"), "model 0", false},
  };
  const auto databaseBefore = testing::treeSnapshot(other());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    if (c.inZip) {
      testing::writeFile(at("bad.zip"), rawArchive(ArchiveFormat::Zip, c.entries));
      const CliRun imported =
          runSlotsmith({"import", other(), "--from", at("bad.zip"), "0", "--to", "50", "--yes"});
      EXPECT_EQ(imported.status, kExitRefused);
      EXPECT_NE(imported.err.find(c.reason), std::string::npos) << imported.err;
      EXPECT_TRUE(testing::treeSnapshot(other()) == databaseBefore);
    }
    testing::writeFile(at("bad.tar.zst"), rawArchive(ArchiveFormat::TarZstd, c.entries));
    const CliRun restored = runSlotsmith({"restore", at("bad.tar.zst"), "--to", at("R")});
    EXPECT_EQ(restored.status, kExitRefused);
    if (c.anyArchive) {
      EXPECT_NE(restored.err.find(c.reason), std::string::npos) << restored.err;
    }
    EXPECT_FALSE(testing::exists(at("R")));
    EXPECT_FALSE(testing::exists("/tmp/evil"));
  }
  // Cut short, either kind.
  for (const std::string name : {"good.zip", "good.tar.zst"}) {
    const std::string bytes = testing::readFile(at(name));
    testing::writeFile(at("cut-" + name), bytes.substr(0, bytes.size() / 2));
  }
  EXPECT_EQ(
      runSlotsmith({"import", other(), "--from", at("cut-good.zip"), "0", "--to", "50", "--yes"})
          .status,
      kExitRefused);
  EXPECT_EQ(runSlotsmith({"verify", at("cut-good.tar.zst")}).status, kExitRefused);
  EXPECT_EQ(runSlotsmith({"restore", at("cut-good.tar.zst"), "--to", at("R")}).status,
            kExitRefused);
  EXPECT_FALSE(testing::exists(at("R")));
  EXPECT_TRUE(testing::treeSnapshot(other()) == databaseBefore);
}

TEST_F(PacksTest, APackNeverPushesTheUsersSoundsOutOfTheBank) {
  ASSERT_EQ(runSlotsmith({"export", db(), "0-2", "--to", at("p.zip")}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"demo", at("Full"), "--full"}).status, kExitDone);
  const auto before = testing::treeSnapshot(at("Full"));
  const CliRun imported =
      runSlotsmith({"import", at("Full"), "--from", at("p.zip"), "0-2", "--to", "10", "--yes"});
  EXPECT_EQ(imported.status, kExitRefused);
  EXPECT_NE(imported.err.find("past slot #999"), std::string::npos) << imported.err;
  EXPECT_TRUE(testing::treeSnapshot(at("Full")) == before);
}

TEST(Archives, ACompressionBombIsRefusedBeforeItIsUnpacked) {
  ArchiveLimits limits;
  limits.ratioFreeBytes = 1 << 20;
  const std::string zeros(std::size_t{4} << 20, '\0');
  for (const ArchiveFormat format : {ArchiveFormat::Zip, ArchiveFormat::TarZstd}) {
    ArchiveTree tree;
    const Status read =
        readArchiveBytes(rawArchive(format, {{"Models/000.model/MData", AE_IFREG, zeros, {}}}),
                         format, tree, limits);
    EXPECT_FALSE(read.isOk());
    EXPECT_NE(read.message().find("bomb"), std::string::npos) << read.message();
    EXPECT_TRUE(tree.files.empty());
  }
}

// A restore writes the lock and the undo history of no other machine: a backup carrying
// .slotsmith in any spelling a disk may take for it is refused, into a new folder as into a
// database, before anything is written.
TEST_F(PacksTest, ABackupCarryingSlotsmithsOwnFolderIsRefusedAndNothingIsWritten) {
  ASSERT_EQ(runSlotsmith({"backup", db(), "--to", at("good.tar.zst")}).status, kExitDone);
  ArchiveTree good;
  ASSERT_TRUE(verifyBackup(at("good.tar.zst"), good).isOk());
  ASSERT_EQ(runSlotsmith({"move", other(), "sounds", "0", "--to", "3", "--yes"}).status, kExitDone);
  const auto databaseBefore = testing::treeSnapshot(other());
  const auto historyBefore = namesBelow(other() + "/.slotsmith");
  const auto lockBefore = testing::readFile(other() + "/.slotsmith/lock");
  struct Planted {
    std::string entry;
    bool hostile;  // else a name no disk takes for .slotsmith, restored like any other
  };
  const std::vector<Planted> cases{
      {".slotsmith/lock", true},        {".slotsmith/history/000002/journal", true},
      {".SlotSmith/lock", true},        {".SLOTSMITH/history/000001/journal", true},
      {".slotsmith./lock", true},       {".slotsmith /lock", true},
      {".\u017flotsmith/lock", true},   // the long s, which macOS folds to "s"
      {".slot\u200csmith/lock", true},  // a joiner macOS ignores
      {".slotsmith\ufeff/lock", true},  {"\u017f.slotsmith/lock", false},
      {"Notes/.slotsmith/lock", false},
  };
  for (const auto& [planted, hostile] : cases) {
    SCOPED_TRACE(planted);
    auto files = good.files;
    files[planted] = "pid 1 on host elsewhere (slotsmith)";
    testing::writeFile(at("bad.tar.zst"), backupOf(files));

    const CliRun fresh = runSlotsmith({"restore", at("bad.tar.zst"), "--to", at("R")});
    if (!hostile) {
      EXPECT_EQ(fresh.status, kExitDone) << fresh.err;
      fs::remove_all(testing::pathFromUtf8(at("R")));
      continue;
    }
    EXPECT_EQ(fresh.status, kExitRefused);
    EXPECT_NE(fresh.err.find(planted), std::string::npos) << fresh.err;
    EXPECT_NE(fresh.err.find("Nothing was written"), std::string::npos) << fresh.err;
    EXPECT_FALSE(testing::exists(at("R")));

    const CliRun into = runSlotsmith({"restore", at("bad.tar.zst"), "--to", other(), "--yes"});
    EXPECT_EQ(into.status, kExitRefused);
    EXPECT_NE(into.err.find(planted), std::string::npos) << into.err;
    EXPECT_NE(into.err.find("Nothing was changed"), std::string::npos) << into.err;
    EXPECT_TRUE(testing::treeSnapshot(other()) == databaseBefore);
    EXPECT_EQ(namesBelow(other() + "/.slotsmith"), historyBefore);
    EXPECT_EQ(testing::readFile(other() + "/.slotsmith/lock"), lockBefore);
  }
  // Nothing was left beside the chosen folder either, not even hidden.
  EXPECT_EQ(testing::listNames(at("")),
            (std::vector<std::string>{"DB", "Other", "bad.tar.zst", "good.tar.zst"}));

  // Where the disk tells the spellings apart, such a folder is the user's own; a backup of it
  // could not be restored, so none is made.
  testing::writeFile(db() + "/.SlotSmith/notes", "mine\n");
  const CliRun backup = runSlotsmith({"backup", db(), "--to", at("b.tar.zst")});
  EXPECT_EQ(backup.status, kExitRefused);
  EXPECT_NE(backup.err.find(".SlotSmith"), std::string::npos) << backup.err;
  EXPECT_FALSE(testing::exists(at("b.tar.zst")));
}

// Wherever writing an archive or restoring a backup stops (a full disk, a pulled cable), neither
// the file or folder asked for nor the temporary one beside it is left behind, and the same steps
// with no fault make them whole.
TEST(Archives, AWriteOrARestoreThatFailsAtAnyStepLeavesNothingBehind) {
  testing::TempDir source;
  for (int slot = 0; slot < 2; ++slot) {
    testing::writeModel(source.path() + "/DB", slot, "M" + std::to_string(slot));
    testing::writeSound(source.path() + "/DB", slot, "S" + std::to_string(slot), slot);
  }
  const std::string backup = source.path() + "/b.tar.zst";
  ASSERT_EQ(runSlotsmith({"backup", source.path() + "/DB", "--to", backup}).status, kExitDone);
  ArchiveTree tree;
  ASSERT_TRUE(verifyBackup(backup, tree).isOk());

  struct Writer {
    std::string title;
    std::function<Status(FileSystem&, const std::string& target)> write;
    bool intoEmptyFolder = false;
  };
  const std::vector<Writer> writers{
      {"an archive",
       [&](FileSystem& fs, const std::string& target) {
         return writeArchive(fs, target, ArchiveFormat::Zip, tree);
       }},
      {"a restore into a new folder",
       [&](FileSystem& fs, const std::string& target) {
         std::size_t files = 0;
         return restoreBackup(fs, backup, target, files);
       }},
      {"a restore into an empty folder",
       [&](FileSystem& fs, const std::string& target) {
         std::size_t files = 0;
         return restoreBackup(fs, backup, target, files);
       },
       true},
  };
  for (const Writer& w : writers) {
    for (std::size_t step = 0;; ++step) {
      SCOPED_TRACE(w.title + ", step " + std::to_string(step));
      testing::TempDir dir;
      const std::string target = dir.path() + "/made";
      if (w.intoEmptyFolder) fs::create_directory(testing::pathFromUtf8(target));
      testing::FaultInjectingFileSystem faulty(realFileSystem());
      faulty.failChange(step);
      const Status status = w.write(faulty, target);
      if (!faulty.faultHappened()) {
        ASSERT_TRUE(status.isOk()) << status.message();
        EXPECT_EQ(testing::listNames(dir.path()), std::vector<std::string>{"made"});
        break;
      }
      EXPECT_FALSE(status.isOk());
      EXPECT_TRUE(testing::listNames(dir.path()).empty() ||
                  (w.intoEmptyFolder &&
                   testing::listNames(dir.path()) == std::vector<std::string>{"made"} &&
                   testing::listNames(target).empty()))
          << status.message();
      ASSERT_LT(step, 1000u);
    }
  }
}

}  // namespace
}  // namespace slotsmith::cli
