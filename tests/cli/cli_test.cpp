// orizen-cli survey and mate, run as a separate program: sample outputs byte for byte, the
// position-file format and its refusals.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/position.h"
#include "fakes.h"

namespace orizen::test {

namespace {

const std::string kSamples = std::string(ORIZEN_SOURCE_DIR) + "/tests/data/positions/";

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Result {
    int status = -1;
    std::string out, err;
};

Result cli(const std::string& args) {
    static TempFolder folder;
    const std::string out = (folder.path / "out").string(), err = (folder.path / "err").string();
    const std::string command = std::string("'") + ORIZEN_CLI + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
}

// A position file with the lines given, written to a fresh file; returns its quoted path.
std::string file(const std::string& text) {
    static TempFolder folder;
    static int n = 0;
    const std::string name = "p" + std::to_string(++n) + ".pos";
    folder.write(name, text);
    return "'" + (folder.path / name).string() + "'";
}

std::string emptyRows(int rows, int perRow = 27) {
    std::string s;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < perRow; ++x) s += x ? " 0" : "0";
        s += "\n";
    }
    return s;
}

const std::string kHands = "hand-upper 0 0 0 0 0 0 0\nhand-lower 0 0 0 0 0 0 0\n";

}  // namespace

TEST(Cli, SamplesMatchByteForByte) {
    for (int i = 1; i <= 10; ++i) {
        const std::string base = kSamples + (i < 10 ? "sample0" : "sample") + std::to_string(i);
        for (const char* sub : {"survey", "mate"}) {
            const Result r = cli(std::string(sub) + " '" + base + ".pos'");
            EXPECT_EQ(r.status, 0) << base << " " << sub;
            EXPECT_EQ(r.err, "") << base << " " << sub;
            EXPECT_TRUE(r.out == slurp(base + "." + sub)) << base << " " << sub << " differs";
        }
    }
}

TEST(Cli, SurveyOutputShape) {
    const Result r = cli("survey " + file("opening\n" + kHands));
    ASSERT_EQ(r.status, 0);
    std::istringstream in(r.out);
    std::string line;
    int lines = 0, maps = 0;
    while (std::getline(in, line)) {
        ++lines;
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.back(), ' ') << lines;
        EXPECT_EQ(line.find("  "), std::string::npos) << lines;
        if (line.rfind("map ", 0) == 0) ++maps;
    }
    EXPECT_EQ(maps, 15);
    EXPECT_EQ(lines, 15 * 28 + 2);
    EXPECT_NE(r.out.find("\nmap LowerPinned\n"), std::string::npos);
    EXPECT_TRUE(r.out.size() > 30 && r.out.substr(r.out.size() - 36) == "\nkings 14 27 14 1\nupper-pin-found 0\n");
}

TEST(Cli, CommentsBlankLinesAndLineEndsAreIgnored) {
    const std::string plain = slurp(kSamples + "sample02.pos");
    std::string decorated = "# a comment\n\n";
    std::istringstream in(plain);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        decorated += line + "\r\n";
        if (++n % 5 == 0) decorated += "   \r\n  # between rows\r\n";
    }
    const Result a = cli("survey " + file(plain)), b = cli("survey " + file(decorated));
    EXPECT_EQ(b.status, 0) << b.err;
    EXPECT_TRUE(a.out == b.out);

    // Keywords in any order, the level optional, the reserved codes accepted.
    const Result c = cli("mate " + file("level 1\n" + kHands + "board\n111 -111 " + emptyRows(1, 25) + emptyRows(26)));
    EXPECT_EQ(c.status, 0) << c.err;
    EXPECT_EQ(c.out, "escapes 0\nmate-lower 0\nmate-upper 0\n");  // no king: only (1, 1) is looked at
}

