// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

RecordFile::RecordFile(const std::string& path, Access access)
{
    // Non-blocking, so that a pipe put in the file's place cannot stall the game.
    const int flags = access == Access::Read ? O_RDONLY
        : access == Access::ReadWrite        ? O_RDWR | O_CREAT
                                             : O_WRONLY | O_CREAT | O_EXCL;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd_ < 0) {
        missing_ = errno == ENOENT;
        exists_ = errno == EEXIST;
        Fail(errno);
        return;
    }
    struct stat status { };
    if (::fstat(fd_, &status) != 0) {
        Fail(errno);
    } else if (!S_ISREG(status.st_mode)) {
        failure_ = "it is not a regular file";
    } else {
        size_ = static_cast<std::size_t>(status.st_size);
    }
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

void RecordFile::Close()
{
    if (fd_ < 0)
        return;
    if (::close(fd_) != 0)
        Fail(errno);
    fd_ = -1;
}

} // namespace orvane
