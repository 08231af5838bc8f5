// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using orvane::ScoreEntry;
using orvane::ScoreFile;
using orvane::TableCounters;
using orvane::Text;
using orvane::testing::ReadFileBytes;
using orvane::testing::TempDir;
using orvane::testing::WriteFileBytes;
using Bytes = std::vector<uint8_t>;

namespace orvane {
void PrintTo(const ScoreEntry& entry, std::ostream* out)
{
    *out << '"' << entry.Name << "\", " << entry.TimeOrWon << ", " << entry.ClicksOrLost;
}
void PrintTo(const TableCounters& counters, std::ostream* out)
{
    *out << counters.WonOrStarted << ", " << counters.GamesLost;
}
} // namespace orvane

namespace {

constexpr std::size_t NewFileSize = 1968;

void PutLittleEndian(Bytes& bytes, std::size_t at, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t LittleEndianAt(const Bytes& bytes, std::size_t at)
{
    uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

// A 32-byte row record as a file may hold it, length byte given separately so that
// damaged records can be made; the name bytes fill the whole field.
void PutRow(
    Bytes& bytes, std::size_t record, uint8_t length, char fill, int32_t first, int32_t second)
{
    const std::size_t at = record * 32;
    bytes[at] = length;
    std::memset(&bytes[at + 1], fill, 20);
    PutLittleEndian(bytes, at + 24, first);
    PutLittleEndian(bytes, at + 28, second);
}

// A row record as the program writes it: the name, then zeros up to the numbers.
Bytes RowRecord(const std::string& name, int32_t first, int32_t second)
{
    Bytes record(32, 0);
    record[0] = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), record.begin() + 1);
    PutLittleEndian(record, 24, first);
    PutLittleEndian(record, 28, second);
    return record;
}

Bytes Slice(const Bytes& bytes, std::size_t at, std::size_t size)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
        bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
}

void SetTimesOrWins(ScoreFile& scores, int table, const std::array<int32_t, 10>& values)
{
    for (int row = 1; row <= 10; ++row)
        scores.Row(table, row).TimeOrWon = values[static_cast<std::size_t>(row - 1)];
}

void SetName(ScoreFile& scores, int table, int row, const std::string& name)
{
    scores.Apply([=](ScoreFile& tables) {
        tables.Row(table, row).Name = name;
        return 0;
    });
}

// Write permission is ignored for the superuser, so tests that rely on it check first.
bool PermissionsBite(const std::string& path)
{
    return ::access(path.c_str(), W_OK) != 0;
}

struct ScoreFileTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("Orvane.cfg");
    std::vector<std::string> reports;

    ScoreFile Open(const std::string& at)
    {
        return ScoreFile(at, [this](const Text& message) { reports.push_back(message.English()); });
    }
    ScoreFile Load(const std::string& at)
    {
        ScoreFile scores = Open(at);
        scores.LoadScores();
        return scores;
    }
    ScoreFile Load() { return Load(path); }
    // A fresh load must give back exactly what memory holds.
    void ExpectFileMatchesMemory(const ScoreFile& scores)
    {
        const ScoreFile reloaded = Load();
        EXPECT_EQ(reloaded.ScoreTables, scores.ScoreTables);
        EXPECT_EQ(reloaded.TableStats, scores.TableStats);
    }
    Bytes NewFileBytes()
    {
        Load();
        return ReadFileBytes(path);
    }
};

