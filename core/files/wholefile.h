#pragma once

#include "core/address/addresstext.h"

#include <cstdint>
#include <string>
#include <string_view>

// Files a user keeps (plans, lists) read whole in bounded memory and written
// whole or not at all, with the system's reason for every failure.
namespace netquill {

// The UTF-8 byte-order mark some editors put first, which says nothing in
// UTF-8: the readers of files skip it (RFC 8259, section 8.1, for JSON).
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Which file a path named, and its last change: a file written by another
// program since has another stamp.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp &) const = default;
};

// The stamp of the file a path names now; nothing where there is none.
std::optional<FileStamp> stampOf(const std::string &path);

struct WholeFile {
    std::string bytes;
    FileStamp stamp;
};

enum class Devices { Refused, Read };

// Every byte of a file, or why it cannot be read: a folder, a file larger
// than `largest` bytes, or (unless devices are read) a device, pipe or socket,
// which may never end or may wait forever for a writer.
Parsed<WholeFile> readWholeFile(const std::string &path, std::size_t largest, Devices devices = Devices::Refused);

// The same for an open descriptor (standard input), left open; its stamp is none.
Parsed<WholeFile> readWholeDescriptor(int descriptor, std::size_t largest);

// Writes the bytes as the file at `path`, through a symbolic link to the
// file it names: beside it first, flushed to the disk, then renamed over it,
// keeping an old file's permissions. A device (/dev/null) is written
// directly. 0 when done, else the errno of the step that failed, and the
// file as it was. `written` receives the new file's stamp.
int writeWholeFile(const std::string &path, std::string_view bytes, FileStamp *written = nullptr);

}  // namespace netquill
