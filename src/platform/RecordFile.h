// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// One opening of a data file for a single load or a single write, closed again when
// it goes out of scope. The first failing step is remembered with the system's reason
// and turns every later step into nothing, so callers check once at the end.
// A symlink at the name is followed; whatever lies at its end must be a regular file.
// Anything else (a pipe, a device, a folder) is refused before it is opened, and the
// opening never waits, so nothing put in a data file's place can stall the game.
class RecordFile {
public:
    // ReadWrite creates a missing file; CreateNew makes a new file and fails when the
    // name is taken, even by a symlink.
    enum class Access { Read, ReadWrite, CreateNew };

    RecordFile(const std::string& path, Access access);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool Failed() const { return !failure_.empty(); }
    const std::string& FailureReason() const { return failure_; }
    bool Missing() const { return missing_; }
    bool AlreadyExists() const { return exists_; }
    std::size_t Size() const { return size_; }

    // Reads at most size bytes; fewer when the file ends first. Returns the count read.
    std::size_t ReadAt(std::size_t offset, uint8_t* data, std::size_t size);
    void WriteAt(std::size_t offset, const uint8_t* data, std::size_t size);
    // Puts what was written on the disk, so that a rename after it never shows an
    // empty or half-written file after a crash.
    void Flush();
    // Closes now, so that a failing close counts as a failure of the write.
    void Close();

private:
    void Fail(int error);

    int fd_ = -1;
    std::size_t size_ = 0;
    bool missing_ = false;
    bool exists_ = false;
    std::string failure_;
};

inline constexpr const char* NotARegularFile
    = QT_TRANSLATE_NOOP("Messages", "it is not a regular file");

// A data file read whole for parsing: at most limit bytes of it, and its full size.
struct FileContents {
    bool Missing = false;
    std::string Failure; // the system's reason; empty when it could be read
    std::size_t Size = 0;
    std::vector<uint8_t> Bytes; // the first min(Size, limit) bytes
};
FileContents ReadFileStart(const std::string& path, std::size_t limit);

} // namespace orvane
