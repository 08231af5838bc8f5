// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileReplacement.h"

#include "platform/RecordFile.h"
#include "platform/Text.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvane {

namespace fs = std::filesystem;

namespace {

constexpr int MostTemporaryNames = 100;

std::string FolderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

// Makes the rename itself last: the folder's entry is on the disk too.
void FlushFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The reason the target may not be replaced, or nothing; mode is set to the rights of
// a target that is there. Read-only means read-only, even though the folder would let
// a new file take its name.
std::string RefusalOf(const std::string& target, std::optional<mode_t>& mode)
{
    struct stat status { };
    if (::stat(target.c_str(), &status) != 0)
        return errno == ENOENT ? std::string() : std::strerror(errno);
    if (!S_ISREG(status.st_mode))
        return NotARegularFile;
    if (::access(target.c_str(), W_OK) != 0)
        return std::strerror(errno);
    mode = status.st_mode & 07777;
    return {};
}

} // namespace

std::string SaveTarget(const std::string& path)
{
    // Followed link by link: a link that leads nowhere yet still names where the file
    // belongs. A loop of links ends after as many steps as the system allows.
    constexpr int MostLinks = 40;
    fs::path target = path;
    std::error_code error;
    for (int step = 0; step < MostLinks && fs::is_symlink(target, error); ++step) {
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target == fs::path(path) ? path : target.lexically_normal().string();
}

std::string ReplaceFile(const std::string& path, std::span<const uint8_t> bytes)
{
    const std::string target = SaveTarget(path);
    std::optional<mode_t> mode;
    if (std::string refusal = RefusalOf(target, mode); !refusal.empty())
        return refusal;
    // Made new, so nothing already at the name (a symlink above all) is written through.
    std::string temporary;
    std::optional<RecordFile> file;
    for (int attempt = 0; !file || file->AlreadyExists(); ++attempt) {
        if (attempt == MostTemporaryNames)
            return std::strerror(EEXIST);
        temporary = target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        file.emplace(temporary, RecordFile::Access::CreateNew);
    }
    file->WriteAt(0, bytes.data(), bytes.size());
    file->Flush();
    file->Close();
    if (file->Failed()) {
        ::unlink(temporary.c_str());
        return file->FailureReason();
    }
    // The replaced file's rights stay (a player may have kept it private).
    if (mode)
        ::chmod(temporary.c_str(), *mode);
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return reason;
    }
    FlushFolder(FolderOf(target));
    return {};
}

FolderLock::FolderLock(const std::string& path)
{
    fd_ = ::open(FolderOf(SaveTarget(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        failure_ = std::strerror(errno);
        return;
    }
    // A save takes milliseconds; one that holds the lock far longer has stopped.
    constexpr auto Patience = std::chrono::seconds(3);
    const auto giveUp = std::chrono::steady_clock::now() + Patience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return; // no locks here
        if (std::chrono::steady_clock::now() >= giveUp) {
            failure_ = QT_TRANSLATE_NOOP("Messages", "another program holds its folder locked");
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing lets go of the lock
}

} // namespace orvane
