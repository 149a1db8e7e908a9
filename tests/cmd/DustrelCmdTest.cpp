#include "cmd/DustrelCmd.h"

#include "clean/CookiesKiller.h"
#include "clean/TemporaryFilesCleaner.h"
#include "scan/StandardScan.h"
#include "tests/support/TestFolder.h"
#include "tests/support/Utf8.h"
#include "tests/traces/TraceKeys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

using Json = nlohmann::json;
using Args = std::vector<std::string>;

// The console program run through its entry point over start-up folders that
// the test makes: a Windows folder, an application-data and an all-users folder.
struct DustrelCmdTest : ::testing::Test {
    TestFolder folder;
    StartupFolders folders;
    Engine engine;
    std::ostringstream out;
    std::ostringstream err;

    void SetUp() override
    {
        // The paths in the JSON are UTF-8, and so are the program's narrow names.
        ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
        folders.WindowsFolder = folder.MakeFolder("WINDOWS");
        folders.SystemDriveRoot = "C:\\";
        folders.AppDataFolder = folder.MakeFolder("AppData");
        folders.AllUsersFolder = folder.MakeFolder("All Users");
        engine = RealEngine(folders);
    }

    int Run(const Args& args)
    {
        out.str("");
        err.str("");
        return RunCommandLine(args, out, err, engine);
    }

    // Something to remove: files and a whole folder of the catalogue in the
    // test's Windows folder, and a file beside them that it does not name.
    std::string MakeJunk()
    {
        folder.MakeFile("WINDOWS\\setup.log");
        folder.MakeFile("WINDOWS\\日志.log");
        folder.MakeFile("WINDOWS\\Prefetch\\one.pf");
        folder.MakeFile("WINDOWS\\Prefetch\\deeper\\two.pf", FILE_ATTRIBUTE_READONLY);
        return folder.MakeFile("WINDOWS\\notes.doc");
    }

    // Only the standard scan, and only what it finds in the test's folder:
    // it also searches the root of C:, which is not the test's to remove.
    void ListOnlyTestFolder()
    {
        folders.DriveList.clear();
        const std::string& inside = folder.Path();
        engine.standard = [this, inside](ResultSet& results) {
            ResultSet all;
            StandardScan(all, folders);
            for (const Result& result : all.Items())
                if (result.path.compare(0, inside.size() + 1, inside + "\\") == 0) results.Add(result);
        };
    }

    std::vector<std::string> ListedLines()
    {
        ResultSet listed;
        engine.standard(listed);
        std::vector<std::string> lines;
        for (const Result& result : listed.Items()) lines.push_back(result.line);
        return lines;
    }
};

std::vector<std::string> JsonLines(const Json& document)
{
    std::vector<std::string> lines;
    for (const Json& item : document["results"]) lines.push_back(item["line"].get<std::string>());
    return lines;
}

TEST_F(DustrelCmdTest, ABadCommandLineSaysWhatIsWrongAndTouchesNothing)
{
    const std::string junk = folder.MakeFile("WINDOWS\\setup.log");
    bool tracesErased = false;
    engine.eraseTraces = [&](const TraceSelection&) {
        tracesErased = true;
        return TraceReport();
    };
    const std::pair<Args, std::string> cases[] = {
        {{"/delete", "/bogus"}, "DustrelCmd: unknown switch: /bogus\n"},
        {{"/DELETE", "/recycle"}, "DustrelCmd: /preview, /delete and /recycle exclude each other\n"},
        {{"/delete", "/traces:url,nope"}, "DustrelCmd: unknown trace kind: nope\n"},
        {{"/recycle", "/traces:all", "stray"}, "DustrelCmd: unexpected argument: stray\n"},
    };
    for (const auto& [args, error] : cases) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), error + "\n" + UsageText());
    }
    EXPECT_TRUE(Exists(junk));
    EXPECT_FALSE(tracesErased);

    EXPECT_EQ(Run({"/delete", "/?"}), 0);
    EXPECT_EQ(out.str(), UsageText());
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(Exists(junk));
}

