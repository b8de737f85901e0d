// Files read whole in bounded memory and written whole or not at all.
#include "core/files/wholefile.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using netquill::Devices;

fs::path scratch()
{
    // The test's own home, made for it and removed after it.
    const char *home = std::getenv("HOME");
    const fs::path folder = fs::path(home ? home : fs::temp_directory_path().c_str()) / "wholefile_test" /
                            testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string bytesOf(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

struct ReadCase {
    const char *name;
    const char *path;  // %s is a scratch folder holding "plan", 10 bytes, "large", 17, and "fifo", a pipe nobody writes
    Devices devices;
    const char *expected;  // the bytes, or "refused: reason"
};

class ReadWholeFile : public testing::TestWithParam<ReadCase>
{
};

// A pipe nobody writes and an endless device are refused at once where
// devices are not read; where they are, the size limit (16 bytes here) ends them.
TEST_P(ReadWholeFile, ReadsFilesAndRefusesWhatIsNoneOrTooLarge)
{
    const fs::path folder = scratch();
    std::ofstream(folder / "plan") << "0123456789";
    std::ofstream(folder / "large") << std::string(17, 'x');
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::string path = GetParam().path;
    if (const auto at = path.find("%s"); at != std::string::npos)
        path.replace(at, 2, folder.string());
    const auto read = netquill::readWholeFile(path, 16, GetParam().devices);
    EXPECT_EQ(read ? read->bytes : "refused: " + read.reason(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadWholeFile,
                         testing::Values(ReadCase{"RegularFile", "%s/plan", Devices::Refused, "0123456789"},
                                         ReadCase{"Missing", "%s/none", Devices::Refused,
                                                  "refused: No such file or directory"},
                                         ReadCase{"OverTheLimit", "%s/large", Devices::Refused,
                                                  "refused: it is larger than any file of its kind (16 bytes)"},
                                         ReadCase{"Folder", "%s", Devices::Read, "refused: it is a folder"},
                                         ReadCase{"Fifo", "%s/fifo", Devices::Refused,
                                                  "refused: it is a device, pipe or socket, not a file"},
                                         ReadCase{"EndlessDevice", "/dev/zero", Devices::Refused,
                                                  "refused: it is a device, pipe or socket, not a file"},
                                         ReadCase{"EndlessDeviceRead", "/dev/zero", Devices::Read,
                                                  "refused: it is larger than any file of its kind (16 bytes)"},
                                         ReadCase{"EmptyDeviceRead", "/dev/null", Devices::Read, ""}),
                         [](const auto &info) { return std::string(info.param.name); });

// A file is replaced only once the new one is whole, keeping its
// permissions; a link leads to the file it names and stays a link; a write
// that fails (a file size limit, as a full disk) leaves the old file and
// nothing beside it.
TEST(WriteWholeFile, ReplacesWholeThroughLinksOrLeavesTheFileAsItWas)
{
    const fs::path folder = scratch();
    const fs::path file = folder / "plan";
    std::ofstream(file) << "earlier";
    ::chmod(file.c_str(), 0640);
    fs::create_symlink("plan", folder / "link");
    netquill::FileStamp stamp;
    ASSERT_EQ(netquill::writeWholeFile(folder / "link", "later", &stamp), 0);
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(bytesOf(file), "later");
    EXPECT_EQ((fs::status(file).permissions() & fs::perms::all),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(netquill::stampOf(file), stamp);

    rlimit limit{4, RLIM_INFINITY};
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const int error = netquill::writeWholeFile(file, "longer than four bytes");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(bytesOf(file), "later");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);

    EXPECT_EQ(netquill::writeWholeFile(folder / "missing" / "plan", "x"), ENOENT);
    EXPECT_EQ(netquill::writeWholeFile(folder, "x"), EISDIR);
    EXPECT_EQ(netquill::writeWholeFile("/dev/full", "x"), ENOSPC);
}

// Killed while it writes (here by the file size limit's own signal), a save
// leaves the old file and nothing beside it, as the new one has no name
// until it is whole; and a name as long as the file system takes is written
// as it is, no temporary name beside it lengthened past the limit.
TEST(WriteWholeFile, LeavesNothingBehindWhenKilledAndTakesTheLongestName)
{
    const fs::path folder = scratch();
    if (const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600); unnamed >= 0)
        ::close(unnamed);
    else
        GTEST_SKIP() << "this file system holds no file without a name";
    const fs::path file = folder / "plan";
    std::ofstream(file) << "earlier";
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{4, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        netquill::writeWholeFile(file, "longer than four bytes");
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(bytesOf(file), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    const fs::path longest = folder / std::string(NAME_MAX, 'n');
    EXPECT_EQ(netquill::writeWholeFile(longest, "x"), 0);
    EXPECT_EQ(netquill::writeWholeFile(longest, "y"), 0);
    EXPECT_EQ(bytesOf(longest), "y");
}

}  // namespace