TEST(Cli, MalformedFilesAreRefusedNamingTheLine) {
    const std::string rows = emptyRows(27);
    struct Case {
        const char* what;
        std::string text;
        int line;
        const char* fault;
    };
    const Case cases[] = {
        {"short row", "board\n" + emptyRows(3) + emptyRows(1, 26) + emptyRows(23) + kHands, 5, "26 codes"},
        {"long row", "board\n" + emptyRows(1, 28) + emptyRows(26) + kHands, 2, "28 codes"},
        {"not a code", "board\n7 " + emptyRows(1, 26) + emptyRows(26) + kHands, 2, "7 is not a piece code"},
        {"beyond 950", "board\n" + emptyRows(9) + "951 " + emptyRows(1, 26) + emptyRows(17) + kHands, 11,
         "951 is not a piece code"},
        {"not a number", "board\nx " + emptyRows(1, 26) + emptyRows(26) + kHands, 2, "'x' is not an integer"},
        {"negative hand", "board\n" + rows + "hand-upper 0 0 0 0 0 0 0\nhand-lower 0 -1 0 0 0 0 0\n", 30,
         "negative hand count -1"},
        {"six counts", "board\n" + rows + "hand-upper 0 0 0 0 0 0\n" + kHands, 29, "7 counts"},
        {"no board", "# nothing\n" + kHands, 4, "missing board"},
        {"board cut short", "board\n" + emptyRows(20), 22, "ends after 20 board rows"},
        {"level 5", "opening\n" + kHands + "level 5\n", 4, "level must be 1, 2, 3 or 4"},
        {"level 0", "opening\nlevel 0\n" + kHands, 2, "level must be 1, 2, 3 or 4"},
        {"unknown keyword", "opening\n" + kHands + "colour 3\n", 4, "unknown keyword 'colour'"},
        {"twice", "opening\n" + kHands + "hand-upper 1 0 0 0 0 0 0\n", 4, "hand-upper given twice"},
        {"board and opening", "opening\nboard\n" + rows + kHands, 2, "given twice"},
        {"no lower hand", "opening\nhand-upper 0 0 0 0 0 0 0\n", 3, "missing hand-lower"},
        {"huge count", "opening\nhand-upper 99999999999 0 0 0 0 0 0\nhand-lower 0 0 0 0 0 0 0\n", 2,
         "hand count 99999999999 is above"},
    };
    for (const Case& c : cases)
        for (const char* sub : {"survey", "mate"}) {
            const Result r = cli(std::string(sub) + " " + file(c.text));
            EXPECT_EQ(r.status, 2) << c.what;
            EXPECT_EQ(r.out, "") << c.what;
            EXPECT_EQ(r.err.rfind("error:", 0), 0u) << c.what << ": " << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.what << ": " << r.err;
            EXPECT_NE(r.err.find("line " + std::to_string(c.line) + ": "), std::string::npos) << c.what << ": " << r.err;
            EXPECT_NE(r.err.find(c.fault), std::string::npos) << c.what << ": " << r.err;
        }
}

TEST(Cli, ArgumentsAndHelp) {
    const Result help = cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("survey FILE"), std::string::npos);
    EXPECT_NE(help.out.find("mate FILE"), std::string::npos);

    const std::string good = file("opening\n" + kHands);
    for (const std::string& args : std::initializer_list<std::string>{"", "survey", "mate", "survey " + good + " " + good, "frobnicate " + good,
                                   "mate /nonexistent/x.pos", "survey /"}) {
        const Result r = cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err.rfind("error:", 0), 0u) << args << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args;
    }
}

// Level 4 answers bestmove with its own search line before the move, within the time given.
TEST(Cli, BestmoveAtLevelFour) {
    const std::string pos = file("opening\n" + kHands + "level 4\n");
    const Result r = cli("bestmove --scores --movetime 100 " + pos);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("info depth ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nbestmove "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("candidate"), std::string::npos);
    for (const char* bad : {"--movetime 0 ", "--movetime -5 ", "--movetime x ", "--movetime "})
        EXPECT_EQ(cli(std::string("bestmove ") + bad + pos).status, 2) << bad;
}

}  // namespace orizen::test

namespace orizen::test {

// A device that never ends, or a file far larger than any position, is refused once the reader
// has taken 1 MiB, instead of being read until memory runs out.
TEST(Cli, EndlessOrHugeFilesAreRefused) {
    for (const char* sub : {"survey", "mate", "bestmove"}) {
        const Result r = cli(std::string(sub) + " /dev/zero");
        EXPECT_EQ(r.status, 2) << sub;
        EXPECT_EQ(r.out, "") << sub;
        EXPECT_NE(r.err.find("larger than 1 MiB"), std::string::npos) << sub << ": " << r.err;
    }
    const std::string opening = "opening\n" + kHands;
    const std::string justFits = opening + "#" + std::string(cli::kPositionMaxBytes - opening.size() - 2, ' ') + "\n";
    EXPECT_EQ(cli("mate " + file(justFits)).status, 0);
    EXPECT_EQ(cli("mate " + file(justFits + "\n")).status, 2);
}

}  // namespace orizen::test
