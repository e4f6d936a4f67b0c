// The request rules of the three drawing-object holders. Each test uses its
// own holder objects, so the globals the other tests paint with stay apart.

#include "chart/ChartResources.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

QColor Rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

TEST(ChartBrush, StartsSolidBlackAndTakesOnlyPlainColours)
{
    CChartBrush holder;
    QBrush* brush = holder.GetBrush(0x01000000);
    EXPECT_EQ(brush->style(), Qt::SolidPattern);
    EXPECT_EQ(brush->color(), Rgb(0, 0, 0));
    EXPECT_EQ(holder.CreationCount(), 1);

    EXPECT_EQ(holder.GetBrush(0x00FFFFFF), brush);  // always the holder's own member
    EXPECT_EQ(brush->color(), Rgb(255, 255, 255));
    EXPECT_EQ(holder.GetBrush(0x00456789)->color(), Rgb(0x89, 0x67, 0x45));  // 0x00BBGGRR

    holder.GetBrush(0xFFFFFFFF);
    holder.GetBrush(0x01000000);
    EXPECT_EQ(brush->color(), Rgb(0x89, 0x67, 0x45));
    EXPECT_EQ(holder.CreationCount(), 3);
}

TEST(ChartPen, StartsFourPixelsBlackAndIgnoresWidthZero)
{
    CChartPen holder;
    QPen* pen = holder.GetPen(PS_DASH, 0, 0x0000FF);
    EXPECT_EQ(pen->style(), Qt::SolidLine);
    EXPECT_EQ(pen->width(), 4);
    EXPECT_EQ(pen->color(), Rgb(0, 0, 0));

    EXPECT_EQ(holder.GetPen(PS_SOLID, 2, 0x0000FF), pen);
    EXPECT_EQ(pen->width(), 2);
    EXPECT_EQ(pen->color(), Rgb(255, 0, 0));
    EXPECT_EQ(pen->capStyle(), Qt::SquareCap);  // reaches past the ends like the platform's wide pens

    holder.GetPen(PS_DOT, 0, 0x00FF00);
    EXPECT_EQ(pen->style(), Qt::SolidLine);
    EXPECT_EQ(pen->color(), Rgb(255, 0, 0));
    EXPECT_EQ(holder.CreationCount(), 2);
}

TEST(ChartPen, BlackBecomesRedOne)
{
    CChartPen holder;
    EXPECT_EQ(holder.GetPen(PS_SOLID, 2, 0)->color(), Rgb(1, 0, 0));
    EXPECT_EQ(holder.GetPen(PS_DASH, 1, 0)->style(), Qt::DashLine);
    EXPECT_EQ(holder.GetPen(PS_NULL, 1, 0)->style(), Qt::NoPen);
}

struct FontExpectation
{
    const char* name;
    int kind;
    int pixelSize;
    int weight;
};

void PrintTo(const FontExpectation& e, std::ostream* os)
{
    *os << e.name;
}

class ChartFontsAtStart : public ::testing::TestWithParam<FontExpectation>
{
};

TEST_P(ChartFontsAtStart, KindGivesItsArialFont)
{
    const FontExpectation& e = GetParam();
    CChartFonts holder;
    const QFont* font = holder.GetFont(e.kind, 0, 0, QString());
    EXPECT_EQ(font->family(), "Arial");
    EXPECT_EQ(font->pixelSize(), e.pixelSize);
    EXPECT_EQ(font->weight(), e.weight);
}

