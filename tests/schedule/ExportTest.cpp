#include "schedule/Export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <chrono>

namespace {

namespace fs = std::filesystem;

// WriteTableFile takes UTF-8; path::string() is the ANSI code page with some
// Windows compilers.
std::string Utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

const char kHeading1252[] = "Datum (Jahr-Monat-Tag)\tMorgend\xE4mmerung\tAbendd\xE4mmerung\r\n";

std::vector<ScheduleRow> Rows(Period period, int year, int month = 1, int day = 1)
{
    ScheduleInput input;
    input.period = period;
    input.year = year;
    input.month = month;
    input.day = day;
    CTwilightCalc calc;
    return BuildRows(input, calc);
}

TEST(Export, DayTableIsHeadingPlusOneRowInWindows1252)
{
    const std::string bytes = ExportTableBytes({{"2009-06-21", "04:34", "22:40"}});
    EXPECT_EQ(bytes, std::string(kHeading1252) + "2009-06-21\t\t04:34\t\t22:40\r\n");
}

TEST(Export, FileSizesOfThePeriods)
{
    EXPECT_EQ(ExportTableBytes({}).size(), 55u);
    EXPECT_EQ(ExportTableBytes({}), kHeading1252);
    EXPECT_EQ(ExportTableBytes(Rows(Period::Day, 2009, 6, 21)).size(), 81u);
    EXPECT_EQ(ExportTableBytes(Rows(Period::Year, 2009)).size(), 9545u);
    EXPECT_EQ(ExportTableBytes(Rows(Period::Year, 2012)).size(), 9571u);
}

TEST(Export, Windows1252Conversion)
{
    EXPECT_EQ(ToWindows1252("Österreich"), "\xD6sterreich");
    EXPECT_EQ(ToWindows1252("Süd-Osteuropa"), "S\xFC" "d-Osteuropa");
    EXPECT_EQ(ToWindows1252("La Coruña"), "La Coru\xF1" "a");
    EXPECT_EQ(ToWindows1252("5 €"), "5 \x80");
    EXPECT_EQ(ToWindows1252("Ω"), "?");          // not in the code page
    EXPECT_EQ(ToWindows1252("a\xC3"), "a?");      // cut-off sequence
    EXPECT_EQ(ToWindows1252("\xFF" "b"), "?b");   // not UTF-8 at all
}

TEST(Export, SuggestedNameDependsOnlyOnTheFirstPlace)
{
    EXPECT_EQ(SuggestedFileName("Deutschland", "PLZ=46", 46), "Crepulo - Land-Deutschland - Stadt-PLZ=46.txt");
    EXPECT_EQ(SuggestedFileName("Deutschland", "PLZ=00", 0), "Crepulo - Land-Deutschland - PLZ-PLZ=00.txt");
    EXPECT_EQ(SuggestedFileName("Belgien", "Antwerpen", 0), "Crepulo - Land-Belgien - PLZ-Antwerpen.txt");
    EXPECT_EQ(SuggestedFileName("Österreich", "Wien", 13), "Crepulo - Land-Österreich - Stadt-Wien.txt");
}

class WriteFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_dir = fs::temp_directory_path() / ("crepulo-export-" + std::to_string(stamp));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::size_t EntriesInDir() const
    {
        return std::size_t(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};

TEST_F(WriteFile, CreatesAndReplacesTheWholeFile)
{
    const fs::path path = m_dir / "Crepulo - Land-Österreich - Stadt-Wien.txt";
    ASSERT_EQ(WriteTableFile(Utf8(path), std::string(1000, 'x')), WriteStatus::Written);
    ASSERT_EQ(WriteTableFile(Utf8(path), "short"), WriteStatus::Written);
    EXPECT_EQ(Read(path), "short");
    EXPECT_EQ(EntriesInDir(), 1u);  // no temporary file left behind
}

TEST_F(WriteFile, MissingFolderCannotBeOpened)
{
    const fs::path path = m_dir / "no-such-folder" / "table.txt";
    EXPECT_EQ(WriteTableFile(Utf8(path), "data"), WriteStatus::OpenFailed);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(WriteTableFile(Utf8(m_dir), "data"), WriteStatus::OpenFailed);  // a folder
}

// On Windows a name that is not UTF-8 threw out of the path conversion and
// ended the program.
TEST_F(WriteFile, PathThatIsNotUtf8IsNoCrash)
{
    const std::string path = Utf8(m_dir / "Tabelle-") + "\xD6sterreich.txt";
    WriteStatus status = WriteStatus::WriteFailed;
    ASSERT_NO_THROW(status = WriteTableFile(path, "data"));
#ifdef _WIN32
    EXPECT_EQ(status, WriteStatus::OpenFailed);
    EXPECT_EQ(EntriesInDir(), 0u);
#else
    // Linux names are bytes: any byte but '/' and NUL is a name.
    EXPECT_EQ(status, WriteStatus::Written);
    EXPECT_EQ(Read(path), "data");
#endif
}

TEST_F(WriteFile, FullDeviceIsReportedNotIgnored)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(WriteTableFile("/dev/full", ExportTableBytes(Rows(Period::Year, 2009))), WriteStatus::WriteFailed);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));  // written in place, never replaced
}

TEST_F(WriteFile, LinkKeepsPointingAtTheReplacedFile)
{
    const fs::path target = m_dir / "target.txt";
    const fs::path link = m_dir / "link.txt";
    ASSERT_EQ(WriteTableFile(Utf8(target), "old"), WriteStatus::Written);
    std::error_code ec;
    fs::create_symlink(target, link, ec);
    if (ec)
        GTEST_SKIP() << "links cannot be made here: " << ec.message();
    ASSERT_EQ(WriteTableFile(Utf8(link), "new"), WriteStatus::Written);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), "new");
}

TEST(Export, MessagesNameThePath)
{
    EXPECT_EQ(OpenFailedMessage("/x/y.txt"), "Konnte \"/x/y.txt\" nicht zum schreiben öffnen.");
    EXPECT_NE(WriteFailedMessage("/x/y.txt").find("\"/x/y.txt\""), std::string::npos);
}

} // namespace
