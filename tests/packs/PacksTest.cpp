// Sound packs and backups through the command line: a pack exported and imported gives every
// sound the models it played, a backup restores byte for byte, and every hostile archive the
// tests can build is refused with a reason and nothing written; an archive or a restore cut short
// at any step leaves nothing half-made behind.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>
#include <regex>

#include "../cli/CliRun.h"
#include "core/DatabasePaths.h"
#include "core/NameFolding.h"
#include "core/PrintableText.h"
#include "ops/Journal.h"
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

std::uint32_t crc32Of(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

struct ZipEntry {
  std::string path;
  std::string bytes;
  unsigned mode = AE_IFREG | 0644;   // the Unix mode
  bool utf8 = false;                 // the flag that says the name is UTF-8
  std::string localPath = {};        // the local header's name, where it differs from the path
  std::uint32_t localSizeExtra = 0;  // a local header that says the data is longer
};

// A stored zip "made by Unix", written byte by byte: names, modes and headers no honest writer
// makes; its central directory lists the entries in the order given, or the other way round.
std::string zipOf(const std::vector<ZipEntry>& entries, bool reversedDirectory = false) {
  const auto put = [](std::string& to, std::uint64_t value, int width) {
    for (int k = 0; k < width; ++k)
      to += static_cast<char>((value >> (8 * k)) & 0xff);
  };
  std::string zip;
  std::vector<std::string> records;
  for (const ZipEntry& e : entries) {
    const std::string& local = e.localPath.empty() ? e.path : e.localPath;
    const std::uint64_t offset = zip.size();
    const std::uint32_t crc = crc32Of(e.bytes);
    const unsigned flags = e.utf8 ? 0x800 : 0;
    put(zip, 0x04034b50, 4), put(zip, 20, 2), put(zip, flags, 2), put(zip, 0, 2), put(zip, 0, 4);
    put(zip, crc, 4), put(zip, e.bytes.size() + e.localSizeExtra, 4);
    put(zip, e.bytes.size() + e.localSizeExtra, 4), put(zip, local.size(), 2), put(zip, 0, 2);
    zip += local + e.bytes;
    std::string record;
    put(record, 0x02014b50, 4), put(record, 0x0314, 2), put(record, 20, 2), put(record, flags, 2);
    put(record, 0, 2), put(record, 0, 4), put(record, crc, 4), put(record, e.bytes.size(), 4);
    put(record, e.bytes.size(), 4), put(record, e.path.size(), 2), put(record, 0, 6);
    put(record, 0, 2), put(record, std::uint64_t{e.mode} << 16, 4), put(record, offset, 4);
    records.push_back(record + e.path);
  }
  if (reversedDirectory) std::reverse(records.begin(), records.end());
  std::string directory;
  for (const std::string& record : records)
    directory += record;
  const std::uint64_t directoryOffset = zip.size();
  zip += directory;
  put(zip, 0x06054b50, 4), put(zip, 0, 4), put(zip, entries.size(), 2);
  put(zip, entries.size(), 2), put(zip, directory.size(), 4), put(zip, directoryOffset, 4);
  put(zip, 0, 2);
  return zip;
}

// The pack's files with their manifest's sums made to match: only what the files are can make
// it hostile.
std::map<std::string, std::string> withSums(std::map<std::string, std::string> files) {
  nlohmann::json manifest = nlohmann::json::parse(files.at("pack.json"));
  manifest["sha256"] = nlohmann::json::object();
  for (const auto& [path, bytes] : files)
    if (path != "pack.json") manifest["sha256"][path] = sha256Hex(bytes);
  files["pack.json"] = manifest.dump();
  return files;
}

std::vector<ZipEntry> zipEntriesOf(const std::map<std::string, std::string>& files,
                                   bool utf8 = false) {
  std::vector<ZipEntry> entries;
  for (const auto& [path, bytes] : files)
    entries.push_back({path, bytes, AE_IFREG | 0644, utf8});
  return entries;
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
  // The good pack as a zip written byte by byte, with more entries.
  const auto zipPlus = [&](std::vector<ZipEntry> extra) {
    std::vector<ZipEntry> entries = zipEntriesOf(good.files);
    entries.insert(entries.end(), extra.begin(), extra.end());
    return zipOf(entries);
  };
  const std::string nfc = "Models/000.model/\u00c4";    // one character
  const std::string nfd = "Models/000.model/A\u0308";   // a letter and a combining mark
  const std::string lower = "Models/000.model/\u00e4";  // the other letter case
  const std::string lookAlike = "Sounds/000.sound/sound.scr\u0456pt";  // a Cyrillic i
  auto lookAlikeFiles = good.files;
  lookAlikeFiles.erase("Sounds/000.sound/sound.script");
  lookAlikeFiles[lookAlike] = script;
  lookAlikeFiles = withSums(lookAlikeFiles);
  // Packs whose names no export writes, their sums made to match: sound 1 named with an escape
  // sequence, a bell and a carriage return; model 0 with an escape sequence.
  const auto namedWith = [&](const std::string& sound, const std::string& model) {
    auto files = good.files;
    files["Sounds/001.sound/sound.script"] = testing::soundScriptText(sound, 0, 1, 0, 0);
    files["Models/000.model/MName"] = model + "\n";
    std::vector<RawEntry> entries;
    for (const auto& [path, bytes] : withSums(files))
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
    // The zip, where libarchive cannot write it; and whether a tar can hold the case at all.
    std::string zip = {};
    bool inTar = true;
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
      {"a NUL that would end the name early",
       {},
       "NUL",
       true,
       true,
       zipPlus({{std::string("x\0/../../../PWNED_nul", 21), "x"}}),
       false},
      {"a central directory that names another file than the local header",
       {},
       "local header",
       true,
       true,
       zipPlus({{"../../PWNED_cd", "x", AE_IFREG | 0644, false, "Sounds/000.sound/extra.txt"}}),
       false},
      {"sizes unlike the local header's",
       {},
       "disagree",
       true,
       true,
       zipPlus({{"Sounds/000.sound/extra.txt", "xy", AE_IFREG | 0644, false, "", 1}}),
       false},
      {"a pipe", plus({"Sounds/000.sound/fifo", AE_IFIFO, {}, {}}), "pipe", true, true,
       zipPlus({{"Sounds/000.sound/fifo", "", AE_IFIFO | 0644}})},
      {"a block device", plus({"Sounds/000.sound/disk", AE_IFBLK, {}, {}}), "device", true, true,
       zipPlus({{"Sounds/000.sound/disk", "", AE_IFBLK | 0644}})},
      {"a socket",
       {},
       "socket",
       true,
       true,
       zipPlus({{"Sounds/000.sound/socket", "", AE_IFSOCK | 0644}}),
       false},
      {"one name in NFC and in NFD", goodWith([&](std::vector<RawEntry>& entries) {
         entries.push_back({nfc, AE_IFREG, "x", {}});
         entries.push_back({nfd, AE_IFREG, "y", {}});
       }),
       "twice", true, true,
       zipPlus({{nfc, "x", AE_IFREG | 0644, true}, {nfd, "y", AE_IFREG | 0644, true}})},
      {"accented names that differ in case", goodWith([&](std::vector<RawEntry>& entries) {
         entries.push_back({nfc, AE_IFREG, "x", {}});
         entries.push_back({lower, AE_IFREG, "y", {}});
       }),
       "twice", true, true, zipPlus({{nfc, "x"}, {lower, "y"}})},
      {"a folder spelt two ways", goodWith([&](std::vector<RawEntry>& entries) {
         entries.push_back({nfc + "/a", AE_IFREG, "x", {}});
         entries.push_back({nfd + "/b", AE_IFREG, "y", {}});
       }),
       "twice", true, true,
       zipPlus(
           {{nfc + "/a", "x", AE_IFREG | 0644, true}, {nfd + "/b", "y", AE_IFREG | 0644, true}})},
      {"a look-alike in place of sound.script",
       {},
       "no sound.script",
       false,
       true,
       zipOf(zipEntriesOf(lookAlikeFiles, true)),
       false},
      {"a sound name with control characters", namedWith("\x1b[31m\a\r", "Lead"), "sound 1", false},
      {"a model name with control characters", namedWith("Fine", "L\x1b[2J"), "model 0", false},
  };
  const auto databaseBefore = testing::treeSnapshot(other());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    if (c.inZip) {
      testing::writeFile(at("bad.zip"),
                         c.zip.empty() ? rawArchive(ArchiveFormat::Zip, c.entries) : c.zip);
      const CliRun imported =
          runSlotsmith({"import", other(), "--from", at("bad.zip"), "0", "--to", "50", "--yes"});
      EXPECT_EQ(imported.status, kExitRefused);
      EXPECT_NE(imported.err.find(c.reason), std::string::npos) << imported.err;
      EXPECT_TRUE(testing::treeSnapshot(other()) == databaseBefore);
    }
    if (!c.inTar) continue;
    testing::writeFile(at("bad.tar.zst"), rawArchive(ArchiveFormat::TarZstd, c.entries));
    const CliRun restored = runSlotsmith({"restore", at("bad.tar.zst"), "--to", at("R")});
    EXPECT_EQ(restored.status, kExitRefused);
    if (c.anyArchive) {
      EXPECT_NE(restored.err.find(c.reason), std::string::npos) << restored.err;
    }
    EXPECT_FALSE(testing::exists(at("R")));
    EXPECT_FALSE(testing::exists("/tmp/evil"));
  }
  // Cut short, either kind: a zip anywhere, in its data, its central directory or its end record
  // (a reader that streams it would not notice).
  const std::string zip = testing::readFile(at("good.zip"));
  for (const std::size_t cut :
       {zip.size() / 2, zip.size() - 200, zip.size() - 22, zip.size() - 1}) {
    SCOPED_TRACE("cut to " + std::to_string(cut) + " bytes");
    testing::writeFile(at("cut.zip"), zip.substr(0, cut));
    const CliRun imported =
        runSlotsmith({"import", other(), "--from", at("cut.zip"), "0", "--to", "50", "--yes"});
    EXPECT_EQ(imported.status, kExitRefused);
    EXPECT_NE(imported.err.find("cut short"), std::string::npos) << imported.err;
  }
  {
    const std::string bytes = testing::readFile(at("good.tar.zst"));
    testing::writeFile(at("cut-good.tar.zst"), bytes.substr(0, bytes.size() / 2));
  }
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

// Every name a database holds and the lists show travels in a pack: exported, then imported by the
// same build, a sound or model keeps it byte for byte, 8-bit text and the empty name included.
// A name with a control character is refused by the writer, naming the slot, before any pack is
// written, as the reader would refuse it.
TEST_F(PacksTest, EveryNameTheListsShowTravelsInAPackAndControlCharactersNeverLeave) {
  struct Name {
    std::string bytes;
    bool travels;
  };
  const std::vector<Name> names{
      {"Caf\xe9", true},       {"", true},           {"\xff\x80\x9b\xa0 8-bit", true},
      {"Pad 2 ~`'\"\\", true}, {"Bell\x07", false},  {"Esc\x1b[1m", false},
      {"Del\x7f", false},      {"Tab\there", false},
  };
  int destination = 100;
  for (const Name& name : names) {
    for (const Bank bank : {Bank::Sounds, Bank::Models}) {
      const bool sound = bank == Bank::Sounds;
      SCOPED_TRACE(printableText(name.bytes, LineBreaks::Escape) +
                   (sound ? " (sound)" : " (model)"));
      testing::TempDir dir;
      const std::string source = dir.path() + "/DB";
      const std::string pack = dir.path() + "/p.zip";
      testing::writeModel(source, 0, sound ? "M" : name.bytes);
      testing::writeSound(source, 0, sound ? name.bytes : "S", 0);
      const CliRun exported = runSlotsmith({"export", source, "0", "--to", pack});
      if (!name.travels) {
        EXPECT_EQ(exported.status, kExitRefused);
        EXPECT_NE(exported.err.find(std::string(sound ? "Sound" : "Model") + " 0 cannot go"),
                  std::string::npos)
            << exported.err;
        EXPECT_FALSE(testing::exists(pack));
        continue;
      }
      ASSERT_EQ(exported.status, kExitDone) << exported.err;
      const std::string slot = std::to_string(destination++);
      const CliRun imported =
          runSlotsmith({"import", other(), "--from", pack, "0", "--to", slot, "--yes"});
      ASSERT_EQ(imported.status, kExitDone) << imported.err;
      EXPECT_EQ(listed(other(), std::stoi(slot), std::stoi(slot)), listed(source, 0, 0));
    }
  }
}

// Whatever a writer writes, its reader takes back exactly, under the same limits (lowered here so
// that small data reaches them): random databases with names outside ASCII (the tests run in the C
// locale, as the command line does), model data that compresses far better than the reader's
// ratio, and empty slots. A backup verifies and restores byte for byte; a pack the reader would
// take for a bomb or whose names it would read otherwise, or an archive of more entries than it
// reads, is refused with nothing written.
TEST(Archives, WhatIsWrittenIsReadBackExactlyUnderTheSameLimits) {
  const std::vector<std::string> names{"Notizen-f\u00fcr-mich", "\u65e5\u672c\u8a9e", "plain",
                                       "e\u0301t\u00e9"};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&](std::size_t n) { return random() % n; };
    ArchiveLimits limits;
    limits.ratioFreeBytes = 64 << 10;
    if (seed % 3 == 0) limits.maxEntries = 12;
    testing::TempDir dir;
    const std::string db = dir.path() + "/" + names[pick(names.size())];
    for (int slot = 0; slot < 5; ++slot) {
      if (pick(4) == 0) continue;  // an empty slot
      testing::writeModel(db, slot, names[pick(names.size())]);
      // Runs of zeros, or bytes that do not compress.
      std::string data(std::size_t{4096} << pick(7), '\0');
      if (pick(3) == 0)
        std::generate(data.begin(), data.end(), [&] { return static_cast<char>(random()); });
      testing::writeFile(slotFolderPath(db, Bank::Models, slot) + "/MData", data);
      testing::writeSound(db, slot, names[pick(names.size())], slot);
      testing::writeFile(slotFolderPath(db, Bank::Sounds, slot) + "/" + names[pick(names.size())],
                         "notes\n");
    }
    testing::writeFile(db + "/" + names[pick(names.size())] + ".txt", "mine\n");

    const std::string backup = dir.path() + "/b.tar.zst";
    std::size_t files = 0;
    const Status written = backUpDatabase(realFileSystem(), db, backup, files, limits);
    if (!written.isOk()) {
      EXPECT_NE(written.message().find("entries"), std::string::npos) << written.message();
      EXPECT_EQ(testing::listNames(dir.path()).size(), 1u);
      continue;
    }
    ArchiveTree tree;
    const Status verified = verifyBackup(backup, tree, limits);
    ASSERT_TRUE(verified.isOk()) << verified.message();
    ASSERT_TRUE(restoreBackup(realFileSystem(), backup, dir.path() + "/R", files).isOk());
    EXPECT_TRUE(testing::treeSnapshot(dir.path() + "/R") == testing::treeSnapshot(db));

    const std::string pack = dir.path() + "/p.zip";
    const Status zipped = writeArchive(realFileSystem(), pack, ArchiveFormat::Zip, tree, limits);
    ArchiveTree back;
    if (zipped.isOk()) {
      ASSERT_TRUE(readArchive(pack, ArchiveFormat::Zip, back, limits).isOk());
      EXPECT_EQ(back.files, tree.files);
    } else {
      EXPECT_TRUE(zipped.message().find("bomb") != std::string::npos ||
                  zipped.message().find("read back as") != std::string::npos)
          << zipped.message();
      EXPECT_FALSE(testing::exists(pack));
    }
  }
}

