#include "scan/NameMask.h"

#include "scan/WideText.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase {
    const char* mask;
    const char* name;
    bool matches;
};

TEST(NameMaskTest, MatchesAsThePlatformReadsAMaskAgainstTheLongName)
{
    const MaskCase cases[] = {
        {"*.log", "Setup.LOG", true},      {"*.log", "report.logfile", false}, {"LOG", "Setup.log", false},
        {"LOG", "log", true},              {"*.*", "LOG", true},               {"*.*", "a.b.c", true},
        {"winfile.*", "winfile", true},    {"winfile.*", "winfilex", false},   {"winfile.*", "winfile.ini", true},
        {"a?c", "abc", true},              {"a?c", "ac", false},               {"a?c", "abbc", false},
        {"~*.doc*", "~$report.docx", true}, {"~*.doc*", "report.docx", false}, {"*a*b", "xaxbxab", true},
        {"*.ÄRGER", "ärger.ärger", true},
    };
    for (const MaskCase& test : cases)
        EXPECT_EQ(NameMask(std::string(test.mask)).Matches(WideFromNarrow(test.name).c_str()), test.matches)
            << test.mask << " against " << test.name;
}

}  // namespace
