#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <optional>
#include <string>

#include "support/scratch_folder.h"
#include "services/ini_file.h"

namespace {

struct IniFileTest : ::testing::Test {
    ScratchFolder folder;
    std::filesystem::path file = folder.Path() / "Solitaire.ini";
    IniFile ini{file};
};

struct ReadCase {
    const char* what;
    std::string contents;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST_F(IniFileTest, ReadsFollowTheProfileRules) {
    const std::string longValue(1000, 'x');
    const ReadCase cases[] = {
        {"names match in any case", "[Klondike]\nDrawThree=True\n", "KLONDIKE", "drawthree", "True"},
        {"blanks around key and value trimmed", "[S]\n  Key \t=  spaced value \t\n", "S", "Key", "spaced value"},
        {"CRLF line ends", "[S]\r\nA=1\r\nB=2\r\n", "S", "B", "2"},
        {"quotes are part of the value", "[S]\nA=\"quoted\"\n", "S", "A", "\"quoted\""},
        {"only the first equals sign splits", "[S]\nA=x=y\n", "S", "A", "x=y"},
        {"empty value", "[S]\nA=\n", "S", "A", ""},
        {"long value read whole", "[S]\nA=" + longValue + "\n", "S", "A", longValue},
        {"keys before any section ignored", "A=orphan\n[S]\nB=1\n", "S", "A", std::nullopt},
        {"key of another section", "[T]\nA=1\n[S]\nB=2\n", "S", "A", std::nullopt},
        {"missing section", "[T]\nA=1\n", "S", "A", std::nullopt},
        {"comment line is no key", "[S]\n;A=1\n", "S", ";A", std::nullopt},
        {"last line without line end", "[S]\nA=last", "S", "A", "last"},
        {"first of duplicate keys", "[S]\nA=1\nA=2\n", "S", "A", "1"},
    };
    for (const ReadCase& c : cases) {
        WriteBytes(file, c.contents);
        EXPECT_EQ(ini.Read(c.section, c.key), c.expected) << c.what;
    }
}

TEST_F(IniFileTest, FirstWriteCreatesFolderAndFile) {
    const auto nested = folder.Path() / "config" / "Tablewise" / "Solitaire.ini";
    IniFile fresh(nested);
    EXPECT_EQ(fresh.Read("Preferences", "CardSize"), std::nullopt);
    ASSERT_TRUE(fresh.Write("Preferences", "CardSize", "1"));
    EXPECT_EQ(ReadBytes(nested), "[Preferences]\nCardSize=1\n");
}

TEST_F(IniFileTest, WriteChangesOnlyItsOwnLine) {
    WriteBytes(file,
               "; kept comment\n"
               "[MainWindow]\n"
               "NormPos=1,2,3,4\n"
               "\n"
               "[klondike]\n"
               "DrawThree = True\n"
               "Autoplay=False\n"
               "\n"
               "; belongs to Golf\n"
               "[Golf]\n"
               "KingStopsSequence=True");

    ASSERT_TRUE(ini.Write("KLONDIKE", "drawthree", "False"));      // existing key, other case
    ASSERT_TRUE(ini.Write("Klondike", "GamesAttempted", "1"));     // new key in a section
    ASSERT_TRUE(ini.Write("Golf", "GamesWon", "2"));               // section ends without line end
    ASSERT_TRUE(ini.Write("Spider", "SameSuitBuilds", "True"));    // new section

    EXPECT_EQ(ReadBytes(file),
              "; kept comment\n"
              "[MainWindow]\n"
              "NormPos=1,2,3,4\n"
              "\n"
              "[klondike]\n"
              "DrawThree=False\n"
              "Autoplay=False\n"
              "GamesAttempted=1\n"
              "\n"
              "; belongs to Golf\n"
              "[Golf]\n"
              "KingStopsSequence=True\n"
              "GamesWon=2\n"
              "\n"
              "[Spider]\n"
              "SameSuitBuilds=True\n");
}

TEST_F(IniFileTest, NewLinesFollowTheFilesLineEnds) {
    WriteBytes(file, "[S]\r\nA=1\r\n");
    ASSERT_TRUE(ini.Write("S", "B", "2"));
    ASSERT_TRUE(ini.Write("T", "C", "3"));
    EXPECT_EQ(ReadBytes(file), "[S]\r\nA=1\r\nB=2\r\n\r\n[T]\r\nC=3\r\n");
}

TEST_F(IniFileTest, DamagedFilesReadAndTakeWrites) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    const std::string damaged[] = {
        junk,
        "no sections here\nA=1\n",
        std::string(1 << 20, 'k') + "=" + std::string(1 << 16, 'v'),
        "[S\nA=1\n[]\n=\n[S]]\n",
        std::string("[S]\nA=1\0\nB", 10),
    };
    for (const std::string& contents : damaged) {
        WriteBytes(file, contents);
        (void)ini.Read("S", "A");
        (void)ini.Read("", "");
        ASSERT_TRUE(ini.Write("Fresh", "Key", "value"));
        EXPECT_EQ(ini.Read("Fresh", "Key"), "value");
        EXPECT_EQ(ReadBytes(file).substr(0, contents.size()), contents) << "the old bytes stay in place";
    }
}

TEST_F(IniFileTest, RefusesWhatWouldNotReadBack) {
    WriteBytes(file, "[S]\nA=1\n");
    EXPECT_FALSE(ini.Write("S", "B", "two\nlines"));
    EXPECT_FALSE(ini.Write("S", "B=C", "1"));
    EXPECT_FALSE(ini.Write("S]", "B", "1"));
    EXPECT_FALSE(ini.Write("S", "", "1"));
    EXPECT_FALSE(ini.Write("", "B", "1"));
    EXPECT_EQ(ReadBytes(file), "[S]\nA=1\n");
}

TEST_F(IniFileTest, WriteThatCannotHappenReportsFailure) {
    const auto blocker = folder.Path() / "blocker";
    WriteBytes(blocker, "a regular file where a folder should be");
    IniFile underFile(blocker / "Solitaire.ini");
    EXPECT_EQ(underFile.Read("S", "A"), std::nullopt);
    EXPECT_FALSE(underFile.Write("S", "A", "1"));

    const auto aFolder = folder.Path() / "folder.ini";
    std::filesystem::create_directory(aFolder);
    EXPECT_FALSE(IniFile(aFolder).Write("S", "A", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(aFolder));
}

// Stands in for a full disk: the process may not write files beyond a few bytes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t oldHandler_{};
};

TEST_F(IniFileTest, FailedWriteKeepsTheOldFileAndNoLeftovers) {
    const std::string old = "[Klondike]\nGamesWon=3\n";
    WriteBytes(file, old);
    {
        FileSizeLimit limit(old.size() + 4);
        EXPECT_FALSE(ini.Write("Klondike", "GamesAttempted", std::string(200, '9')));
    }
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Solitaire.ini"});
}

TEST_F(IniFileTest, WritesLeaveNoTemporaryFiles) {
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(ini.Write("S", "K" + std::to_string(i % 5), std::to_string(i)));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Solitaire.ini"});
    EXPECT_EQ(ini.Read("s", "k4"), "19");
}

TEST_F(IniFileTest, WriteThroughALinkKeepsTheLink) {
    const auto real = folder.Path() / "real.ini";
    WriteBytes(real, "[S]\nA=1\n");
    const auto link = folder.Path() / "link.ini";
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(IniFile(link).Write("S", "A", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "[S]\nA=2\n");
}

}  // namespace
