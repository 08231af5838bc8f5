// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DamagedCopies.h"

#include "platform/FileReplacement.h"
#include "platform/RecordFile.h"
#include "platform/Text.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {

namespace {

constexpr int MostCopies = 1000;
constexpr const char* TooManyCopies
    = QT_TRANSLATE_NOOP("Messages", "there are too many earlier copies");

std::string DamagedName(const std::string& path, int number)
{
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "." + string.
    std::string name = path + ".damaged";
    if (number > 1)
        name.append(".").append(std::to_string(number));
    return name;
}

// Where the file system has no second links: the bytes copied into a new file.
// Returns the reason it failed, or nothing; EEXIST when the name is taken.
std::string CopyInto(const std::string& from, const std::string& to, bool& taken)
{
    RecordFile source(from, RecordFile::Access::Read);
    if (source.Failed())
        return source.FailureReason();
    RecordFile copy(to, RecordFile::Access::CreateNew);
    taken = copy.AlreadyExists();
    std::array<uint8_t, 65536> chunk {};
    for (std::size_t at = 0; !copy.Failed() && !source.Failed();) {
        const std::size_t got = source.ReadAt(at, chunk.data(), chunk.size());
        if (got == 0)
            break;
        copy.WriteAt(at, chunk.data(), got);
        at += got;
    }
    copy.Flush();
    copy.Close();
    if (source.Failed() || copy.Failed()) {
        if (!taken)
            ::unlink(to.c_str());
        return source.Failed() ? source.FailureReason() : copy.FailureReason();
    }
    return {};
}

// Renames without ever replacing what has the new name; false with errno set otherwise.
bool RenameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot promise it: the name is checked first.
    if (::access(to.c_str(), F_OK) == 0 || errno != ENOENT) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

KeptCopy KeepDamagedCopy(const std::string& path)
{
    const std::string target = SaveTarget(path);
    for (int number = 1; number <= MostCopies; ++number) {
        const std::string name = DamagedName(target, number);
        if (::link(target.c_str(), name.c_str()) == 0)
            return {name, {}};
        if (errno == EEXIST)
            continue;
        bool taken = false;
        std::string failure = CopyInto(target, name, taken);
        if (taken)
            continue;
        if (failure.empty())
            return {name, {}};
        return {{}, failure};
    }
    return {{}, TooManyCopies};
}

KeptCopy SetAsideDamaged(const std::string& path, const std::vector<std::string>& companions)
{
    for (int number = 1; number <= MostCopies; ++number) {
        const std::string name = DamagedName(path, number);
        if (!RenameNoReplace(path, name)) {
            if (errno == EEXIST)
                continue;
            return {{}, std::strerror(errno)};
        }
        for (const std::string& suffix : companions)
            std::rename((path + suffix).c_str(), (name + suffix).c_str());
        return {name, {}};
    }
    return {{}, TooManyCopies};
}

} // namespace orvane
