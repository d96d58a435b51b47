#include "store/MapText.h"

#include "services/CQuiLoggerBase.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace quillmere::store {
namespace {

struct SplitCase {
    std::u16string text;
    std::vector<EmoticonRecord> records;
    SplitEnd end;
};

class SplitMapText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitMapText, YieldsTheRecordsBeforeAnyFault) {
    std::vector<EmoticonRecord> got;
    const SplitEnd end = splitMapText(GetParam().text, [&](EmoticonRecord&& r) {
        got.push_back(std::move(r));
        return RecordStep::Continue;
    });
    EXPECT_EQ(got, GetParam().records);
    EXPECT_EQ(end, GetParam().end);
}

const EmoticonRecord kAbc{u"a", u"b", u"c"};

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitMapText,
    testing::Values(SplitCase{u"a\tb\tc", {kAbc}, SplitEnd::Completed},
                    SplitCase{u"a\tb\tc\t", {kAbc}, SplitEnd::Completed},
                    SplitCase{u"a\tb", {}, SplitEnd::MissingSecondTab},
                    SplitCase{u"ab", {}, SplitEnd::MissingFirstTab},
                    SplitCase{u"a\tb\t", {{u"a", u"b", u""}}, SplitEnd::Completed},
                    SplitCase{u"", {}, SplitEnd::Completed},
                    SplitCase{u"a\tb\tc\td\te\tf\tg\th\ti\tgarbage",
                              {kAbc, {u"d", u"e", u"f"}, {u"g", u"h", u"i"}},
                              SplitEnd::MissingFirstTab},
                    // The text ends at its first NUL unit; fields are not trimmed.
                    SplitCase{
                        std::u16string(u"a\tb\tc\t\0x\ty\tz\t", 13), {kAbc}, SplitEnd::Completed},
                    SplitCase{u" a \t\tc c ", {{u" a ", u"", u"c c "}}, SplitEnd::Completed}));

TEST(ParseTRFdat, AStepThatStopsEndsTheSplit) {
    std::vector<EmoticonRecord> got;
    const SplitEnd end = ParseTRFdat(
        u"a\tb\tc\td\te\t\tg\th\ti\t",
        [&](EmoticonRecord&& r) {
            const bool empty = r.wsMsnObj().empty();
            got.push_back(std::move(r));
            return empty ? RecordStep::Stop : RecordStep::Continue;
        },
        nullptr, TrfSplitWording::kIconList);
    EXPECT_EQ(end, SplitEnd::StoppedByStep);
    EXPECT_EQ(got.size(), 2u);
}

TEST(ParseTRFdat, LogsInThePagesWording) {
    test::LogCapture capture("MapTextTest");
    services::CQuiLoggerBase log("MapTextTest");
    auto keep = [](EmoticonRecord&&) { return RecordStep::Continue; };

    capture.clear();
    ParseTRFdat(u"a\tb", keep, &log, TrfSplitWording::kIconList);
    EXPECT_EQ(capture.messages(), (std::vector<std::string>{
                                      "Start CPropertyPageIconList::ParseTRFdat()",
                                      "parse input data: a\tb",
                                      "missing tab key, the format is wrong",
                                      "Leaving CPropertyPageIconList::ParseTRFdat()",
                                  }));

    capture.clear();
    ParseTRFdat(u"a\tb\tc\tx", keep, &log, TrfSplitWording::kImportFinish);
    EXPECT_EQ(capture.messages(), (std::vector<std::string>{
                                      "Start CPropertyPageImportFinish::ParseTRFdat()",
                                      "missing the first tab, the format is wrong",
                                  }));

    capture.clear();
    ParseTRFdat(u"a\tb\tc", keep, &log, TrfSplitWording::kImportFinish);
    EXPECT_EQ(capture.messages().back(), "Leaving CPropertyPageImportFinish::ParseTRFdat()");
}

TEST(EmoticonRecord, JoinsIntoMapTextLinesAndMapText) {
    const std::vector<EmoticonRecord> list{kAbc, {u":)", u"smile", u"<msnobj/>"}};
    EXPECT_EQ(list[1].mapTextLine(), u":)\tsmile\t<msnobj/>");
    EXPECT_EQ(toMapText(list), u"a\tb\tc\t:)\tsmile\t<msnobj/>\t");
    EXPECT_EQ(toMapText({}), u"");
    std::vector<EmoticonRecord> back;
    splitMapText(toMapText(list), [&](EmoticonRecord&& r) {
        back.push_back(std::move(r));
        return RecordStep::Continue;
    });
    EXPECT_EQ(back, list);
}

}  // namespace
}  // namespace quillmere::store