// A backup goes beside the database however its folder is spelled, never inside it (where the
// next backup would carry it), and clears the temporary files and restoring folders that killed
// runs left beside it: only those, and none a live run is still writing; so does a restore.
TEST_F(PacksTest, ABackupLandsBesideTheDatabaseAndClearsWhatKilledRunsLeft) {
  const auto databaseBefore = testing::treeSnapshot(db());
  const fs::path was = fs::current_path();
  struct Run {
    std::string from;  // the working folder
    std::vector<std::string> args;
    bool done;
  };
  const std::vector<Run> runs{
      {db(), {"backup", "."}, true},
      {db() + "/Sounds", {"backup", ".."}, true},
      {at(""), {"backup", "DB/Models/../"}, true},
      {db(), {"backup", ".", "--to", "b.tar.zst"}, false},
      {at(""), {"backup", "DB", "--to", "DB/Sounds/../Models/b.tar.zst"}, false},
  };
  for (const Run& r : runs) {
    SCOPED_TRACE(r.from + " " + r.args.back());
    fs::current_path(testing::pathFromUtf8(r.from));
    const CliRun run = runSlotsmith(r.args);
    fs::current_path(was);
    EXPECT_EQ(run.status, r.done ? kExitDone : kExitRefused) << run.err;
    EXPECT_EQ(run.err.find("inside the database") != std::string::npos, !r.done) << run.err;
    EXPECT_TRUE(testing::treeSnapshot(db()) == databaseBefore);
    std::vector<std::string> beside = testing::listNames(at(""));
    std::erase_if(beside, [](const std::string& name) { return name == "DB" || name == "Other"; });
    EXPECT_EQ(beside.size(), r.done ? 1u : 0u);
    for (const std::string& name : beside) {
      EXPECT_TRUE(name.starts_with("DB-") && name.ends_with(".tar.zst")) << name;
      fs::remove(testing::pathFromUtf8(at(name)));
    }
  }

  struct Leftover {
    std::string name;
    std::string bytes;
    bool removed;
    bool held = false;  // by a run still writing it
    bool link = false;
  };
  const std::string zstd("\x28\xb5\x2f\xfd rest", 9);
  const std::vector<Leftover> leftovers{
      {".DB-20261209-101010.tar.zst.slotsmith-a1b2c3", zstd, true},
      {".p.zip.slotsmith-zz9zz9", std::string("PK\3\4 rest", 9), true},
      {".notes.txt.slotsmith-a1b2c3", "my notes\n", false},
      {".DB.tar.zst.slotsmith-writing", zstd, false},
      {".b.tar.zst.slotsmith-live00", zstd, false, true},
      {".c.tar.zst.slotsmith-link00", zstd, false, false, true},
      // A restore's folder, told by the database lock inside it ("" for none).
      {".R.restoring-a1b2c3/", "pid 4194303 on host elsewhere (slotsmith)", true},
      {".R.restoring-live00/", "", false, true},
      {".R.restoring-nolck0/", "", false},
  };
  std::vector<std::unique_ptr<FileLock>> held;
  for (const Leftover& l : leftovers) {
    if (l.name.ends_with("/")) {
      const std::string folder = at(l.name.substr(0, l.name.size() - 1));
      fs::create_directories(testing::pathFromUtf8(folder + "/Sounds/000.sound"));
      if (!l.bytes.empty()) testing::writeFile(lockFilePath(folder), l.bytes);
      if (l.held) {
        fs::create_directories(testing::pathFromUtf8(slotsmithFolderPath(folder)));
        ASSERT_TRUE(realFileSystem()
                        .lockFile(lockFilePath(folder), "pid 1 (slotsmith)", held.emplace_back())
                        .isOk());
      }
    } else if (l.link) {
      testing::writeFile(at("target"), l.bytes);
      fs::create_symlink("target", testing::pathFromUtf8(at(l.name)));
    } else if (l.held) {
      ASSERT_TRUE(
          realFileSystem().createLockedFile(at(l.name), l.bytes, held.emplace_back()).isOk());
    } else {
      testing::writeFile(at(l.name), l.bytes);
    }
  }
  ASSERT_EQ(runSlotsmith({"backup", db(), "--to", at("b.tar.zst")}).status, kExitDone);
  for (const Leftover& l : leftovers)
    EXPECT_EQ(fs::exists(fs::symlink_status(testing::pathFromUtf8(at(l.name)))), !l.removed)
        << l.name;
  EXPECT_EQ(testing::readFile(at("target")), zstd);
  // A restore beside them clears them too.
  testing::writeFile(lockFilePath(at(".S.restoring-a1b2c3")), "pid 4194303 (slotsmith)");
  ASSERT_EQ(runSlotsmith({"restore", at("b.tar.zst"), "--to", at("S")}).status, kExitDone);
  EXPECT_FALSE(fs::exists(testing::pathFromUtf8(at(".S.restoring-a1b2c3"))));
  EXPECT_TRUE(fs::exists(testing::pathFromUtf8(at(".R.restoring-live00"))));

  // What no archive can carry is refused before anything is written, naming it.
  struct Unwritable {
    std::string file;
    std::string reason;
  };
  const std::vector<Unwritable> unwritable{
      {"Notes-\xff\xfe.txt", "Notes-\\xff\\xfe.txt is not UTF-8"},
      {"Sounds/000.SOUND/notes", "not spelled as the slot folder 000.sound"},
  };
  for (const Unwritable& u : unwritable) {
    SCOPED_TRACE(u.reason);
    testing::writeFile(other() + "/" + u.file, "x");
    const CliRun refused = runSlotsmith({"backup", other(), "--to", at("u.tar.zst")});
    EXPECT_EQ(refused.status, kExitRefused);
    EXPECT_NE(refused.err.find(u.reason), std::string::npos) << refused.err;
    EXPECT_FALSE(testing::exists(at("u.tar.zst")));
    fs::remove(testing::pathFromUtf8(other() + "/" + u.file));
  }
  // While an edit runs, the backup is refused before it says it would read the database anyway.
  fs::create_directories(testing::pathFromUtf8(slotsmithFolderPath(db())));
  std::unique_ptr<FileLock> editing;
  ASSERT_TRUE(
      realFileSystem().lockFile(lockFilePath(db()), "pid 4242 (slotsmith)", editing).isOk());
  const CliRun whileEditing = runSlotsmith({"backup", db(), "--to", at("e.tar.zst")});
  EXPECT_EQ(whileEditing.status, kExitRefused);
  EXPECT_EQ(whileEditing.err.rfind("An edit is running", 0), 0u) << whileEditing.err;
  EXPECT_FALSE(testing::exists(at("e.tar.zst")));
}