const FontExpectation kStartFonts[] = {
    {"Kind1", 1, 12, 400}, {"Kind2", 2, 13, 700}, {"Kind3", 3, 9, 400},  {"Kind4", 4, 17, 700},
    {"Kind5", 5, 27, 700}, {"Kind6", 6, 1, 400},  {"Kind7", 7, 60, 700}, {"Kind8", 8, 1, 400},
    {"Kind0", 0, 1, 400},  {"Kind9", 9, 1, 400},  {"KindMinus1", -1, 1, 400},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartFontsAtStart, ::testing::ValuesIn(kStartFonts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFonts, KindsAreNotSlotsPlusOne)
{
    CChartFonts holder;
    EXPECT_EQ(holder.GetFont(7, 0, 0, QString()), holder.GetFont(7, 0, 0, QString()));
    EXPECT_NE(holder.GetFont(7, 0, 0, QString()), holder.GetFont(6, 0, 0, QString()));
    EXPECT_EQ(holder.GetFont(6, 0, 0, QString()), holder.GetFont(0, 0, 0, QString()));
    EXPECT_EQ(holder.GetFont(6, 0, 0, QString()), holder.GetFont(42, 0, 0, QString()));
    EXPECT_NE(holder.GetFont(8, 0, 0, QString()), holder.GetFont(6, 0, 0, QString()));
}

TEST(ChartFonts, CustomFontIsRecreatedOnlyFromCompleteRequests)
{
    CChartFonts holder;
    QFont* custom = holder.GetFont(6, 0, 0, QString());
    holder.GetFont(6, 0, 400, "Helvetica");
    holder.GetFont(6, -10, 0, "Helvetica");
    holder.GetFont(6, -10, 400, QString());
    holder.GetFont(5, -10, 400, "Helvetica");  // only kind 6 re-creates
    holder.GetFont(9, -10, 400, "Helvetica");
    EXPECT_EQ(custom->family(), "Arial");
    EXPECT_EQ(custom->pixelSize(), 1);
    EXPECT_EQ(holder.CustomCreationCount(), 1);
    EXPECT_EQ(holder.GetFont(5, 0, 0, QString())->pixelSize(), 27);

    EXPECT_EQ(holder.GetFont(6, -10, 400, "Helvetica"), custom);
    EXPECT_EQ(custom->family(), "Helvetica");
    EXPECT_EQ(custom->pixelSize(), 10);
    EXPECT_EQ(custom->weight(), 400);
    EXPECT_EQ(holder.CustomCreationCount(), 2);
    // Kinds 0 and 9 return that same font, unchanged.
    EXPECT_EQ(holder.GetFont(0, -20, 700, "Arial"), custom);
    EXPECT_EQ(holder.GetFont(9, -20, 700, "Arial"), custom);
    EXPECT_EQ(custom->pixelSize(), 10);

    holder.GetFont(6, -14, 700, "Arial");
    EXPECT_EQ(custom->pixelSize(), 14);
    EXPECT_EQ(custom->weight(), 700);
    EXPECT_EQ(holder.CustomCreationCount(), 3);
}

TEST(ChartFonts, HeldFontsTakeNothingFromThePaintersFont)
{
    // A painter fills a font's unset attributes from the font of the widget it
    // paints on; a dialog font's style hint would turn "Helvetica" into
    // another face there than in an image.
    QFont widgetFont;
    widgetFont.setFamilies(QStringList{"Tahoma", "Liberation Serif"});
    widgetFont.setStyleHint(QFont::Serif, QFont::NoAntialias);
    widgetFont.setPixelSize(11);
    widgetFont.setItalic(true);
    widgetFont.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    CChartFonts holder;
    const QFont custom = *holder.GetFont(6, -10, 400, "Helvetica");
    EXPECT_EQ(custom.resolve(widgetFont), custom);
    EXPECT_EQ(QFontInfo(custom.resolve(widgetFont)).family(), QFontInfo(custom).family());
    const QFont large = *holder.GetFont(7, 0, 0, QString());
    EXPECT_EQ(large.resolve(widgetFont), large);
}

TEST(ChartFonts, FaceNamesResolveToInstalledFonts)
{
    // Arial and Helvetica need metric-compatible faces (fonts-liberation2) for
    // the labels to have the widths they were laid out for.
    CChartFonts holder;
    const QFontInfo helvetica(*holder.GetFont(6, -10, 400, "Helvetica"));
    EXPECT_TRUE(helvetica.family().contains("Liberation Sans") || helvetica.family() == "Helvetica"
                || helvetica.family() == "Arial")
        << helvetica.family().toStdString();
    EXPECT_EQ(helvetica.pixelSize(), 10);
}

} // namespace