// The three listings one after the other, each in the window's order, with
// the sizes the window shows.
TEST_F(DustrelCmdTest, PreviewListsWhatTheWindowListsWithTheSameSizes)
{
    folders.DriveList = ReadDriveList();
    MakeJunk();
    folder.MakeFile("WINDOWS\\Temp\\x.tmp");
    ResultSet standard, cookies, temporary;
    StandardScan(standard, folders);
    ListCookies(cookies, folders);
    ListTemporaryFiles(temporary, folders);
    std::vector<Result> expected = standard.Items();
    expected.insert(expected.end(), cookies.Items().begin(), cookies.Items().end());
    expected.insert(expected.end(), temporary.Items().begin(), temporary.Items().end());

    ASSERT_EQ(Run({"/temp", "/Json", "/COOKIES", "/standard", "/preview"}), 0) << err.str();

    const Json document = Json::parse(out.str());
    const Json& results = document["results"];
    ASSERT_EQ(results.size(), expected.size());
    std::uint64_t total = 0;
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const Json& item = results[index];
        EXPECT_EQ(item["line"], Utf8(expected[index].line));
        EXPECT_EQ(item["path"], Utf8(expected[index].path));
        EXPECT_EQ(item["folder"], expected[index].folder);
        EXPECT_EQ(item["bytes"], expected[index].bytes) << expected[index].line;
        EXPECT_EQ(item["outcome"], "listed");
        EXPECT_FALSE(item.contains("reason"));
        total += expected[index].bytes;
    }
    EXPECT_EQ(document["listed_bytes"], total);
    EXPECT_EQ(document["freed_bytes"], 0);
    EXPECT_FALSE(document.contains("traces"));
    const std::vector<std::string> lines = JsonLines(document);
    const std::string prefetch = folder / "WINDOWS\\Prefetch...";
    ASSERT_THAT(lines, ::testing::Contains(prefetch));
    EXPECT_EQ(results[std::find(lines.begin(), lines.end(), prefetch) - lines.begin()]["bytes"], 8);
    EXPECT_THAT(lines, ::testing::Contains(folder / "WINDOWS\\日志.log"));
    EXPECT_THAT(lines, ::testing::Contains(folder / "WINDOWS\\Temp\\x.tmp"));
}

TEST_F(DustrelCmdTest, DeleteRemovesEveryListedItemAndSaysWhatStayedAndWhy)
{
    const std::string canary = MakeJunk();
    const std::string held = folder.MakeFile("WINDOWS\\held.tmp");
    ListOnlyTestFolder();
    const std::vector<std::string> listed = ListedLines();
    ASSERT_EQ(listed.size(), 4u);
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    const int status = Run({"/delete", "/json"});
    CloseHandle(holder);

    EXPECT_EQ(status, 1) << "an item stayed";
    const Json document = Json::parse(out.str());
    EXPECT_EQ(JsonLines(document), listed);
    for (const Json& item : document["results"]) {
        const std::string path = item["path"];
        if (path == held) {
            EXPECT_EQ(item["outcome"], "kept");
            EXPECT_EQ(item["reason"], "in use");
            EXPECT_TRUE(Exists(path));
        } else {
            EXPECT_EQ(item["outcome"], "removed") << path;
            EXPECT_FALSE(item.contains("reason"));
            EXPECT_FALSE(Exists(path)) << path;
        }
    }
    EXPECT_EQ(document["listed_bytes"], 20);
    EXPECT_EQ(document["freed_bytes"], 16) << "the two logs and the two files of the folder";
    EXPECT_TRUE(Exists(canary));
}

// What another program asks for is not taken on trust: only items of the
// run's own listing go, a line it does not list is refused and stays on
// disk, and the report goes into the file named.
TEST_F(DustrelCmdTest, OnlyRemovesTheLinesAskedForThatTheListingFindsAndRefusesTheRest)
{
    const std::string canary = MakeJunk();
    ListOnlyTestFolder();
    const std::string asked = folder / "WINDOWS\\setup.log";
    const std::string kept = folder / "WINDOWS\\日志.log";
    const std::string requests = folder / "requests.txt";
    const std::string reportFile = folder / "report.json";
    {
        std::ofstream file(requests, std::ios::binary);
        file << asked << "\r\n" << canary << "\r\n\r\n" << asked << "\n";
    }

    EXPECT_EQ(Run({"/standard", "/delete", "/json", "/only:" + requests, "/report:" + reportFile}), 1)
        << "a line was refused";
    EXPECT_EQ(out.str(), "");
    std::ifstream written(reportFile, std::ios::binary);
    const Json document = Json::parse(written);
    ASSERT_EQ(JsonLines(document), std::vector<std::string>{Utf8(asked)});
    EXPECT_EQ(document["results"][0]["outcome"], "removed");
    EXPECT_EQ(document["refused"], Json::array({Utf8(canary)}));
    EXPECT_EQ(document["freed_bytes"], 4);
    EXPECT_FALSE(Exists(asked));
    EXPECT_TRUE(Exists(kept)) << "listed, but not asked for";
    EXPECT_TRUE(Exists(canary)) << "asked for, but not listed";

    EXPECT_EQ(Run({"/only:" + folder / "missing.txt"}), 2);
    EXPECT_THAT(err.str(), HasSubstr("cannot read"));
}

