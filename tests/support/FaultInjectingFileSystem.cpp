#include "support/FaultInjectingFileSystem.h"

namespace slotsmith::testing {

namespace {

Status injected(const std::string& path) {
  return Status::ioError(path, "injected failure");
}

}  // namespace

bool FaultInjectingFileSystem::shouldFail(const std::string& path, const std::string& other) {
  // The program's own folder (journal, staged copies, undo data) is no change the user sees.
  const auto isOwn = [](const std::string& changed) {
    return changed.find("/.slotsmith") != std::string::npos;
  };
  const bool visible = !isOwn(path) || (!other.empty() && !isOwn(other));
  if (visible && !readsBeforeFirstChange_) readsBeforeFirstChange_ = reads_;
  const bool fail = failAt_ && (crashes_ ? changes_ >= *failAt_ : changes_ == *failAt_);
  ++changes_;
  if (fail) faultHappened_ = true;
  return fail;
}

Status FaultInjectingFileSystem::readFile(const std::string& path, std::string& contents,
                                          std::size_t maxBytes, bool* truncated) {
  // Only reads of something that is there count: a missing file is an answer, not a read.
  if (inner_.entryType(path) == EntryType::Missing) {
    return inner_.readFile(path, contents, maxBytes, truncated);
  }
  const bool fail = failReadAt_ && reads_ == *failReadAt_;
  ++reads_;
  if (fail) {
    faultHappened_ = true;
    contents.clear();
    return injected(path);
  }
  return inner_.readFile(path, contents, maxBytes, truncated);
}

Status FaultInjectingFileSystem::createFile(const std::string& path, const std::string& contents) {
  if (shouldFail(path)) return injected(path);
  return inner_.createFile(path, contents);
}

Status FaultInjectingFileSystem::createFolder(const std::string& path) {
  if (shouldFail(path)) return injected(path);
  return inner_.createFolder(path);
}

Status FaultInjectingFileSystem::writeFileAtomically(const std::string& path,
                                                     const std::string& contents) {
  if (shouldFail(path)) return injected(path);
  return inner_.writeFileAtomically(path, contents);
}

Status FaultInjectingFileSystem::renameFolder(const std::string& from, const std::string& to) {
  if (shouldFail(from, to)) return injected(from);
  return inner_.renameFolder(from, to);
}

Status FaultInjectingFileSystem::copyFolder(const std::string& from, const std::string& to) {
  if (shouldFail(to)) return injected(from);
  return inner_.copyFolder(from, to);
}

Status FaultInjectingFileSystem::renameFile(const std::string& from, const std::string& to) {
  if (shouldFail(from, to)) return injected(from);
  return inner_.renameFile(from, to);
}

Status FaultInjectingFileSystem::appendToFileDurably(const std::string& path,
                                                     const std::string& text) {
  if (shouldFail(path)) return injected(path);
  return inner_.appendToFileDurably(path, text);
}

Status FaultInjectingFileSystem::syncFileSystem(const std::string& path) {
  if (shouldFail(path)) return injected(path);
  return inner_.syncFileSystem(path);
}

Status FaultInjectingFileSystem::removeFolder(const std::string& path) {
  if (shouldFail(path)) return injected(path);
  return inner_.removeFolder(path);
}

}  // namespace slotsmith::testing
