// A TIFF is edited from its directories alone, read a range at a time: the result must be byte for byte what
// an edit planned from the whole file gives, wherever the directories, arrays and description lie.
#include "comment_test_support.h"

#include "commentlib/corvane.h"
#include "commentlib/tiff/tiff_editor.h"
#include "commentlib/tiff/tiff_layout.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace commenttest;

namespace {

corvane::ByteView view(const QByteArray& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())};
}

QByteArray expectedAfter(const QByteArray& bytes, const std::string& text)
{
    const auto layout = corvane::tiff::parseLayout(view(bytes));
    EXPECT_TRUE(layout);
    if (!layout)
        return {};
    const corvane::PlanResult planned = corvane::tiff::planFor(view(bytes), *layout, text);
    EXPECT_EQ(planned.status, CORVANE_OK);
    const corvane::Bytes result = planned.plan.applyTo(view(bytes));
    return QByteArray(reinterpret_cast<const char*>(result.data()), qsizetype(result.size()));
}

// Large enough that the directory Qt writes at the end lies far past the first read, with one strip per row.
QByteArray largeTiff()
{
    QImage image(900, 700, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "TIFF"));
    return bytes;
}

QByteArray bigEndianTiff(const QTemporaryDir& folder)
{
    const QString path = folder.filePath("big-endian.tif");
    const ProcessResult made = run(findProgram("convert"), {"-size", "1500x1100", "gradient:navy-orange", "-endian",
                                                            "MSB", "-compress", "none", "-depth", "8", path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return readFile(path);
}

TEST(TiffPartialReads, EditsMatchTheWholeFilePlanWherePartsLie)
{
    QTemporaryDir folder;
    for (const QByteArray& original : {largeTiff(), bigEndianTiff(folder)}) {
        ASSERT_GT(original.size(), 1 << 20);
        const QString path = folder.filePath("picture.tif");
        writeFile(path, original);
        QByteArray current = original;
        // A new description, a longer one over it (directory now at the end), one that fits inline, erased.
        const std::string texts[] = {"first", std::string(3000, 'l'), "ab", ""};
        for (const std::string& text : texts) {
            const QByteArray expected = expectedAfter(current, text);
            ASSERT_EQ(setComment(path, text), CORVANE_OK) << text.size();
            current = readFile(path);
            EXPECT_EQ(current, expected) << "text of " << text.size() << " bytes";
            EXPECT_EQ(readComment(path).text, text);
        }
        EXPECT_EQ(QImage::fromData(current), QImage::fromData(original));
    }
}

TEST(TiffPartialReads, DamageInAnArrayFarFromTheHeaderIsFound)
{
    QTemporaryDir folder;
    QByteArray bytes = bigEndianTiff(folder);
    const auto layout = corvane::tiff::parseLayout(view(bytes));
    ASSERT_TRUE(layout);
    const auto strips = std::find_if(layout->firstIfdEntries.begin(), layout->firstIfdEntries.end(),
                                     [](const corvane::tiff::Entry& entry) { return entry.tag == 273; });
    ASSERT_NE(strips, layout->firstIfdEntries.end());
    ASSERT_GT(strips->value.length, 4u) << "the strip offsets should stand outside the directory";
    ASSERT_GT(strips->value.offset, 64u * 1024);
    // The last strip now starts past the end of the file.
    const qsizetype last = qsizetype(strips->value.offset + strips->value.length - 4);
    qToBigEndian(quint32(bytes.size() + 10), bytes.data() + last);
    const QString path = folder.filePath("damaged.tif");
    writeFile(path, bytes);
    EXPECT_EQ(readComment(path).status, CORVANE_E_DAMAGED);
    EXPECT_EQ(setComment(path, "never written"), CORVANE_E_DAMAGED);
    EXPECT_EQ(readFile(path), bytes);
}

}
