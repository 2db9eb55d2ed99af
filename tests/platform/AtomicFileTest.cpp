#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "TempFolder.h"

namespace quorin {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// Failures a disk gives and a test folder cannot, whoever runs the test.
ssize_t DiskFull(int, const void*, size_t) {
    errno = ENOSPC;
    return -1;
}
// The system may take fewer bytes than asked, or be interrupted before taking any.
ssize_t OneByteAtATime(int fd, const void* data, size_t size) {
    static bool interrupt = true;
    interrupt = !interrupt;
    if (interrupt) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, data, size > 0 ? 1 : 0);
}
int SyncFails(int) {
    errno = EIO;
    return -1;
}
int CloseFails(int fd) {
    ::close(fd);
    errno = EIO;
    return -1;
}
int RenameFails(const char*, const char*) {
    errno = EXDEV;
    return -1;
}

class AtomicFileTest : public ::testing::Test {
  protected:
    // The old file and nothing else is left in the folder after a failed write.
    void ExpectFailure(const FileCalls& calls, int error) {
        WriteBytes(path_, "old");
        EXPECT_EQ(WriteFileAtomically(path_, "new content", calls), std::strerror(error));
        EXPECT_EQ(ReadBytes(path_), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1)
            << "the temporary file was left behind";
    }
    TempFolder folder_;
    std::string path_ = folder_.File("Quorin.ini");
};

TEST_F(AtomicFileTest, EachFailingStepLeavesTheOldFileAndSaysWhy) {
    FileCalls calls = SystemFileCalls();
    calls.write = DiskFull;
    ExpectFailure(calls, ENOSPC);
    calls = SystemFileCalls();
    calls.fsync = SyncFails;
    ExpectFailure(calls, EIO);
    calls = SystemFileCalls();
    calls.close = CloseFails;
    ExpectFailure(calls, EIO);
    calls = SystemFileCalls();
    calls.rename = RenameFails;
    ExpectFailure(calls, EXDEV);
}

TEST_F(AtomicFileTest, ShortAndInterruptedWritesAreResumed) {
    FileCalls calls = SystemFileCalls();
    calls.write = OneByteAtATime;
    const std::string text = "[Quorin]\r\nHighlight=2\r\n";
    ASSERT_EQ(WriteFileAtomically(path_, text, calls), "");
    EXPECT_EQ(ReadBytes(path_), text);
}

}  // namespace
}  // namespace quorin
