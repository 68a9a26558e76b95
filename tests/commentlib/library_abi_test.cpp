// The C interface as callers see it: buffer contract, argument checks, statuses, and what the shared
// library exports and depends on.
#include "comment_test_support.h"

#include "commentlib/corvane.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace commenttest;

namespace {

class LibraryAbi : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.filePath("picture.jpg");
        writeFile(path, fixture(Format::Jpeg));
        pathBytes = path.toUtf8();
        pathText = pathBytes.data();
    }

    // FillString into a buffer of `capacity` bytes plus the caller's extra NUL, pre-filled with spaces
    // as the editor does; returns the status and the raw buffer.
    std::pair<int32_t, std::string> fill(int32_t capacity)
    {
        std::string buffer(size_t(capacity) + 1, ' ');
        buffer[size_t(capacity)] = '\0';
        const int32_t status = FillString(buffer.data(), capacity, &pathText);
        return {status, buffer};
    }

    QTemporaryDir folder;
    QString path;
    QByteArray pathBytes;
    char* pathText = nullptr;
};

TEST_F(LibraryAbi, ShortCommentIsWrittenWithTerminator)
{
    ASSERT_EQ(setComment(path, "hello"), CORVANE_OK);
    const auto [status, buffer] = fill(10);
    EXPECT_EQ(status, 5);
    EXPECT_EQ(buffer.substr(0, 6), std::string("hello\0", 6));
    EXPECT_EQ(buffer.substr(6), std::string("    \0", 5)) << "nothing past the terminator is touched";
}

TEST_F(LibraryAbi, CommentAsLongAsCapacityFillsItWithoutTerminator)
{
    ASSERT_EQ(setComment(path, "hello"), CORVANE_OK);
    const auto [status, buffer] = fill(5);
    EXPECT_EQ(status, 5);
    EXPECT_EQ(buffer, std::string("hello\0", 6));
}

TEST_F(LibraryAbi, LongerCommentIsCutAndFullLengthReturned)
{
    ASSERT_EQ(setComment(path, "hello world"), CORVANE_OK);
    const auto [status, buffer] = fill(4);
    EXPECT_EQ(status, 11);
    EXPECT_EQ(buffer, std::string("hell\0", 5));
    EXPECT_EQ(fill(status).second.substr(0, 11), "hello world") << "a retry with the returned size reads it all";
}

TEST_F(LibraryAbi, CutNeverSplitsACharacter)
{
    ASSERT_EQ(setComment(path, "ab\xE2\x82\xAC"
                               "cd"),
              CORVANE_OK); // the euro sign takes bytes 2 to 4
    for (int32_t capacity : {3, 4}) {
        const auto [status, buffer] = fill(capacity);
        EXPECT_EQ(status, 7);
        EXPECT_EQ(std::string(buffer.c_str()), "ab") << capacity;
    }
    EXPECT_EQ(fill(5).second, std::string("ab\xE2\x82\xAC\0", 6));
}

TEST_F(LibraryAbi, NoCommentGivesEmptyTextAndZero)
{
    const auto [status, buffer] = fill(30000);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(buffer[0], '\0');
}

TEST_F(LibraryAbi, UnreadableFileGivesEmptyTextAndNegativeStatus)
{
    QByteArray missing = folder.filePath("missing.jpg").toUtf8();
    char* missingText = missing.data();
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(FillString(buffer, 7, &missingText), CORVANE_E_NOT_FOUND);
    EXPECT_EQ(buffer[0], '\0');

    QByteArray folderPath = folder.path().toUtf8();
    char* folderText = folderPath.data();
    EXPECT_EQ(FillString(buffer, 7, &folderText), CORVANE_E_NOT_REGULAR);
    EXPECT_EQ(eraser(&folderText), CORVANE_E_NOT_REGULAR);
}

TEST_F(LibraryAbi, NonPictureIsUnsupportedAndNeverWritten)
{
    const QString textPath = folder.filePath("notes.jpg");
    writeFile(textPath, "just some text, whatever the name says");
    EXPECT_EQ(readComment(textPath).status, CORVANE_E_UNSUPPORTED);
    EXPECT_EQ(setComment(textPath, "x"), CORVANE_E_UNSUPPORTED);
    EXPECT_EQ(readFile(textPath), "just some text, whatever the name says");
}

