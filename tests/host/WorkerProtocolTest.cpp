// What a worker writes, the parent reads back whole, however the bytes arrive.
#include "WorkerProtocol.h"

#include <gtest/gtest.h>

namespace {

WorkerResult Sample()
{
    WorkerResult result;
    result.index = 41;
    SourceRecord& record = result.record;
    record.source = "C:\\QIM\\tab\there\\Demo.qtc";
    record.state = SourceRecord::State::NotTranslated;
    record.reason = "two\nlines, and a backslash \\n that is not a line end";
    record.sessionFile = "/out/Demo1.TDP";
    record.created = {"/out/Demo1.TDP", "/out/Schemes/Demo1.tkm"};
    record.unconverted = 7;
    record.unrecognized = 1;
    record.notices = {"warning one", ""};
    record.lines = {{"Display", "Unconverted property:\tHorizontal=True"}};
    result.section = "QIM! session file converted: C:\\QIM\\Demo.qtc\r\n\r\nUnconverted property:\tX=1\r\n";
    return result;
}

void ExpectSame(const WorkerResult& a, const WorkerResult& b)
{
    EXPECT_EQ(a.index, b.index);
    EXPECT_EQ(a.record.source, b.record.source);
    EXPECT_EQ(a.record.state, b.record.state);
    EXPECT_EQ(a.record.reason, b.record.reason);
    EXPECT_EQ(a.record.sessionFile, b.record.sessionFile);
    EXPECT_EQ(a.record.created, b.record.created);
    EXPECT_EQ(a.record.unconverted, b.record.unconverted);
    EXPECT_EQ(a.record.unrecognized, b.record.unrecognized);
    EXPECT_EQ(a.record.notices, b.record.notices);
    ASSERT_EQ(a.record.lines.size(), b.record.lines.size());
    EXPECT_EQ(a.record.lines[0].group, b.record.lines[0].group);
    EXPECT_EQ(a.record.lines[0].text, b.record.lines[0].text);
    EXPECT_EQ(a.section, b.section);
}

TEST(WorkerProtocol, AResultComesBackWholeInPiecesOfAnySize)
{
    const std::string bytes = EncodeCount(3) + EncodeResult(Sample()) + EncodeResult(Sample());
    for (const std::size_t piece : {std::size_t(1), std::size_t(7), bytes.size()}) {
        ResultReader reader;
        std::vector<WorkerResult> results;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            reader.Feed(bytes.substr(at, piece));
            for (WorkerResult result; reader.Next(result);)
                results.push_back(std::move(result));
        }
        ASSERT_EQ(results.size(), 2u) << "pieces of " << piece;
        ExpectSame(results[1], Sample());
        EXPECT_TRUE(reader.HasCount());
        EXPECT_EQ(reader.Count(), 3u);
    }
}

TEST(WorkerProtocol, AResultCutShortIsNotGivenOut)
{
    const std::string bytes = EncodeResult(Sample());
    ResultReader reader;
    reader.Feed(bytes.substr(0, bytes.size() - 1)); // a worker that ended in the middle
    WorkerResult result;
    EXPECT_FALSE(reader.Next(result));
}

TEST(WorkerProtocol, AJobComesBackWhole)
{
    WorkerJob job;
    job.skipExisting = true;
    job.desk = true;
    job.operands = {"/srv/qim\tsessions"};
    job.sources = {{3, Source{"/a/Demo.qtc", "", false}}, {9, Source{"/b/odd\nname.qtc", "not a QIM! file", true}}};
    WorkerJob back;
    std::string error;
    ASSERT_TRUE(DecodeJob(EncodeJob(job), back, error)) << error;
    EXPECT_TRUE(back.skipExisting);
    EXPECT_TRUE(back.desk);
    EXPECT_EQ(back.operands, job.operands);
    ASSERT_EQ(back.sources.size(), 2u);
    EXPECT_EQ(back.sources[1].first, 9u);
    EXPECT_EQ(back.sources[1].second.path, "/b/odd\nname.qtc");
    EXPECT_EQ(back.sources[1].second.refusal, "not a QIM! file");
    EXPECT_TRUE(back.sources[1].second.named);
    EXPECT_FALSE(DecodeJob("something else\n", back, error));
}

} // namespace
