// Damaged, hostile and oversized files, and a disk that fills up: the tool reports the problem,
// never crashes, and never changes a byte of what it could not read.
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace {

using Args = std::vector<std::string>;

const char header[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";

std::string repeated(const std::string &piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Well-formed dictionaries nested `levels` deep: small enough to pass the size cap, deep enough
// to exhaust the stack of a recursive parser.
std::string nested(int levels) {
    return header + repeated("<dict><key>a</key>", levels) + "<true/>" +
           repeated("</dict>", levels) + "</plist>";
}

struct BadFile {
    const char *name;
    std::string bytes;
};

const BadFile badFiles[] = {
    {"Garbage", "this is not a property list\n"},
    {"Truncated", std::string(header) + "<dict><key>com.apple.keyboard.fnState</key><tr"},
    {"RootIsArray", std::string(header) + "<array><true/></array></plist>"},
    {"BinaryBytes", std::string("bplist00\xd1\x01\x02\x00\xff\xfe", 14)},
    {"DeepNesting", nested(30000)},
    {"Oversize", std::string(header) + "<dict><key>k</key><string>" +
                     std::string(2 * 1024 * 1024, 'x') + "</string></dict></plist>"},
};

const Args commands[] = {
    {"read", "-g", "com.apple.keyboard.fnState"},
    {"read", "-g"},
    {"read"},
    {"read-type", "-g", "k"},
    {"write", "-g", "com.apple.keyboard.fnState", "-bool", "1"},
    {"delete", "-g", "k"},
    {"delete", "-g"},
};

class DamagedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(DamagedFile, IsReportedByNameAndLeftByteForByte) {
    PrivateStore store;
    const std::string path = store.root() + "/NSGlobalDomain.plist";
    writeFile(path, GetParam().bytes);
    for (const Args &args : commands) {
        const ToolRun run = runTool(store, args);
        EXPECT_EQ(run.status, 1) << args[0] << " " << run.err; // a crash would be 128+
        EXPECT_NE(run.err.find(path), std::string::npos) << args[0] << " " << run.err;
    }
    EXPECT_TRUE(fileBytes(path) == GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Defaults, DamagedFile, ::testing::ValuesIn(badFiles),
                         [](const auto &test) { return std::string(test.param.name); });

TEST(CorruptedFile, RandomCorruptionsOfAValidFileNeverCrashTheReader) {
    PrivateStore store;
    for (const Args &args :
         {Args{"write", "-g", "b", "-bool", "1"}, Args{"write", "-g", "i", "-int", "5"},
          Args{"write", "-g", "f", "-float", "1.5"}, Args{"write", "-g", "s", "a&<b>"}})
        ASSERT_EQ(runTool(store, args).status, 0);
    const std::string path = store.root() + "/NSGlobalDomain.plist";
    const std::string valid = fileBytes(path);
    std::mt19937 random(20261207);
    const char alphabet[] = "<>/!-[]&;\"=? adfikrty\x01\x80\xff";
    for (int round = 0; round < 150; ++round) {
        std::string mutant = valid;
        for (int edits = 1 + int(random() % 4); edits > 0; --edits)
            mutant[random() % mutant.size()] = alphabet[random() % (sizeof alphabet - 1)];
        if (round % 3 == 0)
            mutant.resize(random() % mutant.size());
        writeFile(path, mutant);
        const ToolRun run = runTool(store, {"read", "-g"});
        ASSERT_LT(run.status, 2) << "crashed on:\n" << mutant;
    }
}

TEST(FullDisk, LeavesTheOldFileAndReportsTheError) {
    PrivateStore store;
    ASSERT_EQ(runTool(store, {"write", "org.example.big", "k", "small"}).status, 0);
    const std::string path = store.root() + "/org.example.big.plist";
    const std::string before = fileBytes(path);
    // A value larger than the file-size limit fails like a disk that has run out of space.
    const ToolRun run =
        runTool(store, {"write", "org.example.big", "k", std::string(20000, 'x')}, 8192);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Could not write"), std::string::npos) << run.err;
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(runTool(store, {"read", "org.example.big", "k"}).out, "small\n");
    for (const auto &entry : std::filesystem::directory_iterator(store.root()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
}

TEST(Permissions, DirectoriesArePrivateAndFilesOwnerOnly) {
    PrivateStore store;
    ::umask(022);
    ASSERT_EQ(runTool(store, {"-currentHost", "write", "-g", "k", "v"}).status, 0);
    ASSERT_EQ(runTool(store, {"write", "-g", "k", "v"}).status, 0);
    const auto mode = [](const std::string &p) {
        struct stat info {};
        ::stat(p.c_str(), &info);
        return info.st_mode & 0777;
    };
    EXPECT_EQ(mode(store.root()), 0700u);
    EXPECT_EQ(mode(store.root() + "/ByHost"), 0700u);
    EXPECT_EQ(mode(store.root() + "/NSGlobalDomain.plist"), 0600u);
    for (const auto &entry : std::filesystem::directory_iterator(store.root() + "/ByHost"))
        EXPECT_EQ(mode(entry.path()), 0600u) << entry.path();
}

} // namespace