// Help explains a list of slots only where the command takes one.
TEST(PackCommands, HelpExplainsSlotsOnlyWhereTheCommandTakesThem) {
  const std::vector<std::pair<std::string, bool>> commands{
      {"move", true}, {"delete", true}, {"backup", false}, {"verify", false}, {"restore", false}};
  for (const auto& [command, takesSlots] : commands) {
    const CliRun help = runSlotsmith({command, "--help"});
    EXPECT_EQ(help.status, kExitDone);
    EXPECT_EQ(help.out.find("SLOTS is a list") != std::string::npos, takesSlots) << help.out;
    EXPECT_NE(help.out.find("Exit status"), std::string::npos) << help.out;
  }
}

// A pack is told by what it holds, not by its name: reached through a link, named in capitals or
// without .zip, it is a pack; a file that holds no zip is none. Its names arrive as the bytes it
// holds, with the zip's UTF-8 flag or without, in any locale, whatever the order of its central
// directory.
TEST_F(PacksTest, APackIsToldByItsContentsAndItsNamesArriveAsTheyAre) {
  ASSERT_EQ(runSlotsmith({"export", db(), "0-1", "--to", at("p.zip")}).status, kExitDone);
  fs::create_symlink(testing::pathFromUtf8(at("p.zip")), testing::pathFromUtf8(at("link.zip")));
  testing::writeFile(at("P.ZIP"), testing::readFile(at("p.zip")));
  testing::writeFile(at("pack"), testing::readFile(at("p.zip")));
  for (const std::string name : {"link.zip", "P.ZIP", "pack"}) {
    SCOPED_TRACE(name);
    const CliRun dry =
        runSlotsmith({"import", other(), "--from", at(name), "0-1", "--to", "50", "--dry-run"});
    EXPECT_EQ(dry.status, kExitDone) << dry.err;
    EXPECT_NE(dry.out.find("Dry run: Import sounds, "), std::string::npos) << dry.out;
  }

  // A file that is no zip is named as no sound pack, not taken for a folder without a database.
  testing::writeFile(at("notes.zip"), "my notes\n");
  const CliRun notAPack =
      runSlotsmith({"import", other(), "--from", at("notes.zip"), "0-1", "--to", "50", "--yes"});
  EXPECT_EQ(notAPack.status, kExitRefused);
  EXPECT_EQ(notAPack.err.rfind(at("notes.zip") + " is not a sound pack", 0), 0u) << notAPack.err;

  ArchiveTree good;
  ASSERT_TRUE(readArchive(at("p.zip"), ArchiveFormat::Zip, good).isOk());
  const std::string notes = "Models/000.model/Notes \u00e9 A\u0308 \u0416";  // NFC and NFD
  auto files = good.files;
  files[notes] = "notes";
  files = withSums(files);
  for (const bool utf8 : {true, false}) {
    SCOPED_TRACE(utf8 ? "with the UTF-8 flag" : "without it");
    testing::writeFile(at("names.zip"), zipOf(zipEntriesOf(files, utf8), true));
    const CliRun imported =
        runSlotsmith({"import", other(), "--from", at("names.zip"), "0", "--to", "60", "--yes"});
    ASSERT_EQ(imported.status, kExitDone) << imported.err;
    std::smatch model;
    ASSERT_TRUE(std::regex_search(imported.out, model,
                                  std::regex("model 0 of .* (copied to|identical to) model "
                                             "([0-9]+)")))
        << imported.out;
    char folder[32];
    std::snprintf(folder, sizeof folder, "/Models/%03d.model/", std::stoi(model[2]));
    EXPECT_EQ(testing::readFile(other() + folder + notes.substr(17)), "notes");
  }
}

