#include "tests/cli/CliProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;

const std::string kHeading = "Datum (Jahr-Monat-Tag)\tMorgend\xE4mmerung\tAbendd\xE4mmerung\r\n";

struct DayCase
{
    const char* name;
    std::vector<std::string> args;
    const char* line;  // the data line without its CR LF
};
void PrintTo(const DayCase& c, std::ostream* os) { *os << c.name; }

const DayCase kDayCases[] = {
    {"StartUpPlaceMidsummer", {"--year", "2009", "--month", "6", "--day", "21"}, "2009-06-21\t\t04:34\t\t22:40"},
    {"WithoutSummerTime", {"--year=2009", "--month=6", "--day=21", "--no-summer-time"}, "2009-06-21\t\t03:34\t\t21:40"},
    {"NamedStartUpPlace", {"--country", "Deutschland", "--place", "PLZ=46", "--year", "2009", "--month", "12",
                           "--day", "21"}, "2009-12-21\t\t07:56\t\t17:10"},
    {"TypedPlaceOnChangeoverSunday", {"--longitude", "10", "--latitude", "52", "--year", "2011", "--month", "3",
                                      "--day", "27"}, "2011-03-27\t\t05:32\t\t19:17"},
    {"OnlyWholeDegreesCount", {"--longitude", "13.750", "--latitude", "52.9", "--no-summer-time", "--year", "2012",
                               "--month", "2", "--day", "29"}, "2012-02-29\t\t06:20\t\t18:19"},
    {"LondonByName", {"--country", "England", "--place", "London", "--no-summer-time", "--year", "2000", "--month",
                      "1", "--day", "1"}, "2000-01-01\t\t07:23\t\t16:42"},
    {"EquatorTypedOverAPlace", {"--country", "Finnland", "--longitude", "0", "--latitude", "-0.750", "--timezone",
                                "0", "--no-summer-time", "--year", "2009", "--month", "6", "--day", "21"},
     "2009-06-21\t\t05:35\t\t18:27"},
    {"PolarDayInOulu", {"--country", "Finnland", "--place", "Oulu", "--year", "2009", "--month", "6", "--day", "21"},
     "2009-06-21\t\t01:00\t\t23:59"},
    {"OffsetsThenLimits", {"--year", "2009", "--month", "6", "--day", "21", "--morning-offset", "-34",
                           "--not-before", "04:30", "--evening-offset", "20", "--not-after", "22:50"},
     "2009-06-21\t\t04:30\t\t22:50"},
    {"CountryAndPlaceByNumber", {"--country", "6", "--place", "3", "--year", "2009", "--month", "6", "--day", "21"},
     nullptr},
};
class CliDayTable : public ::testing::TestWithParam<DayCase> {};

