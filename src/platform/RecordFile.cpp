// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

RecordFile::RecordFile(const std::string& path, Access access)
{
    // Checked before the opening: opening some devices already does something.
    struct stat before { };
    if (access != Access::CreateNew && ::stat(path.c_str(), &before) == 0
        && !S_ISREG(before.st_mode)) {
        failure_ = NotARegularFile;
        return;
    }
    const int flags = access == Access::Read ? O_RDONLY
        : access == Access::ReadWrite        ? O_RDWR | O_CREAT
                                             : O_WRONLY | O_CREAT | O_EXCL;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd_ < 0) {
        missing_ = errno == ENOENT;
        exists_ = errno == EEXIST;
        Fail(errno);
        return;
    }
    // Something else may have taken the name between the check and the opening.
    struct stat status { };
    if (::fstat(fd_, &status) != 0)
        Fail(errno);
    else if (!S_ISREG(status.st_mode))
        failure_ = NotARegularFile;
    else
        size_ = static_cast<std::size_t>(status.st_size);
}

RecordFile::~RecordFile()
{
    Close();
}

void RecordFile::Fail(int error)
{
    if (!Failed())
        failure_ = std::strerror(error);
}

std::size_t RecordFile::ReadAt(std::size_t offset, uint8_t* data, std::size_t size)
{
    std::size_t done = 0;
    while (!Failed() && done < size) {
        const ssize_t got
            = ::pread(fd_, data + done, size - done, static_cast<off_t>(offset + done));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno != EINTR)
                Fail(errno);
            continue;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void RecordFile::WriteAt(std::size_t offset, const uint8_t* data, std::size_t size)
{
    std::size_t done = 0;
    while (!Failed() && done < size) {
        const ssize_t put
            = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno != EINTR)
            Fail(errno);
        else if (put == 0)
            Fail(ENOSPC);
        else if (put > 0)
            done += static_cast<std::size_t>(put);
    }
}

void RecordFile::Flush()
{
    if (!Failed() && ::fsync(fd_) != 0)
        Fail(errno);
}

void RecordFile::Close()
{
    if (fd_ < 0)
        return;
    if (::close(fd_) != 0)
        Fail(errno);
    fd_ = -1;
}

FileContents ReadFileStart(const std::string& path, std::size_t limit)
{
    RecordFile file(path, RecordFile::Access::Read);
    FileContents contents;
    contents.Missing = file.Missing();
    contents.Size = file.Size();
    contents.Bytes.resize(std::min(file.Size(), limit));
    contents.Bytes.resize(file.ReadAt(0, contents.Bytes.data(), contents.Bytes.size()));
    contents.Failure = file.FailureReason();
    if (!contents.Failure.empty())
        contents.Bytes.clear();
    return contents;
}

} // namespace orvane
