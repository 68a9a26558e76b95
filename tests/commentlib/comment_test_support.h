// Shared helpers of the comment library tests: fixture pictures made on the fly, file access, calls through
// the C ABI, and the external programs the interop and tool tests run.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace commenttest {

enum class Format { Jpeg, Png, Gif, Tiff, TiffBigEndian, Bmp };

const char* extension(Format format);
QString formatName(Format format);
// A small picture without a comment, made by Qt (or ImageMagick for GIF, which Qt cannot write).
QByteArray fixture(Format format);

// An uncompressed 32-bit BMP with a pattern in its pixels, so any damage to them shows in a hash.
QByteArray patternedBitmap(quint32 width, quint32 height);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

struct Comment {
    int32_t status = 0;
    std::string text;
};

// Reads through FillString with a buffer large enough for any test comment.
Comment readComment(const QString& path);
int32_t setComment(const QString& path, const std::string& text);
int32_t eraseComment(const QString& path);

// The full path of an external program, or empty when it is not installed.
QString findProgram(const QString& name);

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProcessResult run(const QString& program, const QStringList& arguments, const QByteArray& input = {});
QString toolPath();

// A test with a fresh folder to store its pictures in.
class FolderTest : public ::testing::Test {
protected:
    QString store(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        writeFile(path, bytes);
        return path;
    }

    QTemporaryDir folder;
};

// A folder test that checks our files with the metadata tools and has them write files for us to read;
// skipped where they are not installed.
class MetadataToolsTest : public FolderTest {
protected:
    void SetUp() override
    {
        exiftool = findProgram("exiftool");
        exiv2 = findProgram("exiv2");
        if (exiftool.isEmpty() || exiv2.isEmpty())
            GTEST_SKIP() << "exiftool and exiv2 are needed";
    }

    void exiftoolWrites(const QString& path, const QStringList& assignments)
    {
        const ProcessResult result =
            run(exiftool, QStringList{"-q", "-q", "-overwrite_original"} + assignments + QStringList{path});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    }

    QString exiftool, exiv2;
};

// Files in `folder` other than `keep` (temporaries left behind, for instance).
QStringList otherEntries(const QString& folder, const QStringList& keep);

}