// An import brings sounds: slots that hold none, of a pack or of a database, are refused by
// name, in a dry run as for real, and nothing changes.
TEST_F(PacksTest, AnImportOfSlotsThatHoldNoSoundIsRefusedNamingThem) {
  ASSERT_EQ(runSlotsmith({"export", db(), "0-4", "--to", at("p.zip")}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"delete", db(), "sounds", "7", "--yes"}).status, kExitDone);
  const auto before = testing::treeSnapshot(other());
  struct Try {
    std::string from;
    std::string slots;
    std::string named;
  };
  for (const Try& t :
       {Try{at("p.zip"), "3-9", "slots 5\u20139 of"}, Try{db(), "6-8", "slot 7 of"}}) {
    for (const std::string how : {"--yes", "--dry-run"}) {
      SCOPED_TRACE(t.from + " " + how);
      const CliRun run =
          runSlotsmith({"import", other(), "--from", t.from, t.slots, "--to", "3", how});
      EXPECT_EQ(run.status, kExitRefused);
      EXPECT_NE(run.err.find(t.named), std::string::npos) << run.err;
      EXPECT_NE(run.err.find("empty"), std::string::npos) << run.err;
      if (how == "--dry-run") {
        EXPECT_NE(run.out.find("Dry run: Import sounds"), std::string::npos) << run.out;
      }
    }
  }
  EXPECT_TRUE(testing::treeSnapshot(other()) == before);
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

