// The operating system's FileSystem where it must hold back: it never removes what it did not
// create.
#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

TEST(RealFileSystem, ACopyOntoAnExistingFolderFailsAndLeavesThatFolderAsItWas) {
  TempDir dir;
  writeFile(dir.path() + "/from/data", "copy me\n");
  writeFile(dir.path() + "/to/keep", "precious\n");
  const Status status = realFileSystem().copyFolder(dir.path() + "/from", dir.path() + "/to");
  EXPECT_FALSE(status.isOk());
  EXPECT_EQ(listNames(dir.path() + "/to"), std::vector<std::string>{"keep"});
  EXPECT_EQ(readFile(dir.path() + "/to/keep"), "precious\n");
}

}  // namespace
}  // namespace slotsmith::testing
