#include "cmd/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

std::string Kinds(const TraceSelection& kinds)
{
    std::string text;
    for (std::size_t index = 0; index < TraceKindCount; ++index)
        text += kinds.Has(static_cast<TraceKind>(index)) ? '1' : '0';
    return text;
}

TEST(CommandLineTest, SwitchesInAnyLetterCaseChooseListingsActionOutputAndTraces)
{
    struct Case {
        Args args;
        bool standard, cookies, temporary;
        Action action;
        bool json, traces;
        std::string kinds;  // url, passwords, run, find, typed, recent
    };
    const Case cases[] = {
        {{}, true, false, false, Action::Preview, false, false, "000000"},
        {{"/COOKIES", "/Temp", "/json", "/Delete"}, false, true, true, Action::Delete, true, false, "000000"},
        {{"/traces:url,RUN", "/traces:recent"}, false, false, false, Action::Preview, false, true, "101001"},
        {{"/traces:all", "/standard", "/recycle", "/recycle"}, true, false, false, Action::Recycle, false, true,
         "111111"},
        {{"/preview", "/standard", "/temp"}, true, false, true, Action::Preview, false, false, "000000"},
    };
    for (const Case& expected : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(expected.args);
        const Options& options = parsed.options;
        const std::string name = ::testing::PrintToString(expected.args);
        EXPECT_EQ(parsed.error, "") << name;
        EXPECT_FALSE(options.help) << name;
        EXPECT_EQ(options.standard, expected.standard) << name;
        EXPECT_EQ(options.cookies, expected.cookies) << name;
        EXPECT_EQ(options.temporary, expected.temporary) << name;
        EXPECT_EQ(options.action, expected.action) << name;
        EXPECT_EQ(options.json, expected.json) << name;
        EXPECT_EQ(options.traces, expected.traces) << name;
        EXPECT_EQ(Kinds(options.traceKinds), expected.kinds) << name;
    }
    EXPECT_TRUE(ParseCommandLine({"/delete", "/?"}).options.help);
}

TEST(CommandLineTest, EachMistakeIsNamed)
{
    const std::pair<Args, std::string> cases[] = {
        {{"/standard", "/Everything"}, "unknown switch: /Everything"},
        {{"-delete"}, "unexpected argument: -delete"},
        {{"C:\\"}, "unexpected argument: C:\\"},
        {{"/traces:url,cookies"}, "unknown trace kind: cookies"},
        {{"/traces:url,"}, "unknown trace kind: "},
        {{"/traces"}, "/traces needs at least one kind"},
        {{"/traces:"}, "/traces needs at least one kind"},
        {{"/delete", "/recycle"}, "/preview, /delete and /recycle exclude each other"},
        {{"/preview", "/DELETE"}, "/preview, /delete and /recycle exclude each other"},
    };
    for (const auto& [args, error] : cases) EXPECT_EQ(ParseCommandLine(args).error, error);
}

}  // namespace