// The desktop runs in the user's locale, in which libarchive would turn a name into NFC, or lose
// a zip's UTF-8 name in the "C" locale of the command line: either way a name is the archive's
// bytes.
TEST(Archives, ANameIsTheArchivesBytesInAnyLocale) {
  const std::string nfd = "Notes/A\u0308 \u00e9";
  const std::string zip = zipOf({{nfd, "x", AE_IFREG | 0644, true}});
  const std::string tar = rawArchive(ArchiveFormat::TarZstd, {{nfd, AE_IFREG, "x", {}}});
  for (const char* locale : {"C.UTF-8", "C"}) {
    SCOPED_TRACE(locale);
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
    for (const auto& [format, bytes] :
         {std::pair{ArchiveFormat::Zip, zip}, std::pair{ArchiveFormat::TarZstd, tar}}) {
      ArchiveTree tree;
      ASSERT_TRUE(readArchiveBytes(bytes, format, tree).isOk());
      EXPECT_EQ(tree.files.count(nfd), 1u);
    }
  }
}

// Names a disk takes for one compare as one: letter case, accents composed or not and in any
// order of their marks, in the scripts the tables cover; what disks keep apart stays apart, and
// bytes that are not UTF-8 compare as bytes.
TEST(Archives, NamesThatADiskTakesForOneCompareAsOne) {
  const std::vector<std::vector<std::string>> same{
      {"\u00c4", "\u00e4", "A\u0308", "a\u0308"},
      {"\u1ec7", "\u1ec6", "e\u0323\u0302", "e\u0302\u0323", "\u1eb9\u0302"},  // Vietnamese
      {"\u03a3", "\u03c3", "\u03c2"},                                          // sigma
      {"\u1f88", "\u1f80", "\u03b1\u0313\u0345", "\u0391\u0313\u0399"},        // Greek
      {"\u0416", "\u0436"},
      {"\u0419", "\u0439", "\u0438\u0306"},
      {"K", "k", "\u212a"},
      {"\u00c5", "\u212b", "a\u030a"},
  };
  const std::vector<std::pair<std::string, std::string>> apart{
      {"\u00df", "ss"}, {"i", "\u0131"},  {"\u00e4", "\xe4"},
      {"\xc3", "\xc4"}, {"a\u0308", "a"}, {"sound.script", "sound.scr\u0456pt"},
  };
  for (const auto& names : same) {
    for (const std::string& name : names)
      EXPECT_EQ(nameComparisonKey(name), nameComparisonKey(names.front())) << name;
  }
  for (const auto& [one, other] : apart)
    EXPECT_NE(nameComparisonKey(one), nameComparisonKey(other)) << one << " / " << other;
}

