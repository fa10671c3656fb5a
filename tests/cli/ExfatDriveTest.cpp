// The real binary on an exFAT card image mounted through FUSE, as a card reader shows the
// synthesizer's card to a Linux desktop: there syncfs does not reach the card, so every flush
// goes file by file. A killed edit still leaves the slots exactly before or after it; a
// finished edit is on the card the moment the command returns; and what FAT cannot hold (names
// that differ only in case, symbolic links, a second entry under a taken name) is refused
// without a change. Skipped where FUSE, loop devices or the exFAT tools are missing.
#include <gtest/gtest.h>

#ifdef _WIN32
// Windows reads such a card with its own exFAT driver; what this checks is the Linux FUSE path.
TEST(ExfatDrive, IsAboutLinuxFuseDrivers) {
  GTEST_SKIP() << "mounts an exFAT image through FUSE on a loop device, which Windows has not";
}
#else
#include <sys/vfs.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>

#include "KilledEdits.h"

namespace slotsmith::cli {
namespace {

namespace fs = std::filesystem;

constexpr long kFuseMagic = 0x65735546;

// The path of a system tool, also from the sbin folders a user's PATH may leave out; empty
// when it is not installed.
std::string findTool(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = std::string(path ? path : "") + ":/usr/sbin:/sbin:/usr/bin:/bin";
  for (std::size_t start = 0; start < folders.size();) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string candidate = folders.substr(start, end - start) + "/" + name;
    if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

std::string withoutNewline(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

// An exFAT image on a loop device (exfat-fuse run by root mounts block devices only), mounted
// with mount.exfat-fuse; unmounted and detached when the object goes away, a failed test too.
class ExfatVolume {
 public:
  // The mounted volume, or none with the reason in why.
  static std::unique_ptr<ExfatVolume> mount(const std::string& image, const std::string& folder,
                                            bool readOnly, std::string& why) {
    std::unique_ptr<ExfatVolume> volume(new ExfatVolume(folder));
    std::string output;
    std::vector<std::string> attach{findTool("losetup"), "--find", "--show"};
    if (readOnly) attach.push_back("--read-only");
    attach.push_back(image);
    if (runProgram(attach, output) != 0) {
      why = "losetup could not attach a loop device: " + withoutNewline(output);
      return nullptr;
    }
    volume->device_ = withoutNewline(output);
    std::vector<std::string> mount{findTool("mount.exfat-fuse")};
    if (readOnly) mount.insert(mount.end(), {"-o", "ro"});
    mount.insert(mount.end(), {volume->device_, folder});
    if (runProgram(mount, output) != 0) {
      why = "mount.exfat-fuse failed: " + withoutNewline(output);
      return nullptr;
    }
    volume->mounted_ = true;
    struct statfs info;
    if (::statfs(folder.c_str(), &info) != 0 || info.f_type != kFuseMagic) {
      why = folder + " is not a FUSE mount after mount.exfat-fuse";
      return nullptr;
    }
    return volume;
  }

  ~ExfatVolume() {
    std::string output;
    if (mounted_ && runProgram({findTool("fusermount"), "-u", folder_}, output) != 0) {
      runProgram({findTool("umount"), "--lazy", folder_}, output);
    }
    // Detaching a device still open marks it to go when it is closed.
    if (!device_.empty()) runProgram({findTool("losetup"), "--detach", device_}, output);
  }
  ExfatVolume(const ExfatVolume&) = delete;
  ExfatVolume& operator=(const ExfatVolume&) = delete;

 private:
  explicit ExfatVolume(std::string folder) : folder_(std::move(folder)) {}

  std::string folder_;
  std::string device_;
  bool mounted_ = false;
};

class ExfatDrive : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { skipReason_ = new std::string(prepareCard()); }
  static void TearDownTestSuite() {
    delete card_;  // before the folder that holds its image and mount point
    card_ = nullptr;
    delete dir_;
    dir_ = nullptr;
    delete skipReason_;
    skipReason_ = nullptr;
  }
  void SetUp() override {
    if (!skipReason_->empty()) GTEST_SKIP() << *skipReason_;
  }

  // Makes and mounts the card; why it cannot, or empty.
  static std::string prepareCard() {
#ifdef SLOTSMITH_SANITIZED
    return "too slow under the sanitizers";
#endif
    if (::access("/dev/fuse", R_OK | W_OK) != 0) return "no usable /dev/fuse: no FUSE here";
    for (const char* tool : {"mkfs.exfat", "mount.exfat-fuse", "losetup", "fusermount"}) {
      if (findTool(tool).empty()) {
        return std::string(tool) +
               " not found: scripts/install-deps.sh installs exfatprogs, exfat-fuse and fuse3";
      }
    }
    dir_ = new testing::TempDir("exfat drive");
    const std::string image = imagePath();
    testing::writeFile(image, {});
    fs::resize_file(image, 64 << 20);
    std::string output;
    if (runProgram({findTool("mkfs.exfat"), image}, output) != 0) {
      return "mkfs.exfat failed: " + withoutNewline(output);
    }
    fs::create_directory(cardPath());
    std::string why;
    card_ = ExfatVolume::mount(image, cardPath(), false, why).release();
    return card_ ? std::string() : "cannot mount an exFAT image through FUSE here: " + why;
  }

  static std::string imagePath() {
    return dir_->path() + "/card.img";
  }
  static std::string cardPath() {
    return dir_->path() + "/card";
  }

  // A new demo database on the card, with both names files as every edit leaves them.
  static std::string demoOnCard(const std::string& name) {
    const std::string root = cardPath() + "/" + name;
    EXPECT_EQ(runSlotsmith({"demo", root}).status, kExitDone);
    EXPECT_EQ(runSlotsmith({"names", root}).status, kExitDone);
    return root;
  }

  static std::string* skipReason_;
  static testing::TempDir* dir_;
  static ExfatVolume* card_;
};

std::string* ExfatDrive::skipReason_ = nullptr;
testing::TempDir* ExfatDrive::dir_ = nullptr;
ExfatVolume* ExfatDrive::card_ = nullptr;

TEST_F(ExfatDrive, AKilledEditLeavesTheDatabaseBeforeOrAfter) {
  const std::string root = demoOnCard("killed");
  const Tree before = testing::treeSnapshot(root);
  std::mt19937 random(20261209);
  // A command takes about a second on the card, where every lookup of the scan is a round trip
  // to the driver: fewer rounds than on the local disk keep the test short.
  const std::vector<std::pair<std::vector<std::string>, int> > cases{
      {{"move", "models", "40-45", "--to", "30", "--yes"}, 3},
      {{"remove", "sounds", "3,5", "--yes"}, 2},
  };
  for (const auto& [edit, rounds] : cases) {
    SCOPED_TRACE(edit[0]);
    checkKilledEdits(root, before, edit, rounds, random);
    if (HasFatalFailure()) return;
  }
}

TEST_F(ExfatDrive, AFinishedEditIsOnTheCardWhenTheCommandReturns) {
  const std::string root = demoOnCard("pulled");
  ASSERT_EQ(waitForExit(
                startChild(slotsmithArgs({"move", root, "sounds", "3-9", "--to", "20", "--yes"}))),
            0);
  // The card pulled right now: a copy of its image as it is, mounted on its own.
  const std::string pulled = dir_->path() + "/pulled";
  fs::copy_file(imagePath(), pulled + ".img");
  fs::create_directory(pulled);
  std::string why;
  const auto copy = ExfatVolume::mount(pulled + ".img", pulled, true, why);
  ASSERT_TRUE(copy) << why;
  ASSERT_TRUE(fs::is_directory(pulled + "/pulled")) << "the database is not on the card";
  const Tree onCard = testing::treeSnapshot(pulled + "/pulled");
  const Tree seen = testing::treeSnapshot(root);
  EXPECT_TRUE(onCard == seen) << firstDifference(onCard, seen);
}

struct Refusal {
  std::string title;
  std::function<Status(FileSystem&, const std::string& dir)> change;
  Status::Code code;
};

TEST_F(ExfatDrive, WhatFatCannotHoldIsRefusedWithoutAChange) {
  // A sound folder holding a link, outside the card: copying it is copying the link.
  testing::TempDir outside;
  testing::writeFile(outside.path() + "/linked/sound.script", "Volume\t1\n");
  fs::create_symlink("sound.script", outside.path() + "/linked/link");
  const std::vector<Refusal> cases{
      {"a folder whose name differs only in case",
       [](FileSystem& files, const std::string& d) {
         return files.createFolder(d + "/Sounds/005.SOUND");
       },
       Status::Code::AlreadyExists},
      {"a file whose name differs only in case",
       [](FileSystem& files, const std::string& d) { return files.createFile(d + "/Names", "x"); },
       Status::Code::AlreadyExists},
      {"a rename onto an existing file",
       [](FileSystem& files, const std::string& d) {
         return files.renameFile(d + "/a", d + "/names");
       },
       Status::Code::AlreadyExists},
      {"a rename onto a name that differs only in case",
       [](FileSystem& files, const std::string& d) {
         return files.renameFile(d + "/a", d + "/NAMES");
       },
       Status::Code::AlreadyExists},
      {"a rename to its own name in capitals",
       [](FileSystem& files, const std::string& d) {
         return files.renameFolder(d + "/Sounds/005.sound", d + "/Sounds/005.SOUND");
       },
       Status::Code::AlreadyExists},
      {"a copy of a folder holding a symbolic link",
       [&](FileSystem& files, const std::string& d) {
         return files.copyFolder(outside.path() + "/linked", d + "/Sounds/006.sound");
       },
       Status::Code::IoError},
  };
  int round = 0;
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.title);
    const std::string d = cardPath() + "/refusal" + std::to_string(++round);
    testing::writeFile(d + "/Sounds/005.sound/sound.script", "Volume\t1\n");
    testing::writeFile(d + "/names", "names\n");
    testing::writeFile(d + "/a", "a\n");
    const Tree before = testing::treeSnapshot(d);
    const Status status = c.change(realFileSystem(), d);
    EXPECT_EQ(status.code(), c.code) << status.message();
    EXPECT_EQ(testing::treeSnapshot(d), before);
  }
}

TEST_F(ExfatDrive, ASlotFolderSpelledInCapitalsIsThatSlotAndAnEditIsRightOrRefused) {
  const std::vector<std::string> edit{"sounds", "1", "--to", "5", "--yes"};
  const auto copy = [&](const std::string& root) {
    std::vector<std::string> args{"copy", root};
    args.insert(args.end(), edit.begin(), edit.end());
    return runSlotsmith(args);
  };
  // What the edit does where the slot folder is spelled as the program spells it.
  const std::string reference = demoOnCard("reference");
  const std::string listed = runSlotsmith({"list", reference, "sounds"}).out;
  ASSERT_EQ(copy(reference).status, kExitDone);
  const std::string copied = runSlotsmith({"list", reference, "sounds"}).out;

  const std::string root = demoOnCard("capitals");
  // Two steps: FAT takes a rename to the same name in capitals for a rename onto itself.
  fs::rename(root + "/Sounds/005.sound", root + "/Sounds/spelled");
  fs::rename(root + "/Sounds/spelled", root + "/Sounds/005.SOUND");
  // The card's lookup ignores case, as the synthesizer's does.
  EXPECT_EQ(runSlotsmith({"list", root, "sounds"}).out, listed);
  const Tree before = testing::treeSnapshot(root);
  const CliRun run = copy(root);
  EXPECT_FALSE(hasUnfinishedTransaction(realFileSystem(), root));
  if (run.status == kExitDone) {
    EXPECT_EQ(runSlotsmith({"list", root, "sounds"}).out, copied);
  } else {
    EXPECT_EQ(run.status, kExitRefused) << run.err;
    EXPECT_EQ(testing::treeSnapshot(root), before);
  }
}

}  // namespace
}  // namespace slotsmith::cli
#endif  // _WIN32
