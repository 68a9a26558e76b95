// A JPEG is edited from its header alone, its image data walked only while it is copied: the walk must agree
// with the full parse on every file, whatever the chunking, comments inside the image data must still be found,
// and image data cut short or damaged is kept byte for byte.
#include "comment_test_support.h"

#include "commentlib/corvane.h"
#include "commentlib/jpeg/jpeg_layout.h"
#include "commentlib/jpeg/jpeg_scan_check.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>

using namespace commenttest;

namespace {

corvane::ByteView view(const QByteArray& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())};
}

// The walk's answer over `data`, fed in chunks of `chunk` bytes.
int32_t walk(corvane::ByteView data, size_t chunk)
{
    corvane::jpeg::ScanCheck check;
    for (size_t at = 0; at < data.size() && !check.settled(); at += chunk)
        check.feed(data.subspan(at, std::min(chunk, data.size() - at)));
    return check.answer();
}

int32_t walkInEveryChunking(corvane::ByteView data)
{
    const int32_t whole = walk(data, std::max<size_t>(data.size(), 1));
    for (size_t chunk : {1, 2, 3, 5, 7, 64, 4096})
        EXPECT_EQ(walk(data, chunk), whole) << "chunks of " << chunk;
    return whole;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes += char(value);
    return bytes;
}

QByteArray comSegment(const QByteArray& text)
{
    QByteArray segment("\xFF\xFE\0\0", 4);
    qToBigEndian(quint16(text.size() + 2), segment.data() + 2);
    return segment + text;
}

QByteArray withCommentBeforeEnd(const QByteArray& jpeg, const QByteArray& text)
{
    return jpeg.left(jpeg.size() - 2) + comSegment(text) + jpeg.right(2);
}

TEST(ImageDataWalk, MarkersInsideTheDataWhateverTheChunking)
{
    // Stuffed zeros, a restart marker, a run of fill bytes before a table segment, a second scan, the end.
    const QByteArray scans = bytesOf({0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD3, 0x56, 0xFF, 0xFF, 0xFF, 0xC4,
                                      0x00, 0x04, 0xFF, 0xFE, 0xFF, 0xDA, 0x00, 0x02, 0x99, 0xFF, 0xD9});
    EXPECT_EQ(walkInEveryChunking(view(scans)), CORVANE_OK);
    EXPECT_EQ(walkInEveryChunking(view(scans.left(scans.size() - 1))), CORVANE_OK);
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xFE, 0x00, 0x03, 0x41, 0xFF, 0xD9}))),
              corvane::kNeedsWholeFile);
    // The walk stops where the data is damaged; what follows is neither searched nor refused.
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xC4, 0x00, 0x01, 0xFF, 0xFE, 0x00, 0x02}))), CORVANE_OK);
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xD8, 0xFF, 0xFE, 0x00, 0x02}))), CORVANE_OK);
    // A table whose length runs past the end of the file.
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xC4, 0x00, 0x09, 0xFF, 0xD9}))), CORVANE_OK);
    // A segment ends exactly where its length says: the marker right after it counts.
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xC4, 0x00, 0x03, 0xAA, 0xFF, 0xD9}))), CORVANE_OK);
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xC4, 0x00, 0x02, 0xFF, 0xFE, 0x00, 0x02, 0xFF, 0xD9}))),
              corvane::kNeedsWholeFile);
    // Bytes after EOI are not looked at.
    EXPECT_EQ(walkInEveryChunking(view(bytesOf({0x11, 0xFF, 0xD9, 0xFF, 0xFE, 0x00}))), CORVANE_OK);
}

// The header parse plus the walk must say what the full parse says, on damaged files too.
TEST(ImageDataWalk, AgreesWithTheFullParseOnMutatedFiles)
{
    const QByteArray original = withCommentBeforeEnd(fixture(Format::Jpeg), "x");
    QRandomGenerator random(20261208);
    int clean = 0, commented = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = original;
        if (round % 4 == 0) {
            bytes.truncate(random.bounded(qsizetype(2), bytes.size()));
        } else if (round % 4 == 1) {
            bytes = fixture(Format::Jpeg); // no comment past the header to begin with
            bytes[random.bounded(qsizetype(2), bytes.size())] = char(random.bounded(256));
        } else {
            for (int flip = 0; flip < 1 + round % 3; ++flip)
                bytes[random.bounded(qsizetype(2), bytes.size())] = char(0xFF - random.bounded(3) * 0x01);
        }
        const auto header = corvane::jpeg::parseHeader(view(bytes), uint64_t(bytes.size()));
        const auto full = corvane::jpeg::parseLayout(view(bytes));
        if (header.status != corvane::jpeg::Header::Status::Complete) {
            EXPECT_FALSE(full) << "round " << round;
            continue;
        }
        const int32_t answer = walk(view(bytes).subspan(header.scanStart), 4096);
        ASSERT_TRUE(full) << "round " << round;
        if (answer == CORVANE_OK) {
            ++clean;
            EXPECT_EQ(full->comments.size(), header.layout.comments.size()) << "round " << round;
        } else {
            ++commented;
            EXPECT_EQ(answer, corvane::kNeedsWholeFile);
            EXPECT_TRUE(bytes.indexOf("\xFF\xFE", qsizetype(header.scanStart)) >= 0) << "round " << round;
        }
    }
    EXPECT_GT(clean, 0);
    EXPECT_GT(commented, 0);
}

