// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
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

// Deep nesting dressed up so that a lexical count could take it for shallow: every opening
// carries a fake closing the parser never sees as one.
std::string disguised(const std::string &opening, int levels) {
    return header + std::string("<dict><key>a</key>") + repeated(opening, levels) +
           repeated("</array>", levels) + "</dict></plist>";
}

const BadFile badFiles[] = {
    {"Garbage", "this is not a property list\n"},
    {"Truncated", std::string(header) + "<dict><key>com.apple.keyboard.fnState</key><tr"},
    {"RootIsArray", std::string(header) + "<array><true/></array></plist>"},
    {"BinaryBytes", std::string("bplist00\xd1\x01\x02\x00\xff\xfe", 14)},
    {"DeepNesting", nested(30000)},
    {"ClosingsInAttributes", disguised("<array x=\"></>\">", 20000)},
    {"ClosingsInSingleQuotes", disguised("<array x='</array>'>", 20000)},
    {"EmptyLookingComments", disguised("<!--><array>-->", 20000)},
    {"ModeratelyDeepDisguised", disguised("<array x=\"></>\">", 3000)},
    {"EntityExpansion", std::string("<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a "
                                    "\"<array><array><array>\">]><plist><dict><key>k</key>") +
                            repeated("&a;", 100) + "</dict></plist>"},
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

// A FIFO (or any other non-file) where a domain file belongs must not stall a command, least
// of all one holding the domain's lock.
TEST(SpecialFile, IsReportedWithoutBlocking) {
    PrivateStore store;
    std::filesystem::create_directories(store.root());
    const std::string fifo = store.root() + "/org.example.fifo.plist";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((store.root() + "/.org.example.lockfifo.plist.lock").c_str(), 0600), 0);
    for (const Args &args :
         {Args{"read", "org.example.fifo"}, Args{"read"},
          Args{"write", "org.example.fifo", "k", "v"}, Args{"delete", "org.example.fifo", "k"},
          Args{"delete", "org.example.fifo"}, Args{"write", "org.example.lockfifo", "k", "v"}}) {
        Args argv{"/usr/bin/timeout", "20", toolPath()};
        argv.insert(argv.end(), args.begin(), args.end());
        const ToolRun run = runProgram(store, argv);
        EXPECT_EQ(run.status, 1) << args[0] << " " << run.err; // 124: it hung
        EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    }
    struct stat info {};
    EXPECT_TRUE(::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

// A domain never grows past what a read accepts; one that got there anyway (by hand, or by an
// older version) can still be shrunk or deleted.
TEST(SizeLimit, WritesStopBelowItAndDeletesRecoverAboveIt) {
    PrivateStore store;
    const std::string path = store.root() + "/org.example.big.plist";
    const std::string chunk(130000, 'x');
    int written = 0;
    while (
        written < 20 &&
        runTool(store, {"write", "org.example.big", "k" + std::to_string(written), chunk}).status ==
            0)
        ++written;
    EXPECT_EQ(written, 8);
    const std::string before = fileBytes(path);
    const ToolRun refused = runTool(store, {"write", "org.example.big", "more", chunk});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("1 MiB"), std::string::npos) << refused.err;
    EXPECT_TRUE(fileBytes(path) == before);
    EXPECT_EQ(runTool(store, {"read", "org.example.big", "k0"}).status, 0);

    const std::string oversize = std::string(header) + "<dict><key>huge</key><string>" +
                                 std::string(1200000, 'y') +
                                 "</string><key>small</key><true/></dict></plist>";
    writeFile(path, oversize);
    for (const Args &args :
         {Args{"read", "org.example.big"}, Args{"write", "org.example.big", "k", "v"}}) {
        const ToolRun run = runTool(store, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_NE(run.err.find("larger than 1 MiB"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fileBytes(path) == oversize);
    EXPECT_EQ(runTool(store, {"delete", "org.example.big", "huge"}).status, 0);
    EXPECT_EQ(runTool(store, {"read", "org.example.big", "small"}).out, "1\n");

    writeFile(path, oversize);
    EXPECT_EQ(runTool(store, {"delete", "org.example.big"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

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

unsigned mode(const std::string &path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Restores the test process's umask, which the tool inherits.
class Umask {
public:
    explicit Umask(mode_t mask) : saved_(::umask(mask)) {}
    ~Umask() { ::umask(saved_); }

private:
    mode_t saved_;
};

class Permissions : public ::testing::TestWithParam<mode_t> {};

// Modes are checked rather than access: the suite may run as root, which ignores them.
TEST_P(Permissions, AreExplicitWhateverTheUmask) {
    PrivateStore store;
    const Umask mask(GetParam());
    for (const char *value : {"v", "w"}) {
        ASSERT_EQ(runTool(store, {"-currentHost", "write", "-g", "k", value}).status, 0);
        ASSERT_EQ(runTool(store, {"write", "-g", "k", value}).status, 0);
    }
    for (const std::string &directory :
         {store.configHome(), store.root(), store.root() + "/ByHost"})
        EXPECT_EQ(mode(directory), 0700u) << directory;
    for (const std::string &directory : {store.root(), store.root() + "/ByHost"}) {
        for (const auto &entry : std::filesystem::directory_iterator(directory)) {
            if (entry.is_regular_file()) {
                EXPECT_EQ(mode(entry.path()), 0600u) << entry.path();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Defaults, Permissions, ::testing::Values(022, 0277, 0222, 0));

// A store or ByHost that is a link is refused, whoever made it, and what it leads to keeps its
// mode: under sudo with HOME kept it could be any system folder. A read-only store stays so.
TEST(UserDirectories, KeepTheirModes) {
    PrivateStore store;
    const std::string real = store.home() + "/real", realByHost = store.home() + "/byhost";
    std::filesystem::create_directories(store.configHome());
    std::filesystem::create_directories(realByHost);
    std::filesystem::create_directories(real);
    ::chmod(real.c_str(), 0755);
    ::chmod(realByHost.c_str(), 0750);
    std::filesystem::create_directory_symlink(real, store.root());
    std::filesystem::create_directory_symlink(realByHost, real + "/ByHost");
    // The user's own links are used, and what they lead to keeps its modes.
    ASSERT_EQ(runTool(store, {"write", "-g", "k", "v"}).status, 0);
    ASSERT_EQ(runTool(store, {"-currentHost", "write", "-g", "k", "v"}).status, 0);
    EXPECT_EQ(mode(real), 0755u);
    EXPECT_EQ(mode(realByHost), 0750u);
    EXPECT_EQ(runTool(store, {"-currentHost", "read", "-g", "k"}).out, "v\n");
    std::filesystem::remove(store.root());
    std::filesystem::rename(real, store.root());

    ::chmod(store.root().c_str(), 0500);
    const std::string before = fileBytes(store.root() + "/NSGlobalDomain.plist");
    for (const Args &args : {Args{"write", "-g", "k", "w"}, Args{"delete", "-g", "k"},
                             Args{"delete", "-g"}, Args{"-currentHost", "write", "-g", "k", "w"}}) {
        const ToolRun run = runTool(store, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
    }
    EXPECT_EQ(mode(store.root()), 0500u);
    EXPECT_EQ(fileBytes(store.root() + "/NSGlobalDomain.plist"), before);
    EXPECT_EQ(runTool(store, {"read", "-g", "k"}).out, "v\n");
    ::chmod(store.root().c_str(), 0700); // so that the store can be cleaned up
}

// A store others may enter is made private before anything is written; one that belongs to
// someone else, or holds their files or links, is refused and left as it is.
TEST(SharedStore, IsMadePrivateOrRefused) {
    PrivateStore store;
    ASSERT_EQ(runTool(store, {"-currentHost", "write", "-g", "k", "v"}).status, 0);
    ASSERT_EQ(runTool(store, {"write", "-g", "k", "v"}).status, 0);
    const std::string global = store.root() + "/NSGlobalDomain.plist";
    const auto everything = [&] {
        return std::filesystem::recursive_directory_iterator(store.root());
    };
    ::chmod(store.root().c_str(), 0777);
    for (const auto &entry : everything())
        ::chmod(entry.path().c_str(), entry.is_directory() ? 0777 : 0666);
    ASSERT_EQ(runTool(store, {"delete", "-g", "k"}).status, 0);
    EXPECT_EQ(mode(store.root()), 0700u);
    for (const auto &entry : everything())
        EXPECT_EQ(mode(entry.path()), entry.is_directory() ? 0700u : 0600u) << entry.path();

    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to another user needs root";
    const std::string byHost = store.root() + "/ByHost";
    std::filesystem::remove_all(byHost);
    std::filesystem::create_directory_symlink(store.home(), byHost);
    const unsigned home = mode(store.home());
    for (const std::string &owned : {global, store.root(), byHost}) {
        ASSERT_EQ(::lchown(owned.c_str(), 65534, 65534), 0);
        const std::string before = fileBytes(global);
        const ToolRun run = runTool(store, {"-currentHost", "write", "-g", "k", "w"});
        EXPECT_NE(run.err.find(owned + " belongs to another user (uid 65534"), std::string::npos)
            << run.err;
        EXPECT_EQ(fileBytes(global), before);
        ASSERT_EQ(::lchown(owned.c_str(), 0, 0), 0);
    }
    EXPECT_EQ(mode(store.home()), home);
}

} // namespace
