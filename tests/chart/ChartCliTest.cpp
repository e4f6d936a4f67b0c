// crepulo-cli chart run as a process: the image it writes against the chart
// painted here for the same inputs, and refused input and unwritable files
// leaving nothing behind.

#include "chart/ChartPainter.h"
#include "schedule/Schedule.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult RunCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(CREPULO_CLI_PATH), QStringList{"chart"} + args);
    CliResult result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The chart of a 479 x 328 frame, as the dialog would paint it for `input`
// (Deutschland, PLZ=46 unless changed: 6 E, 51 N, zone 1, summer time).
QImage ExpectedChart(const ScheduleInput& input, ChartData data)
{
    CTwilightCalc calc;
    data.frame = PixelRect{0, 0, 479, 328};
    data.faceColour = ButtonFaceColour();
    data.period = ChartPeriodOf(input.period);
    data.rows = ChartRowsOf(BuildRows(input, calc));
    QImage image(479, 328, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintChart(painter, data);
    painter.end();
    return image;
}

class ChartCli : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return dir.filePath(name); }
    QStringList Entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
};

TEST_F(ChartCli, PngOfAMonthWithGridAndColours)
{
    const CliResult result = RunCli({"--year", "2009", "--month", "6", "--grid", "--morning-colour", "FF0000",
                                     "--evening-colour=#0000ff", "--output", PathOf("juni.png")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, QString());
    EXPECT_EQ(result.out, QString());

    ScheduleInput input;
    input.year = 2009;
    input.period = Period::Month;
    input.month = 6;
    ChartData data;
    data.grid = true;
    data.morningColour = MakeColour(255, 0, 0);
    data.eveningColour = MakeColour(0, 0, 255);
    const QImage image(PathOf("juni.png"));
    ASSERT_EQ(image.size(), QSize(479, 328));
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), ExpectedChart(input, data));
    EXPECT_EQ(Entries(), QStringList{"juni.png"});
}

TEST_F(ChartCli, PngOfALeapYearWithoutTheEveningCurve)
{
    const CliResult result = RunCli({"--year=2008", "--no-evening", "--output", PathOf("jahr.PNG")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    ScheduleInput input;
    input.year = 2008;
    ChartData data;
    data.showEvening = false;
    const QImage image(PathOf("jahr.PNG"), "PNG");
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), ExpectedChart(input, data));
}

TEST_F(ChartCli, SvgDrawsTheSameChart)
{
    const CliResult result = RunCli({"--year", "2009", "--no-morning", "--output", PathOf("jahr.svg")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QSvgRenderer renderer(PathOf("jahr.svg"));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 479, 328));
    QImage drawn(479, 328, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    // Filled shapes land on the same pixels: the frame, the axes, the dots.
    ScheduleInput input;
    input.year = 2009;
    ChartData data;
    data.showMorning = false;
    const QImage expected = ExpectedChart(input, data);
    for (auto [x, y] : {std::pair{0, 0}, {478, 327}, {30, 100}, {100, 292}, {470, 300}})
        EXPECT_EQ(drawn.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(drawn.pixel(100, 292), qRgb(0, 0, 0));
    QFile file(PathOf("jahr.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains(">Uhr</text>"));
    EXPECT_TRUE(text.contains(">Datum</text>"));
    EXPECT_TRUE(text.contains("#00ff00"));
    EXPECT_FALSE(text.contains("#0000ff"));
}

TEST_F(ChartCli, ExistingFileIsReplacedWhole)
{
    QFile old(PathOf("bild.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    const CliResult result = RunCli({"--year", "2009", "--output", PathOf("bild.png")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QImage(PathOf("bild.png")).size(), QSize(479, 328));
    EXPECT_EQ(Entries(), QStringList{"bild.png"});
}

TEST_F(ChartCli, UnwritableFileIsReportedAndNothingIsLeft)
{
    const QString missing = PathOf("fehlt/bild.png");
    CliResult result = RunCli({"--year", "2009", "--output", missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Konnte \"" + missing + "\" nicht zum schreiben öffnen.\n");

    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.png"));
    result = RunCli({"--year", "2009", "--output", PathOf("ordner.png")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("nicht zum schreiben öffnen")) << result.err.toStdString();
    EXPECT_EQ(Entries(), QStringList{"ordner.png"});
    EXPECT_TRUE(QDir(PathOf("ordner.png")).isEmpty());
}

struct RefusedCase
{
    const char* name;
    QStringList args;
    const char* output;  // appended as --output DIR/output unless empty
    const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartCliRefuses : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(ChartCliRefuses, WithAMessageAndWithoutAFile)
{
    const RefusedCase& c = GetParam();
    QTemporaryDir dir;
    QStringList args = c.args;
    if (*c.output != '\0')
        args << "--output" << dir.filePath(c.output);
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << result.err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

const RefusedCase kRefusedCases[] = {
    {"UnknownOption", {"--colour", "FF0000"}, "b.png", "Unbekannte Option --colour."},
    {"FlagWithValue", {"--grid=1"}, "b.png", "Unbekannte Option --grid=1."},
    {"BadDigit", {"--morning-colour", "12345G"}, "b.png", "Ungültige Farbe für --morning-colour: \"12345G\""},
    {"ShortColour", {"--evening-colour=FFF"}, "b.png", "Ungültige Farbe für --evening-colour: \"FFF\""},
    {"ColourWithoutValue", {"--morning-colour"}, "b.png", "Der Option --morning-colour fehlt ihr Wert."},
    {"ColourTwice", {"--evening-colour", "FF0000", "--evening-colour", "00FF00"}, "b.png",
     "Die Option --evening-colour ist mehrfach angegeben."},
    {"TableOptionChecked", {"--year", "2100"}, "b.png", "Es dürfen nur Jahre zwischen \"1900\" und \"2099\""},
    {"NoOutput", {"--grid"}, "", "Die Option --output fehlt"},
    {"UnknownFormat", {}, "b.jpg", "Unbekanntes Bildformat"},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartCliRefuses, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartCliHelp, ListsTheChartOptions)
{
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option : {"--grid", "--no-morning", "--no-evening", "--morning-colour", "--evening-colour",
                               "--year", "--output"})
        EXPECT_TRUE(result.out.contains(option)) << option;
}

} // namespace