class PartialReads : public FolderTest {};

TEST_F(PartialReads, CommentsInsideTheImageDataAreFoundAndRemoved)
{
    const QString path = store("tail.jpg", withCommentBeforeEnd(fixture(Format::Jpeg), "kept by another tool"));
    EXPECT_EQ(readComment(path).text, "kept by another tool");
    ASSERT_EQ(setComment(path, "ours"), CORVANE_OK);
    const QByteArray written = readFile(path);
    EXPECT_EQ(written.count("\xFF\xFE"), 1);
    EXPECT_FALSE(written.contains("kept by another tool"));
    EXPECT_EQ(readComment(path).text, "ours");
    // The header already says "ours", but the one inside the image data must still go.
    writeFile(path, withCommentBeforeEnd(written, "stale"));
    ASSERT_EQ(setComment(path, "ours"), CORVANE_OK);
    EXPECT_EQ(readFile(path), written);
    writeFile(path, withCommentBeforeEnd(written, "stale"));
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path).count("\xFF\xFE"), 0);
    EXPECT_EQ(readComment(path).text, "");
}

TEST_F(PartialReads, HeadersLongerThanTheFirstReadAreReadOnwards)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    // Three application segments of 60 KB each stand before everything else.
    QByteArray applications;
    for (char letter : {'a', 'b', 'c'}) {
        QByteArray segment("\xFF\xE9\0\0", 4);
        qToBigEndian(quint16(60000), segment.data() + 2);
        applications += segment + QByteArray(60000 - 2, letter);
    }
    const QByteArray large = jpeg.left(2) + applications + jpeg.mid(2);
    const QString path = store("large-header.jpg", large);
    EXPECT_EQ(readComment(path).status, 0);
    ASSERT_EQ(setComment(path, "after the applications"), CORVANE_OK);
    const QByteArray written = readFile(path);
    EXPECT_GT(written.indexOf("\xFF\xFE"), 2 + applications.size());
    EXPECT_EQ(readComment(path).text, "after the applications");
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), large);
}

// Noise keeps the image data over a megabyte, where it is copied by the kernel while it is walked beside.
QByteArray largeJpeg()
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 95));
    return bytes;
}

TEST_F(PartialReads, LargeImageDataIsWalkedBesideTheCopy)
{
    const QByteArray original = largeJpeg();
    ASSERT_GT(original.size(), 1 << 21);
    const QString path = store("large.jpg", original);
    ASSERT_EQ(setComment(path, "large"), CORVANE_OK);
    const QByteArray written = readFile(path);
    EXPECT_EQ(written.indexOf("\xFF\xFE\x00\x07large") + 9, written.indexOf("\xFF\xDB"))
        << "the comment ends the header";
    EXPECT_EQ(written.right(original.size() - 20), original.right(original.size() - 20));
    ASSERT_EQ(eraseComment(path), CORVANE_OK);
    EXPECT_EQ(readFile(path), original);

    // A comment just before the end is found however far the copy got, and removed.
    writeFile(path, withCommentBeforeEnd(original, "near the end"));
    ASSERT_EQ(setComment(path, "large"), CORVANE_OK);
    EXPECT_EQ(readFile(path), written);

    // Cut short, as by a failed download: the comment is written and every byte that was there kept.
    QByteArray cut = original;
    cut.chop(1000);
    writeFile(path, cut);
    ASSERT_EQ(setComment(path, "large"), CORVANE_OK);
    EXPECT_EQ(readFile(path), written.left(written.size() - 1000));
    EXPECT_EQ(otherEntries(folder.path(), {"large.jpg"}), QStringList());
}

// Get, set and erase accept the same files: a whole header is enough, whatever follows it.
TEST_F(PartialReads, DamagedImageDataIsKeptByteForByteByEveryCommand)
{
    const QByteArray jpeg = fixture(Format::Jpeg);
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    const qsizetype imageData = scan + 2 + qFromBigEndian<quint16>(jpeg.constData() + scan + 2);
    QByteArray scrambled = jpeg;
    scrambled.replace(imageData + 10, 4, "\xFF\xD8\xFF\xC4");
    for (const QByteArray& damaged : {jpeg.left(jpeg.size() - 40), jpeg.left(imageData), scrambled}) {
        const QString path = store("damaged.jpg", damaged);
        EXPECT_EQ(readComment(path).status, 0);
        ASSERT_EQ(setComment(path, "still shows"), CORVANE_OK);
        const QByteArray written = readFile(path);
        EXPECT_TRUE(written.endsWith(damaged.mid(imageData))) << damaged.size();
        EXPECT_EQ(readComment(path).text, "still shows");
        ASSERT_EQ(eraseComment(path), CORVANE_OK);
        EXPECT_EQ(readFile(path), damaged);
    }
    EXPECT_EQ(otherEntries(folder.path(), {"damaged.jpg"}), QStringList());
    // Only a header that cannot be parsed is refused.
    const QString cutHeader = store("header-cut.jpg", jpeg.left(scan + 3));
    EXPECT_EQ(readComment(cutHeader).status, CORVANE_E_DAMAGED);
    EXPECT_EQ(setComment(cutHeader, "never written"), CORVANE_E_DAMAGED);
    EXPECT_EQ(eraseComment(cutHeader), CORVANE_E_DAMAGED);
}

}