TEST_F(LibraryAbi, ContainerIsFoundByContentNotName)
{
    const QString misnamed = folder.filePath("really-a-png.jpg");
    writeFile(misnamed, fixture(Format::Png));
    ASSERT_EQ(setComment(misnamed, "png inside"), CORVANE_OK);
    EXPECT_EQ(readComment(misnamed).text, "png inside");
    EXPECT_TRUE(readFile(misnamed).startsWith("\x89PNG"));
}

TEST_F(LibraryAbi, BadArgumentsAreRejectedWithoutCrashing)
{
    char buffer[4] = "abc";
    char* nullText = nullptr;
    EXPECT_EQ(FillString(nullptr, 4, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(FillString(buffer, 0, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(FillString(buffer, -5, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(FillString(buffer, 4, nullptr), CORVANE_E_ARGUMENT);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(FillString(buffer, 4, &nullText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(eraser(nullptr), CORVANE_E_ARGUMENT);
    EXPECT_EQ(eraser(&nullText), CORVANE_E_ARGUMENT);
    char* text = buffer;
    EXPECT_EQ(DisplayStringByRef(nullptr, 1, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(DisplayStringByRef(&nullText, 1, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(DisplayStringByRef(&text, 1, nullptr), CORVANE_E_ARGUMENT);
    EXPECT_EQ(DisplayStringByRef(&text, -1, &pathText), CORVANE_E_ARGUMENT);
}

TEST_F(LibraryAbi, LengthZeroMeansNoComment)
{
    ASSERT_EQ(setComment(path, "to be removed"), CORVANE_OK);
    char text[] = "ignored because the length says empty";
    char* textPointer = text;
    EXPECT_EQ(DisplayStringByRef(&textPointer, 0, &pathText), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "");
}

TEST_F(LibraryAbi, TextIsReadUpToItsTerminatorOnly)
{
    // A length larger than the text must not make the library read past the NUL.
    char text[] = "abc\0def";
    char* textPointer = text;
    EXPECT_EQ(DisplayStringByRef(&textPointer, 7, &pathText), CORVANE_OK);
    EXPECT_EQ(readComment(path).text, "abc");
}

TEST_F(LibraryAbi, InvalidUtf8IsRejectedAndNothingWritten)
{
    const QByteArray before = readFile(path);
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "ok\xFF"})
        EXPECT_EQ(setComment(path, bad), CORVANE_E_ENCODING) << bad;
    EXPECT_EQ(readFile(path), before);
}

TEST_F(LibraryAbi, EveryStatusHasADescription)
{
    for (int32_t status = CORVANE_E_SIDECAR; status <= 5; ++status)
        EXPECT_STRNE(corvane_strerror(status), "unknown error") << status;
    EXPECT_STREQ(corvane_strerror(CORVANE_E_SIDECAR - 1), "unknown error");
    EXPECT_STRNE(corvane_strerror(CORVANE_PARTIAL_SIDECAR), corvane_strerror(CORVANE_OK));
    EXPECT_STRNE(corvane_strerror(CORVANE_E_DAMAGED), corvane_strerror(CORVANE_E_WRITE));
}

TEST_F(LibraryAbi, CaptionFileKeepsTheBufferContract)
{
    char buffer[8] = "xxxxxxx";
    char* nullText = nullptr;
    EXPECT_EQ(corvane_caption_file(nullptr, 4, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(corvane_caption_file(buffer, 0, &pathText), CORVANE_E_ARGUMENT);
    EXPECT_EQ(corvane_caption_file(buffer, 4, nullptr), CORVANE_E_ARGUMENT);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(corvane_caption_file(buffer, 4, &nullText), CORVANE_E_ARGUMENT);
    // A picture captioned in place: its own path, cut to the buffer with the full length returned.
    EXPECT_EQ(corvane_caption_file(buffer, 4, &pathText), int32_t(pathBytes.size()));
    EXPECT_EQ(std::string(buffer, 4), pathBytes.left(4).toStdString());
    std::string whole(4096, ' ');
    EXPECT_EQ(corvane_caption_file(whole.data(), int32_t(whole.size()), &pathText), int32_t(pathBytes.size()));
    EXPECT_EQ(std::string(whole.c_str()), pathBytes.toStdString());

    QByteArray missing = folder.filePath("missing.jpg").toUtf8();
    char* missingText = missing.data();
    EXPECT_EQ(corvane_caption_file(buffer, 8, &missingText), CORVANE_E_NOT_FOUND);
    EXPECT_EQ(buffer[0], '\0');
    const QString textPath = folder.filePath("notes.jpg");
    writeFile(textPath, "just some text");
    QByteArray notes = textPath.toUtf8();
    char* notesText = notes.data();
    EXPECT_EQ(corvane_caption_file(buffer, 8, &notesText), CORVANE_E_UNSUPPORTED);
}

TEST_F(LibraryAbi, NewSidecarNameTakesOnlyItsTwoNamings)
{
    for (const int32_t wrong : {-1, 2, 1000})
        EXPECT_EQ(corvane_set_new_sidecar_name(wrong), CORVANE_E_ARGUMENT) << wrong;
    EXPECT_EQ(corvane_set_new_sidecar_name(CORVANE_SIDECAR_WITHOUT_EXTENSION), CORVANE_OK);
    EXPECT_EQ(corvane_set_new_sidecar_name(CORVANE_SIDECAR_WITH_EXTENSION), CORVANE_OK);
}

// A program compiled against corvane.h can tell whether the library it loads is the one it was built for: the
// header's macros, the library's answer, its file's version and the project's version are one.
TEST(SharedLibrary, HeaderLibraryAndProjectAgreeOnTheVersion)
{
    EXPECT_STREQ(corvane_version(), CORVANE_VERSION_STRING);
    EXPECT_STREQ(CORVANE_VERSION_STRING, CORVANE_PROJECT_VERSION);
    QString parts = QStringLiteral("%1.%2").arg(CORVANE_VERSION_MAJOR).arg(CORVANE_VERSION_MINOR);
    if (QString(CORVANE_VERSION_STRING).count('.') == 2)
        parts += QStringLiteral(".%1").arg(CORVANE_VERSION_PATCH);
    else
        EXPECT_EQ(CORVANE_VERSION_PATCH, 0);
    EXPECT_EQ(parts, QString(CORVANE_VERSION_STRING));
    const QString folder = QString(CORVANE_BIN_DIR) + "/libcorvane.so.";
    EXPECT_TRUE(QFile::exists(folder + CORVANE_VERSION_STRING)) << "the library file carries the version";
    EXPECT_TRUE(QFile::exists(folder + QString::number(CORVANE_VERSION_MAJOR))) << "and its soname the major one";
}

TEST(SharedLibrary, ExportsOnlyItsOwnFunctionsAndNeedsNoQt)
{
    const QString nm = findProgram("nm"), readelf = findProgram("readelf");
    if (nm.isEmpty() || readelf.isEmpty())
        GTEST_SKIP() << "binutils not installed";
    const QString library = QString(CORVANE_BIN_DIR) + "/libcorvane.so";
    const ProcessResult symbols = run(nm, {"-D", "--defined-only", "--format=just-symbols", library});
    ASSERT_EQ(symbols.exitCode, 0) << symbols.err.toStdString();
    QStringList exported = QString(symbols.out).split('\n', Qt::SkipEmptyParts);
    exported.sort();
    EXPECT_EQ(exported, QStringList({"DisplayStringByRef", "FillString", "corvane_caption_file", "corvane_fill_comment",
                                     "corvane_set_new_sidecar_name", "corvane_strerror", "corvane_version", "eraser"}));
    const ProcessResult dynamic = run(readelf, {"-d", library});
    EXPECT_FALSE(dynamic.out.contains("Qt")) << dynamic.out.toStdString();
}

}
