#include "support/PowerLossFileSystem.h"

namespace slotsmith::testing {

bool PowerLossFileSystem::powered() {
  if (cutAt_ && changes_ >= *cutAt_) {
    changes_ = *cutAt_ + 1;
    return false;
  }
  ++changes_;
  return true;
}

Status PowerLossFileSystem::apply(InMemoryFileSystem& disk, const Change& change) {
  using Kind = Change::Kind;
  switch (change.kind) {
    case Kind::WriteFile:
      return disk.writeFileAtomically(change.path, change.bytes);
    case Kind::CreateFile:
      return disk.createFile(change.path, change.bytes);
    case Kind::CreateFolder:
      return disk.createFolder(change.path);
    case Kind::Rename:
      return disk.renameFolder(change.path, change.other);
    case Kind::Copy:
      return disk.copyFolder(change.path, change.other);
    case Kind::Remove:
      return disk.removeFolder(change.path);
    case Kind::Append:
      return disk.appendToFileDurably(change.path, change.bytes);
  }
  return Status::invalid(change.path, "unknown change");
}

Status PowerLossFileSystem::record(Change change) {
  if (!powered()) return Status::ioError(change.path, "the power is gone");
  Status status = apply(live_, change);
  if (status.isOk()) unflushed_.push_back(std::move(change));
  return status;
}

Status PowerLossFileSystem::writeFileAtomically(const std::string& path,
                                                const std::string& contents) {
  return record({Change::Kind::WriteFile, path, {}, contents});
}
Status PowerLossFileSystem::createFile(const std::string& path, const std::string& contents) {
  return record({Change::Kind::CreateFile, path, {}, contents});
}
Status PowerLossFileSystem::createFolder(const std::string& path) {
  return record({Change::Kind::CreateFolder, path, {}, {}});
}
Status PowerLossFileSystem::renameFolder(const std::string& from, const std::string& to) {
  return record({Change::Kind::Rename, from, to, {}});
}
Status PowerLossFileSystem::renameFile(const std::string& from, const std::string& to) {
  return record({Change::Kind::Rename, from, to, {}});
}
Status PowerLossFileSystem::copyFolder(const std::string& from, const std::string& to) {
  return record({Change::Kind::Copy, from, to, {}});
}
Status PowerLossFileSystem::removeFolder(const std::string& path) {
  return record({Change::Kind::Remove, path, {}, {}});
}

Status PowerLossFileSystem::appendToFileDurably(const std::string& path, const std::string& text) {
  if (Status status = record({Change::Kind::Append, path, {}, text}); !status.isOk()) {
    return status;
  }
  // Flushing the file makes its appends durable, but not a name it only has in the cache.
  if (durable_.entryType(path) != EntryType::File) return Status::ok();
  std::erase_if(unflushed_, [&](const Change& change) {
    if (change.kind != Change::Kind::Append || change.path != path) return false;
    static_cast<void>(apply(durable_, change));
    return true;
  });
  return Status::ok();
}

Status PowerLossFileSystem::syncFileSystem(const std::string& path) {
  if (!powered()) return Status::ioError(path, "the power is gone");
  durable_ = live_;
  unflushed_.clear();
  return Status::ok();
}

std::vector<InMemoryFileSystem> PowerLossFileSystem::statesAfterCut() const {
  auto replay = [&](std::optional<std::size_t> lost, bool tearLast) {
    InMemoryFileSystem disk = durable_;
    disk.forgetLocks();  // the process that held them is gone
    for (std::size_t i = 0; i < unflushed_.size(); ++i) {
      if (lost && *lost == i) continue;
      Change change = unflushed_[i];
      if (tearLast && i + 1 == unflushed_.size()) change.bytes.resize(change.bytes.size() / 2);
      static_cast<void>(apply(disk, change));
    }
    return disk;
  };
  std::vector<InMemoryFileSystem> states{replay(std::nullopt, false)};
  for (std::size_t i = 0; i < unflushed_.size(); ++i)
    states.push_back(replay(i, false));
  if (!unflushed_.empty() && !unflushed_.back().bytes.empty()) {
    states.push_back(replay(std::nullopt, true));
  }
  return states;
}

}  // namespace slotsmith::testing
