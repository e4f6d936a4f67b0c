// "Tabelle speichern": the file's bytes, the suggested name, cancelling and
// the error boxes. The save dialog is answered through the fake prompts.

#include "AppTestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kHeading = "Datum (Jahr-Monat-Tag)\tMorgend\xE4mmerung\tAbendd\xE4mmerung\r\n";

class SaveTable : public DialogFixture
{
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        ShowActive();
    }
    void Save() { QTest::mouseClick(dlg->m_buttonSave, Qt::LeftButton); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SaveTable, DayTableIsHeadingAndOneRowInWindows1252)
{
    ClickButton(dlg->m_radioDay);
    const QString path = folder.filePath("tag.txt");
    prompts.saveAnswer = path;
    Save();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ReadAll(path), kHeading + "2009-06-21\t\t04:34\t\t22:40\r\n");
}

TEST_F(SaveTable, YearTablesHaveOneLinePerDay)
{
    const QString path = folder.filePath("jahr.txt");
    prompts.saveAnswer = path;
    Save();
    const QByteArray year2009 = ReadAll(path);
    EXPECT_EQ(year2009.size(), 55 + 365 * 26);
    EXPECT_TRUE(year2009.startsWith(kHeading + "2009-01-01\t\t"));
    EXPECT_TRUE(year2009.contains("\r\n2009-06-21\t\t04:34\t\t22:40\r\n"));
    EXPECT_TRUE(year2009.endsWith("\r\n"));

    Start(FixedDate(2012, 3, 1));
    ShowActive();
    prompts.saveAnswer = path;
    Save();
    const QByteArray year2012 = ReadAll(path);
    EXPECT_EQ(year2012.size(), 9571);
    EXPECT_TRUE(year2012.contains("\r\n2012-02-29\t\t"));
}

TEST_F(SaveTable, TheFileHoldsTheRowsAsShown)
{
    // Rows are written as the table shows them, whatever happened since.
    dlg->m_listTable->topLevelItem(0)->setText(1, QStringLiteral("05:55"));
    const QString path = folder.filePath("gezeigt.txt");
    prompts.saveAnswer = path;
    Save();
    EXPECT_TRUE(ReadAll(path).startsWith(kHeading + "2009-01-01\t\t05:55\t\t"));
}

TEST_F(SaveTable, CancelWritesNothing)
{
    const QString path = folder.filePath("alt.txt");
    ASSERT_TRUE(WriteAll(path, "alter Inhalt"));
    prompts.saveAnswer = std::nullopt;
    Save();
    EXPECT_EQ(prompts.suggestedNames.size(), 1u);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ReadAll(path), "alter Inhalt");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.txt"});
}

TEST_F(SaveTable, ConfirmedOverwriteReplacesTheWholeFile)
{
    const QString path = folder.filePath("alt.txt");
    ASSERT_TRUE(WriteAll(path, QByteArray(20000, 'x')));
    ClickButton(dlg->m_radioDay);
    prompts.saveAnswer = path;
    Save();
    EXPECT_EQ(ReadAll(path).size(), 81);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.txt"});
}

TEST_F(SaveTable, NameWithUmlautsAndWithoutExtension)
{
    const QString path = folder.filePath("Dämmerung");
    prompts.saveAnswer = path;
    Save();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ReadAll(path).size(), 55 + 365 * 26);
}

TEST_F(SaveTable, AFolderThatDoesNotExistShowsTheOpenError)
{
    const QString path = folder.filePath("fehlt/tabelle.txt");
    prompts.saveAnswer = path;
    Save();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Konnte \"" + path + "\" nicht zum schreiben öffnen.");
    EXPECT_EQ(prompts.messages[0].caption, "Fehler...");
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(SaveTable, AFullDeviceShowsTheWriteError)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    prompts.saveAnswer = QStringLiteral("/dev/full");
    Save();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("Konnte \"/dev/full\" nicht"));
    EXPECT_NE(prompts.messages[0].text, "Konnte \"/dev/full\" nicht zum schreiben öffnen.");
    EXPECT_EQ(prompts.messages[0].caption, "Fehler...");
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
}

// ---------------------------------------------------------------------------
// The suggested file name

struct NameCase
{
    const char* name;
    int country;  // position in the country list
    int place;    // position in the place list
    const char* suggested;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.name;
}

class SuggestedName : public DialogFixture, public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(SuggestedName, NamesCountryAndPlace)
{
    const NameCase& c = GetParam();
    ShowActive();
    if (c.country != 0)
        ChooseWithKeys(dlg->m_comboCountry, c.country);
    if (c.place >= 0)
        ChooseWithKeys(dlg->m_comboCity, c.place);
    prompts.saveAnswer = std::nullopt;
    QTest::mouseClick(dlg->m_buttonSave, Qt::LeftButton);
    ASSERT_EQ(prompts.suggestedNames.size(), 1u);
    EXPECT_EQ(prompts.suggestedNames[0], QString::fromUtf8(c.suggested));
}

const NameCase kNameCases[] = {
    {"StartUp", 0, -1, "Crepulo - Land-Deutschland - Stadt-PLZ=46.txt"},
    {"FirstRegion", 0, 0, "Crepulo - Land-Deutschland - PLZ-PLZ=00.txt"},
    {"FirstCityOfBelgium", 1, 0, "Crepulo - Land-Belgien - PLZ-Antwerpen.txt"},
    {"LaterCityOfSpain", 20, 10, "Crepulo - Land-Spanien - Stadt-La Coruña.txt"},
    // A slash would make the suggestion a folder and a file.
    {"SlashInTheName", 15, 4, "Crepulo - Land-Österreich - Stadt-Bruck-mur.txt"},
};

INSTANTIATE_TEST_SUITE_P(App, SuggestedName, ::testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });
