// When two model folders hold the same model. A model is its folder: every file and folder in it,
// recursively, by relative path and bytes — with or without the name file MName at the top, as
// the caller chooses. Two folders are identical when those trees are equal, byte for byte.
//
// A fingerprint is a 128-bit FNV-1a hash of the tree (entries sorted by relative path, each with
// its kind, its path and its bytes, every field length-prefixed), computed in one pass over the
// folder, one file in memory at a time. Equal fingerprints are only ever a reason to compare:
// grouping confirms every match byte for byte, so a hash collision can never make two different
// models one.
//
// Everything is read through the FileSystem seam and nothing is changed. A folder that cannot be
// read completely — a file or folder that cannot be opened, a link, a device, a file over 1 GiB —
// has no identity: the caller gets the Status naming the path, never a partial answer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Hashes.h"
#include "core/Status.h"

namespace slotsmith {

struct FolderIdentityOptions {
  // Whether the name file MName at the top of the folder counts: without it, two copies of one
  // model under different names are identical.
  bool includeModelName = true;
};

// Whether the two folders' trees are equal, byte for byte; reads two files at a time.
Status compareModelFolders(FileSystem& fs, const std::string& first, const std::string& second,
                           FolderIdentityOptions options, bool& identical);

struct UnreadableFolder {
  std::size_t index;  // into the folders given
  Status status;
};

struct IdenticalFolderGroups {
  // Indices into the folders given: every group has two or more identical folders, ascending;
  // groups are ordered by their first index.
  std::vector<std::vector<std::size_t>> groups;
  // The folders that could not be read, by index; they are in no group.
  std::vector<UnreadableFolder> unreadable;
};

// Sorts the folders into groups of identical ones. Every folder is listed once and read once for
// its fingerprint; only folders whose fingerprint another one shares are read a second time, one
// file at a time, to confirm the match byte for byte. Memory holds the listings and two files.
IdenticalFolderGroups groupIdenticalFolders(FileSystem& fs, const std::vector<std::string>& folders,
                                            FolderIdentityOptions options);

// SHA-256 of the model's data: the folder's tree without the name file MName, fed as the
// fingerprint is. A model's identity wherever it lies, in this database or another, whatever its
// name; a folder that cannot be read completely has none (the Status names why).
Status modelDataDigest(FileSystem& fs, const std::string& folder, Digest& digest);

}  // namespace slotsmith