// Windows' drive searched as the system drive's root too, as when Windows is
// on C:, so its logs are listed twice; the second line finds its item gone.
TEST_F(DustrelCmdTest, RecycleMovesEveryListedItemToTheRecycleBinOnce)
{
    const std::string canary = MakeJunk();
    folders.SystemDriveRoot = folders.WindowsFolder + "\\";
    ListOnlyTestFolder();
    const std::vector<std::string> listed = ListedLines();
    ASSERT_EQ(listed.size(), 5u);

    EXPECT_EQ(Run({"/RECYCLE", "/json"}), 0) << out.str();

    const Json document = Json::parse(out.str());
    EXPECT_EQ(JsonLines(document), listed);
    std::set<std::string> seen;
    for (const Json& item : document["results"]) {
        const std::string path = item["path"];
        if (seen.insert(path).second) {
            EXPECT_EQ(item["outcome"], "recycled") << path;
        } else {
            EXPECT_EQ(item["outcome"], "kept") << path;
            EXPECT_EQ(item["reason"], "gone before") << path;
        }
        EXPECT_FALSE(Exists(path)) << path;
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(document["freed_bytes"], 0);
    EXPECT_TRUE(Exists(canary));
}

TEST_F(DustrelCmdTest, TracesAloneAreErasedAndAFailedKindSetsTheStatus)
{
    TraceKeys keys;
    const TraceFolders traceFolders = {folder.MakeFolder("Legacy History"), folder.MakeFolder("History"),
                                       folder.MakeFolder("Recent")};
    const std::string held = folder.MakeFile("Recent\\letter.doc.lnk");
    engine.eraseTraces = [&](const TraceSelection& kinds) { return CleanTraces(kinds, traceFolders); };
    bool listed = false;
    engine.standard = [&](ResultSet&) { listed = true; };
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    const int status = Run({"/traces:recent,run", "/json"});
    CloseHandle(holder);

    EXPECT_EQ(status, 1);
    EXPECT_EQ(Json::parse(out.str()),
              Json::parse(R"({"results": [], "listed_bytes": 0, "freed_bytes": 0,
                              "traces": {"run": "cleaned", "recent": "failed"}})"));
    EXPECT_FALSE(listed) << "/traces alone lists nothing";
    for (const std::string& key : KeysOf(TraceKind::RunHistory)) EXPECT_FALSE(TraceKeys::Exists(key)) << key;

    EXPECT_EQ(Run({"/traces:recent"}), 0);
    EXPECT_THAT(out.str(), HasSubstr("; traces: recent cleaned\n"));
    EXPECT_FALSE(Exists(held));
}

TEST_F(DustrelCmdTest, RulesOfAFileAreListedByEntryAndAWarnedEntryIsKeptUnlessAccepted)
{
    folder.MakeFile("Cache\\a.tmp");
    folder.MakeFile("Cache\\sub\\b.tmp");
    folder.MakeFile("Logs\\c.log");
    const std::string keep = folder.MakeFile("Cache\\keep.dat");
    const std::string rules = folder.MakeFile("rules.ini");
    std::ofstream(rules) << "[Cache]\nFileKey1=" << folder.Path() << "\\Cache|*.tmp|RECURSE\n"
                         << "[Logs]\nWarning=Close the logger first.\nFileKey1=" << folder.Path() << "\\Logs|*.log\n"
                         << "[Broken]\nFileKey1=%NoSuchFolder%\\x|*.tmp\n";
    engine.standard = [](ResultSet&) { ADD_FAILURE() << "/rules alone lists nothing else"; };

    EXPECT_EQ(Run({"/rules:" + rules, "/json"}), 0);
    Json document = Json::parse(out.str());
    ASSERT_EQ(document["results"].size(), 2u);
    EXPECT_EQ(document["results"][0]["rule"], "Cache");
    EXPECT_EQ(document["results"][0]["kind"], "files");
    EXPECT_EQ(document["results"][0]["bytes"], 8);
    EXPECT_EQ(document["results"][1]["rule"], "Logs");
    ASSERT_EQ(document["notes"].size(), 1u);
    EXPECT_THAT(document["notes"][0].get<std::string>(), StartsWith(rules + ", line 7 (Broken): "));

    EXPECT_EQ(Run({"/rules:" + rules, "/delete", "/json"}), 1);
    document = Json::parse(out.str());
    EXPECT_EQ(document["results"][0]["outcome"], "removed");
    EXPECT_EQ(document["results"][1]["reason"], "its rule warns");
    EXPECT_FALSE(Exists(folder / "Cache\\sub\\b.tmp"));
    EXPECT_TRUE(Exists(folder / "Cache\\sub"));
    EXPECT_TRUE(Exists(keep));
    EXPECT_TRUE(Exists(folder / "Logs\\c.log"));

    EXPECT_EQ(Run({"/rules:" + rules, "/delete", "/acceptwarnings"}), 0);
    EXPECT_FALSE(Exists(folder / "Logs\\c.log"));

    EXPECT_EQ(Run({"/rules:" + folder.Path() + "\\missing.ini"}), 1);
    EXPECT_THAT(out.str(), HasSubstr("missing.ini: the file cannot be opened"));
}

}  // namespace