// A restore writes the lock and the undo history of no other machine: a backup carrying
// .slotsmith in any spelling a disk may take for it is refused, into a new folder as into a
// database, before anything is written. So is one whose slot the database would read otherwise
// than the backup spells it.
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
    bool hostile;               // else a name no disk takes for .slotsmith, restored like any other
    std::string replaces = {};  // the entries it takes the place of
  };
  const std::vector<Planted> cases{
      {".slotsmith/lock", true},
      {".slotsmith/history/000002/journal", true},
      {".SlotSmith/lock", true},
      {".SLOTSMITH/history/000001/journal", true},
      {".slotsmith./lock", true},
      {".slotsmith /lock", true},
      {".\u017flotsmith/lock", true},   // the long s, which macOS folds to "s"
      {".slot\u200csmith/lock", true},  // a joiner macOS ignores
      {".slotsmith\ufeff/lock", true},
      {"\u017f.slotsmith/lock", false},
      {"Notes/.slotsmith/lock", false},
      // A slot no disk reads as it is spelled, or one that is a file: read as an empty slot, a
      // restore into the database would empty it.
      {"Sounds/000.SOUND/sound.script", true, "Sounds/000.sound/"},
      {"Models/001.Model/MName", true, "Models/001.model/"},
      {"Sounds/001.sound", true, "Sounds/001.sound/"},
      {"SOUNDS/002.sound/sound.script", true, "Sounds/"},
      {"Sounds/Notizen-f\u00fcr-mich.txt", false},
  };
  for (const auto& [planted, hostile, replaces] : cases) {
    SCOPED_TRACE(planted);
    auto files = good.files;
    if (!replaces.empty())
      std::erase_if(files, [&](const auto& file) { return file.first.starts_with(replaces); });
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
