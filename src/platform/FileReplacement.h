// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace orvane {

// The file that a save of the data file at path replaces: where a symlink at path leads
// (players link their files on purpose), else path itself.
std::string SaveTarget(const std::string& path);

// Puts bytes in the place of the data file at path, whole or not at all: they go to a
// new file made beside the target (never through a symlink), are flushed to the disk,
// and the new file is renamed over the target. A target that is not a regular file, or
// that may not be written, is left alone. Returns the reason when nothing was replaced,
// else nothing.
std::string ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

// Holds the folder of a data file's target locked against the other copies of the
// program while one of them reads the file, merges its own changes in and replaces it.
// A copy that holds it longer than a moment, or a folder that is not there, is the
// reason the lock could not be had; where the file system has no locks, the lock is
// held in name only, as a single copy needs none.
class FolderLock {
public:
    explicit FolderLock(const std::string& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Empty while the lock is held.
    const std::string& Failure() const { return failure_; }

private:
    int fd_ = -1;
    std::string failure_;
};

} // namespace orvane