TEST_F(ScoreFileTest, MissingFileIsCreatedWithTheDefaultTables)
{
    const ScoreFile scores = Load();
    const Bytes file = ReadFileBytes(path);
    ASSERT_EQ(file.size(), NewFileSize);
    EXPECT_EQ(Slice(file, 0, 8), (Bytes {7, 'U', 'n', 'k', 'n', 'o', 'w', 'n'}));
    EXPECT_EQ(Slice(file, 24, 8), (Bytes {0xE7, 0x03, 0, 0, 0x0F, 0x27, 0, 0})); // 999, 9999
    for (std::size_t record = 0; record < 60; ++record) {
        const Bytes expected
            = record < 30 ? RowRecord("Unknown", 999, 9999) : RowRecord("Unknown", 0, 0);
        EXPECT_EQ(Slice(file, record * 32, 32), expected) << "record " << record;
    }
    EXPECT_EQ(Slice(file, 1920, 48), Bytes(48, 0));

    EXPECT_EQ(scores.Row(2, 10), (ScoreEntry {"Unknown", 999, 9999}));
    EXPECT_EQ(scores.Row(3, 1), (ScoreEntry {"Unknown", 0, 0}));
    for (int table = 0; table < 6; ++table) {
        EXPECT_EQ(scores.TableStats[table], (TableCounters {0, 0}));
        EXPECT_EQ(scores.LowestEntry[table], 1);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScoreFileTest, RowsAndStatisticsLandAtTheirOffsetsAndLoadBack)
{
    ScoreFile scores = Load();
    const Bytes before = ReadFileBytes(path);

    scores.Apply([](ScoreFile& tables) {
        tables.Row(4, 7) = {"Alice", 12, 0x7FFFFFFD};
        tables.TableStats[2] = {0x01020304, 0x7FFFFFFF};
        return 0;
    });

    Bytes expected = before;
    const Bytes alice {5, 'A', 'l', 'i', 'c', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 12, 0, 0, 0, 0xFD, 0xFF, 0xFF, 0x7F};
    std::copy(alice.begin(), alice.end(), expected.begin() + (4 * 10 + 6) * 32);
    const Bytes stats {0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0x7F};
    std::copy(stats.begin(), stats.end(), expected.begin() + 1920 + 2 * 8);
    EXPECT_EQ(ReadFileBytes(path), expected);

    ExpectFileMatchesMemory(scores);
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScoreFileTest, LongNameIsCutToTwentyCharactersInMemoryAndFile)
{
    ScoreFile scores = Load();
    SetName(scores, 0, 1, "ABCDEFGHIJKLMNOPQRSTUVWXY");

    EXPECT_EQ(scores.Row(0, 1).Name, "ABCDEFGHIJKLMNOPQRST");
    const Bytes file = ReadFileBytes(path);
    ASSERT_EQ(file.size(), NewFileSize);
    EXPECT_EQ(file[0], 20);
    EXPECT_EQ(Load().Row(0, 1).Name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Slice(file, 32, 32), RowRecord("Unknown", 999, 9999)); // the next row is untouched
}

TEST_F(ScoreFileTest, WritesOutsideTheRecordsAreIgnored)
{
    ScoreFile scores = Load();
    const Bytes before = ReadFileBytes(path);
    scores.CountClassicWin(6);
    scores.CountClassicLoss(-1);
    scores.ResetTable(6);
    EXPECT_EQ(ReadFileBytes(path), before);
}

// Rows are counted from the start and statistics from the end of the file, so a file
// with bytes after the statistics keeps both where they are.
TEST_F(ScoreFileTest, TrailingBytesLeaveRowsAtTheStartAndStatisticsAtTheEnd)
{
    Bytes file = NewFileBytes();
    PutRow(file, 59, 3, 'Z', 7, 2);
    file.resize(1988, 0xAB); // 248 whole units and 4 bytes of a part unit
    const std::size_t statsAt = (248 - 6) * 8;
    for (int table = 0; table < 6; ++table) {
        PutLittleEndian(file, statsAt + 8 * table, 100 + table);
        PutLittleEndian(file, statsAt + 8 * table + 4, 200 + table);
    }
    WriteFileBytes(path, file);

    ScoreFile scores = Load();
    EXPECT_EQ(scores.Row(5, 10), (ScoreEntry {"ZZZ", 7, 2}));
    EXPECT_EQ(scores.TableStats[0], (TableCounters {100, 200}));
    EXPECT_EQ(scores.TableStats[5], (TableCounters {105, 205}));

    scores.CountClassicLoss(1);
    Bytes expected = file;
    PutLittleEndian(expected, statsAt + 8 + 4, 202);
    EXPECT_EQ(ReadFileBytes(path), expected);
}

// A damaged file: every row it holds whole and as a program writes it is kept, every
// other row takes its table's defaults, counters are never read from row bytes, and
// the first write brings back the full layout with the damaged bytes kept beside it.
struct Damage {
    const char* name;
    std::size_t size;         // the file is cut to this many bytes
    bool randomBytes = false; // every byte replaced by fixed pseudo-random ones
    bool longNames = false;   // every third row's name length is 255
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

class DamagedScoreFileTest : public ScoreFileTest, public ::testing::WithParamInterface<Damage> {
protected:
    // The full layout with a distinct row in every record and distinct counters.
    static Bytes KnownFile()
    {
        Bytes file(NewFileSize, 0);
        for (std::size_t record = 0; record < 60; ++record)
            PutRow(file, record, 2, static_cast<char>('a' + record % 26),
                static_cast<int32_t>(record + 1), static_cast<int32_t>(2 * record));
        for (std::size_t table = 0; table < 6; ++table) {
            PutLittleEndian(file, 1920 + 8 * table, static_cast<int32_t>(10 + table));
            PutLittleEndian(file, 1924 + 8 * table, static_cast<int32_t>(20 + table));
        }
        return file;
    }
    static Bytes Damaged(const Damage& damage)
    {
        Bytes file = KnownFile();
        if (damage.randomBytes) {
            uint32_t state = 12345;
            for (uint8_t& byte : file) {
                state = state * 1103515245 + 12345;
                byte = static_cast<uint8_t>(state >> 16);
            }
        }
        if (damage.longNames)
            for (std::size_t record = 0; record < 60; record += 3)
                file[record * 32] = 255;
        file.resize(damage.size);
        return file;
    }
    static bool Readable(const Bytes& file, std::size_t record)
    {
        if ((record + 1) * 32 > file.size())
            return false;
        const int32_t time = LittleEndianAt(file, record * 32 + 24);
        return file[record * 32] <= 20 && time >= 0 && (record >= 30 || time <= 999)
            && LittleEndianAt(file, record * 32 + 28) >= 0;
    }
};

TEST_P(DamagedScoreFileTest, IsRepairedWhenReadAndKeepsWhatCouldBeRead)
{
    const Bytes original = Damaged(GetParam());
    WriteFileBytes(path, original);
    ScoreFile scores = Load();
    const ScoreFile known = [&] {
        WriteFileBytes(dir.File("known.cfg"), KnownFile());
        return Load(dir.File("known.cfg"));
    }();

    for (int record = 0; record < 60; ++record) {
        const int table = record / 10, row = record % 10 + 1;
        const ScoreEntry& entry = scores.Row(table, row);
        if (!Readable(original, static_cast<std::size_t>(record))) {
            EXPECT_EQ(entry,
                (table < 3 ? ScoreEntry {"Unknown", 999, 9999} : ScoreEntry {"Unknown", 0, 0}))
                << "record " << record;
        } else if (!GetParam().randomBytes) {
            EXPECT_EQ(entry, known.Row(table, row)) << "record " << record;
        }
    }
    for (int table = 0; table < 6; ++table) {
        const TableCounters& counters = scores.TableStats[table];
        const bool whole = static_cast<std::size_t>(1920 + 8 * table + 8) <= original.size();
        if (!whole)
            EXPECT_EQ(counters, TableCounters {}) << "table " << table;
        else if (GetParam().randomBytes)
            EXPECT_TRUE(counters.WonOrStarted >= 0 && counters.GamesLost >= 0) << "table " << table;
        else
            EXPECT_EQ(counters, known.TableStats[table]) << "table " << table;
    }
    const ScoreFile loaded = scores;

    // A loss, then a win with its new row.
    scores.CountClassicLoss(0);
    EXPECT_EQ(ReadFileBytes(path).size(), NewFileSize);
    scores.CountClassicWin(1);
    scores.FindLowestByTime(1);
    const int row = scores.LowestEntry[1];
    scores.Apply([row](ScoreFile& tables) {
        tables.Row(1, row) = {"Winner", 12, 34};
        return 0;
    });

    ExpectFileMatchesMemory(scores);
    EXPECT_EQ(ReadFileBytes(path).size(), NewFileSize);
    EXPECT_EQ(scores.TableStats[0].GamesLost, loaded.TableStats[0].GamesLost + 1);
    EXPECT_EQ(scores.TableStats[1].WonOrStarted, loaded.TableStats[1].WonOrStarted + 1);
    for (int record = 0; record < 60; ++record) {
        const bool written = record == 10 + row - 1;
        EXPECT_EQ(
            scores.Row(record / 10, record % 10 + 1) == loaded.Row(record / 10, record % 10 + 1),
            !written)
            << "record " << record;
    }
    // An empty file is what an interrupted creation leaves: nothing to keep. A repair is
    // told once, naming the copy.
    if (original.empty()) {
        EXPECT_FALSE(std::filesystem::exists(path + ".damaged"));
        EXPECT_TRUE(reports.empty());
    } else {
        EXPECT_EQ(ReadFileBytes(path + ".damaged"), original);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("repaired"), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find(path + ".damaged\""), std::string::npos) << reports[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedScoreFileTest,
    ::testing::Values(Damage {"Empty", 0}, Damage {"FortyBytes", 40},
        Damage {"ThousandBytes", 1000}, Damage {"OneByteShort", 1967},
        Damage {"RandomBytes", 1968, true}, Damage {"ShortRandomBytes", 700, true},
        Damage {"NameLength255", 1000, false, true},
        Damage {"WholeWithNameLength255", 1968, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Values no program writes mean damage even in a file of the full layout: a Classic time
// past the slowest, a negative count. Only its start is read from a file larger than any
// score file, whose counters are then not taken from its end.
TEST_F(ScoreFileTest, OutOfRangeValuesAndOversizedFilesAreDamage)
{
    const Bytes fresh = NewFileBytes();
    Bytes outOfRange = fresh;
    outOfRange.resize(NewFileSize); // as it is: said for the compiler's sake
    PutRow(outOfRange, 0, 3, 'X', 1000, 6);
    PutLittleEndian(outOfRange, 1920, -7);
    Bytes oversized = fresh;
    PutRow(oversized, 1, 3, 'Y', 5, 6);
    oversized.resize(100'000);
    PutLittleEndian(oversized, 100'000 - 48, 5);
    for (const Bytes& file : {outOfRange, oversized}) {
        reports.clear();
        WriteFileBytes(path, file);
        ScoreFile scores = Load();
        EXPECT_EQ(scores.Row(0, 1), (ScoreEntry {"Unknown", 999, 9999}));
        EXPECT_EQ(scores.TableStats[0], (TableCounters {0, 0}));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("repaired"), std::string::npos) << reports[0];
    }
    EXPECT_EQ(ReadFileBytes(path + ".damaged"), outOfRange);
    EXPECT_EQ(ReadFileBytes(path + ".damaged.2"), oversized);
    Bytes repaired = fresh;
    PutRow(repaired, 1, 3, 'Y', 5, 6);
    std::fill(repaired.begin() + 33 + 3, repaired.begin() + 53, 0);
    EXPECT_EQ(ReadFileBytes(path), repaired);
}

// Each damaged file the program meets is kept; earlier copies are never overwritten.
TEST_F(ScoreFileTest, EveryDamagedFileGetsACopyOfItsOwn)
{
    for (const uint8_t fill : {0x11, 0x22, 0x33}) {
        WriteFileBytes(path, Bytes(100, fill));
        Load().CountClassicLoss(0);
    }
    EXPECT_EQ(ReadFileBytes(path + ".damaged"), Bytes(100, 0x11));
    EXPECT_EQ(ReadFileBytes(path + ".damaged.2"), Bytes(100, 0x22));
    EXPECT_EQ(ReadFileBytes(path + ".damaged.3"), Bytes(100, 0x33));
}

// Names are kept as Latin-1 bytes: what Latin-1 holds stays, anything else (and broken
// UTF-8) becomes '?', one per character, and loads back as it was stored.
TEST_F(ScoreFileTest, NamesAreStoredAsLatin1WithQuestionMarksForTheRest)
{
    ScoreFile scores = Load();
    struct Case {
        std::string typed, stored;
        Bytes bytes;
    };
    const std::vector<Case> cases {
        {"Zo\xC3\xAB", "Zo\xC3\xAB", {3, 'Z', 'o', 0xEB}},
        {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "????", {4, '?', '?', '?', '?'}},
        {"A\xF0\x9F\x98\x80\xFF\xC0\xAF", "A????", {5, 'A', '?', '?', '?', '?'}},
        {std::string(19, 'a') + "\xC3\xA9\xC3\xA9", std::string(19, 'a') + "\xC3\xA9", {20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        SetName(scores, 0, 1, c.typed);
        EXPECT_EQ(scores.Row(0, 1).Name, c.stored);
        const Bytes file = ReadFileBytes(path);
        EXPECT_EQ(Slice(file, 0, c.bytes.size()), c.bytes);
        EXPECT_EQ(Load().Row(0, 1).Name, c.stored);
    }
}

TEST_F(ScoreFileTest, SlowestTimeIsTheLastRowWithTheGreatestTime)
{
    ScoreFile scores = Open(path);
    scores.FindLowestByTime(0);
    EXPECT_EQ(scores.LowestEntry[0], 10);

    SetTimesOrWins(scores, 1, {50, 80, 80, 20, 10, 10, 10, 10, 10, 10});
    for (const uint8_t start : {1, 3, 10, 0, 200}) {
        scores.LowestEntry[1] = start;
        scores.FindLowestByTime(1);
        EXPECT_EQ(scores.LowestEntry[1], 3) << "starting from " << int {start};
    }
}

TEST_F(ScoreFileTest, FewestWinsIsTheLastRowWithTheSmallestCount)
{
    ScoreFile scores = Open(path);
    scores.FindLowestByWins(3);
    EXPECT_EQ(scores.LowestEntry[3], 10);

    SetTimesOrWins(scores, 5, {3, 1, 4, 1, 5, 9, 2, 6, 5, 3});
    scores.LowestEntry[5] = 9;
    scores.FindLowestByWins(5);
    EXPECT_EQ(scores.LowestEntry[5], 4);

    const auto before = scores.LowestEntry;
    scores.FindLowestByWins(6);
    scores.FindLowestByTime(6);
    EXPECT_EQ(scores.LowestEntry, before);
}

TEST_F(ScoreFileTest, CountersWriteThroughAtOnce)
{
    ScoreFile scores = Load();
    scores.CountClassicWin(0);
    scores.CountClassicWin(0);
    scores.CountClassicLoss(0);
    scores.CountClassicLoss(2);
    scores.CountTwoPlayerGame(4);

    EXPECT_EQ(scores.TableStats[0], (TableCounters {2, 1}));
    EXPECT_EQ(scores.TableStats[2], (TableCounters {0, 1}));
    EXPECT_EQ(scores.TableStats[4], (TableCounters {1, 0}));
    const Bytes file = ReadFileBytes(path);
    ASSERT_EQ(file.size(), NewFileSize);
    EXPECT_EQ(Slice(file, 1920, 48),
        (Bytes {2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
            0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ScoreFileTest, CustomBoardCountsNothing)
{
    ScoreFile scores = Load();
    const Bytes before = ReadFileBytes(path);
    const auto stats = scores.TableStats;
    scores.CountClassicWin(6);
    scores.CountClassicLoss(6);
    scores.CountTwoPlayerGame(6);
    EXPECT_EQ(scores.TableStats, stats);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(ScoreFileTest, ResetRestoresOneTableAndItsCounters)
{
    ScoreFile scores = Load();
    for (const int table : {1, 2, 4}) {
        scores.Apply([table](ScoreFile& tables) {
            tables.Row(table, 5) = {"Bob", 42, 17};
            return 0;
        });
        scores.CountClassicLoss(table);
    }
    scores.LowestEntry[1] = 5;
    scores.LowestEntry[4] = 5;

    scores.ResetTable(1);
    scores.ResetTable(4);

    EXPECT_EQ(scores.Row(1, 5), (ScoreEntry {"Unknown", 999, 9999}));
    EXPECT_EQ(scores.Row(4, 5), (ScoreEntry {"Unknown", 0, 0}));
    EXPECT_EQ(scores.Row(2, 5), (ScoreEntry {"Bob", 42, 17}));
    EXPECT_EQ(scores.TableStats[1], (TableCounters {0, 0}));
    EXPECT_EQ(scores.TableStats[2], (TableCounters {0, 1}));
    EXPECT_EQ(scores.LowestEntry[1], 5);
    EXPECT_EQ(scores.LowestEntry[4], 5);

    Load(dir.File("new.cfg"));
    Bytes expected = ReadFileBytes(dir.File("new.cfg"));
    const Bytes bob = RowRecord("Bob", 42, 17);
    std::copy(bob.begin(), bob.end(), expected.begin() + (2 * 10 + 4) * 32);
    PutLittleEndian(expected, 1920 + 2 * 8 + 4, 1);
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(ScoreFileTest, MissingDirectoryIsReportedOnceAndTheTablesKeepWorking)
{
    const std::string lost = dir.File("gone/Orvane.cfg");
    ScoreFile scores = Load(lost);
    scores.CountClassicWin(0);
    scores.CountClassicWin(0);
    scores.Apply([](ScoreFile& tables) {
        tables.Row(0, 3) = {"Eve", 9, 4};
        return 0;
    });
    scores.FindLowestByTime(0);
    scores.ResetTable(1);

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(lost), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find(std::strerror(ENOENT)), std::string::npos) << reports[0];
    EXPECT_EQ(scores.TableStats[0], (TableCounters {2, 0}));
    EXPECT_EQ(scores.Row(0, 3), (ScoreEntry {"Eve", 9, 4}));
    EXPECT_EQ(scores.Row(0, 1), (ScoreEntry {"Unknown", 999, 9999}));
    EXPECT_EQ(scores.LowestEntry[0], 10);
    EXPECT_FALSE(std::filesystem::exists(lost));
}

TEST_F(ScoreFileTest, FileThatTurnsUnwritableIsReportedOnceAndMemoryGoesOn)
{
    ScoreFile scores = Load();
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // nothing can write a record into this

    scores.CountClassicLoss(1);
    scores.CountClassicLoss(1);
    SetName(scores, 1, 1, "Kim");

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("not a regular file"), std::string::npos) << reports[0];
    EXPECT_EQ(scores.TableStats[1], (TableCounters {0, 2}));
    EXPECT_EQ(scores.Row(1, 1).Name, "Kim");
}

TEST_F(ScoreFileTest, SomethingOtherThanAFileIsReportedAtLoadAndLeftAlone)
{
    std::filesystem::create_directory(path);
    ScoreFile scores = Load();
    scores.CountClassicWin(2);

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(path), std::string::npos) << reports[0];
    EXPECT_EQ(scores.Row(2, 4), (ScoreEntry {"Unknown", 999, 9999}));
    EXPECT_EQ(scores.TableStats[2], (TableCounters {1, 0}));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

// Only what a symlink leads to is replaced, and a pipe is neither waited on nor written.
TEST_F(ScoreFileTest, ALinkedFileIsReplacedAndAPipeLeftAlone)
{
    const std::string target = dir.File("kept/Orvane.cfg");
    std::filesystem::create_directory(dir.File("kept"));
    std::filesystem::create_symlink(target, path);
    Load().CountClassicWin(0);
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(Load(target).TableStats[0], (TableCounters {1, 0}));

    std::filesystem::remove(target);
    ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0);
    ::alarm(30); // a guard against a hang, not a measure
    Load().CountClassicWin(0);
    ::alarm(0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("not a regular file"), std::string::npos) << reports[0];
    EXPECT_FALSE(std::filesystem::is_regular_file(target));
}

TEST_F(ScoreFileTest, ReadOnlyFileIsReadAndItsFirstFailedWriteReportedOnce)
{
    Bytes file = NewFileBytes();
    PutRow(file, 12, 3, 'R', 33, 44);
    WriteFileBytes(path, file);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (!PermissionsBite(path))
        GTEST_SKIP() << "running with rights that ignore file permissions";

    ScoreFile scores = Load();
    EXPECT_EQ(scores.Row(1, 3), (ScoreEntry {"RRR", 33, 44}));
    EXPECT_TRUE(reports.empty());

    scores.CountClassicWin(1);
    scores.ResetTable(1);
    scores.CountClassicWin(1);

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(std::strerror(EACCES)), std::string::npos) << reports[0];
    EXPECT_EQ(scores.TableStats[1], (TableCounters {1, 0}));
    EXPECT_EQ(scores.Row(1, 3), (ScoreEntry {"Unknown", 999, 9999}));
    EXPECT_EQ(ReadFileBytes(path), file);
}

TEST_F(ScoreFileTest, ReadOnlyDirectoryIsReportedOnceAtCreation)
{
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (!PermissionsBite(dir.Path().string()))
        GTEST_SKIP() << "running with rights that ignore file permissions";

    ScoreFile scores = Load();
    scores.CountClassicLoss(0);

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(std::strerror(EACCES)), std::string::npos) << reports[0];
    EXPECT_EQ(scores.TableStats[0], (TableCounters {0, 1}));
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
