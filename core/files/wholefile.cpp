#include "core/files/wholefile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace netquill {

namespace {

FileStamp stampFrom(const struct stat &status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

std::string reasonOf(int error) { return std::strerror(error); }

std::string largerThan(std::size_t largest)
{
    const bool mebibytes = largest >= (std::size_t{1} << 20);
    return "it is larger than any file of its kind (" +
           (mebibytes ? std::to_string(largest >> 20) + " MiB)" : std::to_string(largest) + " bytes)");
}

// Appends what is left of the descriptor; an errno, or EFBIG past `largest` bytes.
int readRest(int descriptor, std::size_t largest, std::string &bytes)
{
    char block[1 << 16];
    while (true) {
        const ssize_t got = ::read(descriptor, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        if (bytes.size() + static_cast<std::size_t>(got) > largest)
            return EFBIG;
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

int writeAll(int descriptor, std::string_view bytes)
{
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t put = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno != EINTR)
            return errno;
        written += put < 0 ? 0 : static_cast<std::size_t>(put);
    }
    return 0;
}

// The file a path leads to through any symbolic links; the path itself
// where it names nothing yet.
std::string followLinks(const std::string &path)
{
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(at.c_str(), target, sizeof target - 1);
        if (length < 0)
            return at;
        const std::string next(target, static_cast<std::size_t>(length));
        const std::size_t slash = at.rfind('/');
        at = next.starts_with('/') || slash == std::string::npos ? next : at.substr(0, slash + 1) + next;
    }
    return at;
}

int writeDirectly(const std::string &path, std::string_view bytes)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    const int error = writeAll(descriptor, bytes);
    const int closed = ::close(descriptor) == 0 ? 0 : errno;
    return error != 0 ? error : closed;
}

// A file without a name given the target's: a new target is linked at once;
// an old one is replaced by a rename from a short name of its own, as a
// link cannot replace a file. The errno of a step that failed, else 0.
int linkInPlace(int descriptor, const std::string &folder, const std::string &target)
{
    const std::string unnamed = "/proc/self/fd/" + std::to_string(descriptor);
    if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno != EEXIST)
        return errno;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "/.netquill-%08x", static_cast<unsigned>(random()));
        const std::string beside = folder + name;
        if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, beside.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        if (::rename(beside.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(beside.c_str());
            return error;
        }
        return 0;
    }
    return EEXIST;
}

}  // namespace

std::optional<FileStamp> stampOf(const std::string &path)
{
    struct stat status {
    };
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return stampFrom(status);
}

Parsed<WholeFile> readWholeFile(const std::string &path, std::size_t largest, Devices devices)
{
    // Not blocking: opening a pipe that no program writes returns at once.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Parsed<WholeFile>::refused(reasonOf(errno));
    WholeFile file;
    struct stat status {
    };
    std::string reason;
    if (::fstat(descriptor, &status) != 0) {
        reason = reasonOf(errno);
    } else if (S_ISDIR(status.st_mode)) {
        reason = "it is a folder";
    } else if (!S_ISREG(status.st_mode) && devices == Devices::Refused) {
        reason = "it is a device, pipe or socket, not a file";
    } else if (status.st_size > 0 && static_cast<std::uintmax_t>(status.st_size) > largest) {
        reason = largerThan(largest);
    } else {
        file.stamp = stampFrom(status);
        file.bytes.reserve(static_cast<std::size_t>(status.st_size));
        // Reading waits for data again, as a stream's reader must.
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        if (const int error = readRest(descriptor, largest, file.bytes); error != 0)
            reason = error == EFBIG ? largerThan(largest) : reasonOf(error);
    }
    ::close(descriptor);
    if (!reason.empty())
        return Parsed<WholeFile>::refused(reason);
    return file;
}

Parsed<WholeFile> readWholeDescriptor(int descriptor, std::size_t largest)
{
    WholeFile file;
    if (const int error = readRest(descriptor, largest, file.bytes); error != 0)
        return Parsed<WholeFile>::refused(error == EFBIG ? largerThan(largest) : reasonOf(error));
    return file;
}

int writeWholeFile(const std::string &path, std::string_view bytes, FileStamp *written)
{
    const std::string target = followLinks(path);
    struct stat existing {
    };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(existing.st_mode))
        return writeDirectly(target, bytes);
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    // A file without a name until it is whole: killed before then, the
    // program leaves nothing behind. Where the file system cannot hold one,
    // or no /proc names it for the link, a short temporary name beside the
    // target does.
    std::string temporary;
    const bool linkable = ::access("/proc/self/fd", X_OK) == 0;
    int descriptor = linkable ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600) : -1;
    if (!linkable || (descriptor < 0 && (errno == EOPNOTSUPP || errno == EISDIR))) {
        temporary = folder + "/.netquill-XXXXXX";
        descriptor = ::mkstemp(temporary.data());
    }
    if (descriptor < 0)
        return errno;
    // An old file keeps its permissions; a new one gets those any program
    // creating it would.
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int error = ::fchmod(descriptor, mode) != 0 ? errno : writeAll(descriptor, bytes);
    // A full disk may only show when the data reaches it.
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    struct stat status {
    };
    if (error == 0 && ::fstat(descriptor, &status) != 0)
        error = errno;
    if (error == 0 && temporary.empty())
        error = linkInPlace(descriptor, folder, target);
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && !temporary.empty() && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        if (!temporary.empty())
            ::unlink(temporary.c_str());
        return error;
    }
    // The new name reaches the disk once its folder is synced.
    if (const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
    if (written)
        *written = stampFrom(status);
    return 0;
}

}  // namespace netquill
