// The small pieces every editor leans on: UTF-8 boundaries and validity, edit plans, temporary names.
#include "commentlib/edit_plan.h"
#include "commentlib/file_io/temporary_names.h"
#include "commentlib/utf8.h"

#include <gtest/gtest.h>

namespace {

using corvane::Bytes;
using corvane::EditPlan;
using corvane::SourceRange;

TEST(Utf8, BoundaryNeverCutsACharacter)
{
    const std::string text = "a\xC3\xA9"
                             "b\xF0\x9F\x93\xB7"; // a é b camera: starts at 0, 1, 3, 4
    EXPECT_EQ(corvane::utf8::boundaryAtOrBefore(text, 0), 0u);
    EXPECT_EQ(corvane::utf8::boundaryAtOrBefore(text, 2), 1u);
    EXPECT_EQ(corvane::utf8::boundaryAtOrBefore(text, 3), 3u);
    for (size_t limit : {5, 6, 7})
        EXPECT_EQ(corvane::utf8::boundaryAtOrBefore(text, limit), 4u) << limit;
    EXPECT_EQ(corvane::utf8::boundaryAtOrBefore(text, 8), 8u);
    EXPECT_EQ(corvane::utf8::boundaryAtOrBefore(text, 100), 8u);
}

TEST(Utf8, ValidityFollowsTheStandard)
{
    for (const char* good : {"", "plain", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x93\xB7", "\xEF\xBF\xBF"})
        EXPECT_TRUE(corvane::utf8::isValid(good)) << good;
    for (const char* bad : {"\x80", "\xC3", "\xC1\xBF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xF5\x80\x80\x80", "\xE2\x82", "\xFF"})
        EXPECT_FALSE(corvane::utf8::isValid(bad)) << bad;
}

TEST(Utf8, Latin1BecomesUtf8)
{
    EXPECT_EQ(corvane::utf8::fromLatin1("caf\xE9 \xFF!"), "caf\xC3\xA9 \xC3\xBF!");
}

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

TEST(EditPlan, SpliceRemovesAndInsertsInOnePass)
{
    const Bytes original = bytesOf("0123456789");
    EditPlan plan(original.size());
    corvane::spliceInto(plan, {{2, 2}, {6, 1}}, 5, bytesOf("ab"));
    EXPECT_EQ(plan.applyTo(original), bytesOf("014ab5789"));
    EXPECT_EQ(plan.resultSize(), 9u);
    EXPECT_FALSE(plan.leavesUnchanged(original));
}

TEST(EditPlan, InsertionAtOrInsideARemovedRangeReplacesIt)
{
    const Bytes original = bytesOf("0123456789");
    for (uint64_t at : {3, 4}) {
        EditPlan plan(original.size());
        corvane::spliceInto(plan, {{3, 3}}, at, bytesOf("xy"));
        EXPECT_EQ(plan.applyTo(original), bytesOf("012xy6789")) << at;
    }
}

TEST(EditPlan, PiecesMergeKeptRangesAndRecogniseNoChange)
{
    const Bytes original = bytesOf("abcdef");
    EditPlan plan(original.size());
    plan.replace(2, 2, bytesOf("cd"));
    EXPECT_TRUE(plan.leavesUnchanged(original));
    const auto pieces = plan.pieces();
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(std::get<SourceRange>(pieces[0]).length, 2u);
    EXPECT_EQ(std::get<SourceRange>(pieces[2]).offset, 4u);
}

TEST(EditPlan, OutOfOrderReplacementsAreRefused)
{
    EditPlan plan(10);
    plan.remove(5, 2);
    EXPECT_THROW(plan.remove(6, 1), std::logic_error);
    EXPECT_THROW(plan.insert(11, bytesOf("x")), std::logic_error);
}

}

namespace {

TEST(TemporaryNames, OnlyOurExactFormCounts)
{
    using corvane::isTemporaryNameFor;
    const std::string ours = corvane::uniqueTemporaryName("q.jpg");
    EXPECT_TRUE(isTemporaryNameFor(ours, "q.jpg"));
    EXPECT_TRUE(isTemporaryNameFor(ours, "")) << "the whole-folder form";
    EXPECT_FALSE(isTemporaryNameFor(ours, "other.jpg"));
    for (const char* planted : {".q.jpg.corvane-notes.tmp", ".q.jpg.corvane-1-2.tmp", ".q.jpg.corvane-1-2-x.tmp",
                                ".q.jpg.corvane--2-3.tmp", ".q.jpg.corvane-1-2-3.tmp.bak", "q.jpg.corvane-1-2-3.tmp"}) {
        EXPECT_FALSE(isTemporaryNameFor(planted, "q.jpg")) << planted;
        EXPECT_FALSE(isTemporaryNameFor(planted, "")) << planted;
    }
}

}
