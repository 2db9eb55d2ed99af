#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "platform/SafeFile.h"

namespace quorin {
namespace {

TEST(SafeFileTest, ReadsOnlyRegularFilesWithinTheLimit) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("small"), "12345");
    const ReadResult small = ReadRegularFile(dir.File("small"), 5);
    EXPECT_TRUE(small.ok);
    EXPECT_EQ(small.data, "12345");

    const ReadResult big = ReadRegularFile(dir.File("small"), 4);
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.error, "it is larger than 4 bytes");

    const ReadResult missing = ReadRegularFile(dir.File("none"), 100);
    EXPECT_TRUE(missing.missing);
    EXPECT_EQ(missing.error, "No such file or directory");

    EXPECT_EQ(ReadRegularFile(dir.Path().string(), 100).error, "it is a folder");

    // A FIFO would block a plain open forever.
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    const ReadResult fifo = ReadRegularFile(dir.File("fifo"), 100);
    EXPECT_FALSE(fifo.ok);
    EXPECT_FALSE(fifo.missing);
    EXPECT_EQ(fifo.error, "it is not a regular file");

    // Through a regular file: no permission bit lets root past this one.
    EXPECT_EQ(ReadRegularFile(dir.File("small") + "/x", 100).error, "Not a directory");
}

TEST(SafeFileTest, MessagesEscapeUnprintableBytesButKeepUtf8) {
    EXPECT_EQ(EscapeForMessage("a\nb\x1b[2J"), "a\\x0Ab\\x1B[2J");
    EXPECT_EQ(EscapeForMessage("\xC3\x89toile.lay"), "\xC3\x89toile.lay");
    EXPECT_EQ(EscapeForMessage("bad\xC3"), "bad\\xC3");
    EXPECT_EQ(EscapeForMessage("\xC2\x85"), "\\xC2\\x85");
    EXPECT_EQ(ReadFailureMessage("x\t.lay", "it is a folder"),
              "Unable to read x\\x09.lay: it is a folder");
}

}  // namespace
}  // namespace quorin