TEST_P(CliDayTable, WritesTheExportBytes)
{
    const DayCase& c = GetParam();
    std::vector<std::string> args{"table"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    if (c.line)
        EXPECT_EQ(run.out, kHeading + c.line + "\r\n");
    else
        EXPECT_EQ(run.out.size(), 81u);
}
INSTANTIATE_TEST_SUITE_P(Cli, CliDayTable, ::testing::ValuesIn(kDayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Le Havre (position 3 in Frankreich) is 0 E, 49 N, zone 1, the same as typing them.
TEST(Cli, PlaceByPositionEqualsItsTypedCoordinates)
{
    const CliRun byPlace = RunCli({"table", "--country", "Frankreich", "--place", "3", "--year", "2009"});
    const CliRun typed = RunCli({"table", "--longitude", "0.000", "--latitude", "49.000", "--timezone", "1",
                                 "--year", "2009"});
    ASSERT_EQ(byPlace.exitCode, 0) << byPlace.err;
    EXPECT_EQ(byPlace.out, typed.out);
    EXPECT_NE(byPlace.out, RunCli({"table", "--year", "2009"}).out);
}

TEST(Cli, PeriodsGiveTheExpectedSizes)
{
    const CliRun year2009 = RunCli({"table", "--year", "2009"});
    const CliRun year2012 = RunCli({"table", "--year", "2012"});
    const CliRun february1900 = RunCli({"table", "--year", "1900", "--month", "2"});
    EXPECT_EQ(year2009.out.size(), 9545u);
    EXPECT_EQ(year2012.out.size(), 9571u);
    EXPECT_EQ(february1900.out.size(), 55u + 28u * 26u);
    EXPECT_EQ(year2009.out.substr(0, kHeading.size()), kHeading);
    EXPECT_NE(year2009.out.find("2009-06-21\t\t04:34\t\t22:40\r\n"), std::string::npos);
    EXPECT_NE(year2012.out.find("2012-02-29\t\t"), std::string::npos);
    EXPECT_EQ(year2012.out.substr(year2012.out.size() - 26, 10), "2012-12-31");
}

TEST(Cli, DefaultsAreTheStartUpValuesForTheCurrentYear)
{
    using namespace std::chrono;
    const int year = int(year_month_day{floor<days>(system_clock::now())}.year());
    const CliRun byDefault = RunCli({"table"});
    const CliRun explicitValues = RunCli({"table", "--country", "0", "--place", "46", "--year", std::to_string(year),
                                          "--morning-offset", "0", "--not-before", "00:00", "--evening-offset", "0",
                                          "--not-after", "23:59"});
    ASSERT_EQ(byDefault.exitCode, 0) << byDefault.err;
    EXPECT_EQ(byDefault.out, explicitValues.out);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    EXPECT_EQ(byDefault.out.size(), 55u + (leap ? 366u : 365u) * 26u);
    EXPECT_EQ(byDefault.out.substr(55, 10), std::to_string(year) + "-01-01");
}

class CliFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_dir = fs::temp_directory_path() / ("crepulo-cli-files-" + std::to_string(stamp));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

TEST_F(CliFiles, OutputFileHoldsTheSameBytesAsStandardOutput)
{
    const fs::path path = m_dir / "Crepulo - Land-Österreich - Stadt-Wien.txt";
    const CliRun toFile = RunCli({"table", "--country", "Österreich", "--place", "Wien", "--year", "2009",
                                  "--output", path.string()});
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadWholeFile(path), RunCli({"table", "--country", "15", "--place", "13", "--year", "2009"}).out);
}

TEST_F(CliFiles, UnopenableFileIsReportedWithExitCode1)
{
    const fs::path path = m_dir / "missing" / "table.txt";
    const CliRun run = RunCli({"table", "--output", path.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Konnte \"" + path.string() + "\" nicht zum schreiben öffnen.\n");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(CliFiles, WriteErrorsAreReportedWithExitCode1)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const CliRun toFile = RunCli({"table", "--year", "2009", "--output", "/dev/full"});
    EXPECT_EQ(toFile.exitCode, 1);
    EXPECT_NE(toFile.err.find("/dev/full"), std::string::npos);
    const CliRun toStdout = RunCli({"table", "--year", "2009"}, "/dev/full");
    EXPECT_EQ(toStdout.exitCode, 1);
    EXPECT_NE(toStdout.err, "");
}

struct BadCase
{
    const char* name;
    std::vector<std::string> args;
    const char* message;  // a part of the message on standard error
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

const BadCase kBadCases[] = {
    {"UnknownCountry", {"--country", "Atlantis"}, "Unbekanntes Land \"Atlantis\""},
    {"CountryIndexTooLarge", {"--country", "22"}, "Unbekanntes Land \"22\""},
    {"UnknownPlace", {"--country", "Österreich", "--place", "Berlin"}, "Unbekannter Ort \"Berlin\""},
    {"RowHundredIsNoPlace", {"--place", "PLZ=100"}, "Unbekannter Ort \"PLZ=100\""},
    {"PlacePositionTooLarge", {"--country", "Estland", "--place", "1"}, "Unbekannter Ort \"1\""},
    {"LongitudeTooLarge", {"--longitude", "180.5"},
     "Es dürfen nur Werte zwischen \"-180\" und \"180\" eingegeben werden."},
    {"LatitudeTooSmall", {"--latitude", "-90.01"}, "Es dürfen nur Werte zwischen \"-90\" und \"90\" eingegeben werden."},
    {"TimeZoneTooLarge", {"--timezone", "13"}, "Es dürfen nur Werte zwischen \"-12\" und \"12\" eingegeben werden."},
    {"MorningOffsetTooLarge", {"--morning-offset", "61"},
     "Es dürfen nur Werte zwischen \"-60\" und \"60\" eingegeben werden."},
    {"EveningOffsetTooSmall", {"--evening-offset", "-61"},
     "Es dürfen nur Werte zwischen \"-60\" und \"60\" eingegeben werden."},
    {"HourTooLarge", {"--not-before", "24:00"}, "Es dürfen nur Werte zwischen \"0\" und \"23\" eingegeben werden."},
    {"MinuteTooLarge", {"--not-after", "23:60"}, "Es dürfen nur Werte zwischen \"0\" und \"59\" eingegeben werden."},
    {"ClockTimeWithoutColon", {"--not-after", "2359"}, "Ungültige Uhrzeit für --not-after"},
    {"ClockTimeWithLetters", {"--not-before", "6:3x"}, "Ungültige Uhrzeit für --not-before"},
    {"ClockTimeWithoutHour", {"--not-before", ":30"}, "Ungültige Uhrzeit für --not-before"},
    {"LongitudeBareExponent", {"--longitude", "1e"}, "Ungültige Zahl für --longitude"},
    {"LatitudeLonePoint", {"--latitude", "."}, "Ungültige Zahl für --latitude"},
    {"OffsetTwoSigns", {"--evening-offset", "+-1"}, "Ungültige Zahl für --evening-offset"},
    {"YearTooEarly", {"--year", "1899"}, "\"1900\" und \"2099\""},
    {"YearTooLate", {"--year", "2100"}, "\"1900\" und \"2099\""},
    {"MonthThirteen", {"--year", "2009", "--month", "13"}, "\"1\" und \"12\""},
    {"NoLeapDayIn2009", {"--year", "2009", "--month", "2", "--day", "29"}, "\"1\" und \"28\""},
    {"NoThirtyFirstOfApril", {"--year", "2009", "--month", "4", "--day", "31"}, "\"1\" und \"30\""},
    {"DayWithoutMonth", {"--year", "2009", "--day", "3"}, "--day braucht auch --month"},
    {"YearNotANumber", {"--year", "20O9"}, "Ungültige Zahl für --year: \"20O9\""},
    {"LongitudeNotANumber", {"--longitude", "6,5"}, "Ungültige Zahl für --longitude: \"6,5\""},
    {"TimeZoneNotWhole", {"--timezone", "1.5"}, "Ungültige Zahl für --timezone"},
    {"OffsetEmpty", {"--morning-offset", ""}, "Ungültige Zahl für --morning-offset"},
    {"MissingValue", {"--year"}, "--year fehlt ihr Wert"},
    {"GivenTwice", {"--year", "2009", "--year", "2010"}, "mehrfach"},
    {"UnknownOption", {"--colour", "red"}, "Unbekannte Option --colour"},
};
class CliBadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(CliBadInput, IsRefusedWithNothingWritten)
{
    const BadCase& c = GetParam();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path output = fs::temp_directory_path() / ("crepulo-refused-" + std::to_string(stamp) + ".txt");
    std::vector<std::string> args{"table"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun toStdout = RunCli(args);
    EXPECT_EQ(toStdout.exitCode, 2);
    EXPECT_EQ(toStdout.out, "");
    EXPECT_NE(toStdout.err.find(c.message), std::string::npos) << toStdout.err;

    args.insert(args.begin() + 1, {"--output", output.string()});
    const CliRun toFile = RunCli(args);
    EXPECT_EQ(toFile.exitCode, 2);
    EXPECT_FALSE(fs::exists(output));
}
INSTANTIATE_TEST_SUITE_P(Cli, CliBadInput, ::testing::ValuesIn(kBadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, PlacesListsCountriesAndTheirPlaces)
{
    const CliRun countries = RunCli({"places"});
    ASSERT_EQ(countries.exitCode, 0);
    EXPECT_EQ(std::count(countries.out.begin(), countries.out.end(), '\n'), 22);
    EXPECT_EQ(countries.out.substr(0, 14), "0\tDeutschland\n");
    EXPECT_NE(countries.out.find("\n15\tÖsterreich\n"), std::string::npos);

    const CliRun austria = RunCli({"places", "--country", "Österreich"});
    ASSERT_EQ(austria.exitCode, 0);
    EXPECT_EQ(std::count(austria.out.begin(), austria.out.end(), '\n'), 14);
    EXPECT_EQ(austria.out.substr(0, 20), "0\tAmstetten\t48\t14\t1\n");
    EXPECT_NE(austria.out.find("\n13\tWien\t48\t16\t1\n"), std::string::npos);

    const CliRun germany = RunCli({"places", "--country=0"});
    EXPECT_EQ(std::count(germany.out.begin(), germany.out.end(), '\n'), 100);
    EXPECT_EQ(germany.out.find("PLZ=100"), std::string::npos);

    const CliRun unknown = RunCli({"places", "--country", "Atlantis"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
}

TEST(Cli, HelpVersionAndUnknownCommands)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"}, {"table", "--help"},
                                                 {"places", "--help"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.front();
        EXPECT_NE(run.out.find("Aufruf: crepulo-cli"), std::string::npos) << args.front();
    }
    EXPECT_EQ(RunCli({"--version"}).out, "crepulo-cli 1.0\n");
    const CliRun nothing = RunCli({});
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_NE(nothing.err.find("Aufruf"), std::string::npos);
    EXPECT_EQ(RunCli({"tabel"}).exitCode, 2);
}

} // namespace
