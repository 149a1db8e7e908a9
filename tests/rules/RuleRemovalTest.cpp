#include "clean/DeletionEngine.h"

#include "rules/RecycleBinLine.h"

#include "tests/rules/RuleTestSupport.h"
#include "tests/support/Links.h"

namespace {

const Result* LineOf(const ResultSet& results, const std::string& rule)
{
    for (const Result& result : results.Items())
        if (result.rule == rule) return &result;
    return nullptr;
}

TEST(RuleRemovalTest, RemovesWhatTheKeySaysKeepsWhatTheExcludesKeepAndFreesWhatTheSizeSaid)
{
    TestFolder outside;
    const std::string canary = outside.MakeFile("canary\\precious.dat");
    TestFolder home;
    const std::string cache = home.MakeFolder("Local\\Browser\\User Data\\Default\\Cache");
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\data_1", 100);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\index", 7);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\deep\\er\\f_1", 20);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\keep\\a.bin", 30);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Bookmarks", 50);
    ScopedLink link(cache + "\\elsewhere", outside / "canary", true);
    // Files and folders of a key that keeps its folders.
    MakeSizedFile(home, "Local\\Tool\\logs\\a.log", 5);
    MakeSizedFile(home, "Local\\Tool\\logs\\a.txt", 6);

    const RuleListing listing = ListRules("[Browser]\n"
                                          "FileKey1=%LocalAppData%\\Browser\\User Data\\*\\Cache|*|REMOVESELF\n"
                                          "ExcludeKey1=FILE|%LocalAppData%\\Browser\\User Data\\Default\\Cache\\|index\n"
                                          "ExcludeKey2=PATH|%LocalAppData%\\Browser\\User Data\\*\\Cache\\keep\\|*.*\n"
                                          "[Tool]\n"
                                          "FileKey1=%LocalAppData%\\Tool|*.log|RECURSE\n",
                                          ContextIn(home));
    ASSERT_EQ(listing.results.Size(), 2u);
    const Result* browser = LineOf(listing.results, "Browser");
    const Result* tool = LineOf(listing.results, "Tool");
    ASSERT_TRUE(browser && tool);
    EXPECT_EQ(browser->bytes, 120u);
    EXPECT_EQ(tool->bytes, 5u);

    const std::vector<Removal> removals = RemoveResults(listing.results.Items(), RemovalMode::Delete, Prompting::Never);
    for (size_t index = 0; index < removals.size(); ++index) {
        EXPECT_EQ(removals[index].outcome, Outcome::Removed) << listing.results.Items()[index].line;
        EXPECT_EQ(removals[index].bytes, listing.results.Items()[index].bytes);
    }
    EXPECT_FALSE(Exists(cache + "\\data_1"));
    EXPECT_FALSE(Exists(cache + "\\deep"));  // emptied, so gone
    EXPECT_TRUE(Exists(cache + "\\index"));
    EXPECT_TRUE(Exists(cache + "\\keep\\a.bin"));
    EXPECT_TRUE(Exists(home / "Local\\Browser\\User Data\\Default\\Bookmarks"));
    EXPECT_TRUE(Exists(canary));
    EXPECT_FALSE(Exists(home / "Local\\Tool\\logs\\a.log"));
    EXPECT_TRUE(Exists(home / "Local\\Tool\\logs\\a.txt"));

    // Once the rest is gone the emptied folders go; the root stays while it
    // holds the link, which is neither entered nor removed.
    DeleteFileA((cache + "\\index").c_str());
    DeleteFileA((cache + "\\keep\\a.bin").c_str());
    const RuleListing again = ListRules("[Browser]\nFileKey1=%LocalAppData%\\Browser\\User Data\\*\\Cache|*|REMOVESELF\n"
                                        "[Other]\nFileKey1=%LocalAppData%\\Browser\\User Data\\Default\\Cache\\keep|*.txt\n",
                                        ContextIn(home));
    EXPECT_EQ(again.results.Size(), 0u);  // a folder without files lists nothing
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\keep\\b.tmp", 4);
    const RuleListing last = ListRules("[Browser]\nFileKey1=%LocalAppData%\\Browser\\User Data\\*\\Cache|*|REMOVESELF\n",
                                       ContextIn(home));
    ASSERT_EQ(last.results.Size(), 1u);
    EXPECT_EQ(RemoveResult(last.results.Items()[0], RemovalMode::Delete).outcome, Outcome::Removed);
    EXPECT_FALSE(Exists(cache + "\\keep"));
    EXPECT_TRUE(Exists(cache + "\\elsewhere"));
    EXPECT_TRUE(Exists(home / "Local\\Browser\\User Data\\Default\\Bookmarks"));
    EXPECT_TRUE(Exists(canary));
}

TEST(RuleRemovalTest, AFileLineGoesToTheRecycleBinWhereARegistryLineIsKept)
{
    TestFolder home;
    MakeSizedFile(home, "Local\\Tool\\a.log", 5);
    MakeSizedFile(home, "Local\\Tool\\b.log", 6);
    const std::string keyName = "Software\\" + UniqueName("DustrelRuleTest");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (keyName + "\\Sub").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);

    const RuleListing listing = ListRules("[Tool]\nFileKey1=%LocalAppData%\\Tool|*.log\nRegKey1=HKCU\\" + keyName + "\n",
                                          ContextIn(home));
    ASSERT_EQ(listing.results.Size(), 2u);
    const std::vector<Removal> recycled = RemoveResults(listing.results.Items(), RemovalMode::Recycle, Prompting::Never);
    std::vector<std::pair<Outcome, KeptReason>> outcomes;
    for (const Removal& removal : recycled) outcomes.emplace_back(removal.outcome, removal.reason);
    EXPECT_EQ(outcomes[0], std::make_pair(Outcome::Recycled, KeptReason::None));
    EXPECT_EQ(outcomes[1], std::make_pair(Outcome::Kept, KeptReason::RegistryNotRecycled));
    EXPECT_EQ(recycled[0].bytes, 11u);
    EXPECT_FALSE(Exists(home / "Local\\Tool\\a.log"));
    EXPECT_TRUE(Exists(home / "Local\\Tool"));

    EXPECT_EQ(RemoveResult(listing.results.Items()[1], RemovalMode::Delete).outcome, Outcome::Removed);
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RemoveResult(listing.results.Items()[1], RemovalMode::Delete).reason, KeptReason::GoneBefore);

    // The bin holds what went there; its line empties it without a question
    // and frees what the bin no longer holds (an item earlier tests left
    // that the shell cannot remove keeps the line).
    ResultSet bin;
    AddRecycleBinLine(bin);
    ASSERT_EQ(bin.Size(), 1u);
    EXPECT_STREQ(ResultKind(bin.Items()[0]), "recycle bin");
    EXPECT_GE(bin.Items()[0].bytes, 11u);
    EXPECT_EQ(RemoveResult(bin.Items()[0], RemovalMode::Recycle).outcome, Outcome::Kept);
    const Removal emptying = RemoveResult(bin.Items()[0], RemovalMode::Delete);
    ResultSet after;
    AddRecycleBinLine(after);
    const std::uint64_t left = after.Size() == 0 ? 0 : after.Items()[0].bytes;
    EXPECT_EQ(emptying.bytes, bin.Items()[0].bytes - left);
    EXPECT_GE(emptying.bytes, 11u);
    EXPECT_EQ(emptying.outcome, after.Size() == 0 ? Outcome::Removed : Outcome::Kept);
}

}  // namespace
