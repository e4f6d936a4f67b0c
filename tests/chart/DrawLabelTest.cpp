// DrawLabel: measuring with DT_CALCRECT, drawing, the opaque fill, the frame
// and the shadow options, and what it leaves on the painter.

#include "chart/ChartResources.h"
#include "chart/DrawLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

QFont LabelFont()
{
    QFont font("Helvetica");
    font.setPixelSize(10);
    return font;
}

class DrawLabelTest : public ::testing::Test
{
protected:
    DrawLabelTest() : image(200, 60, QImage::Format_RGB32), painter(&image) { image.fill(Qt::white); }

    int CountPixels(QRgb colour)
    {
        if (painter.isActive())
            painter.end();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == colour ? 1 : 0;
        }
        return count;
    }

    int CountNotWhite() { return image.width() * image.height() - CountPixels(kWhite); }

    QImage image;
    QPainter painter;
    QFont font = LabelFont();
    QBrush brush{QColor(0, 0, 200)};
};

TEST_F(DrawLabelTest, CalcRectFitsTheTextAndDrawsNothing)
{
    PixelRect rect{20, 10, 0, 0};
    DrawLabel(&painter, "Datum", &rect, &font, 0, &brush, OPAQUE, DT_CALCRECT, kLabelFrame | kLabelShadow);
    const QFontMetrics metrics(font);
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.right, 20 + metrics.horizontalAdvance("Datum"));
    EXPECT_EQ(rect.bottom, 10 + metrics.height());
    // The frame is drawn before measuring: the caller's rectangle was empty.
    EXPECT_EQ(CountPixels(qRgb(192, 192, 192)), 0);
}

TEST_F(DrawLabelTest, TwoLinesAreTwoFontHeights)
{
    PixelRect rect{0, 0, 0, 0};
    DrawLabel(&painter, "Uhr\r\nDatum", &rect, &font, 0, nullptr, TRANSPARENT, DT_CALCRECT, 0);
    const QFontMetrics metrics(font);
    EXPECT_EQ(rect.right, metrics.horizontalAdvance("Datum"));
    EXPECT_EQ(rect.bottom, 2 * metrics.height());
}

TEST_F(DrawLabelTest, MissingPainterOrRectangleDoesNothing)
{
    PixelRect rect{1, 2, 0, 0};
    DrawLabel(nullptr, "Uhr", &rect, &font, 0, &brush, OPAQUE, DT_CALCRECT, 0);
    EXPECT_EQ(rect.right, 0);
    DrawLabel(&painter, "Uhr", nullptr, &font, 0, &brush, OPAQUE, DT_CENTER, kLabelFrame);
    EXPECT_EQ(CountNotWhite(), 0);
}

TEST_F(DrawLabelTest, TransparentTextKeepsTheBackground)
{
    PixelRect rect{10, 10, 60, 30};
    DrawLabel(&painter, "Uhr", &rect, &font, 0, &brush, TRANSPARENT, DT_CENTER | DT_VCENTER, 0);
    EXPECT_EQ(CountPixels(qRgb(0, 0, 200)), 0);
    EXPECT_GT(CountNotWhite(), 10);  // the text itself
    EXPECT_EQ(image.pixel(10, 10), kWhite);
    EXPECT_EQ(rect.right, 60);  // drawing leaves the rectangle as it was
}

TEST_F(DrawLabelTest, OpaqueFillsTheRectangleAndFrameOutlinesIt)
{
    PixelRect rect{10, 10, 60, 30};
    DrawLabel(&painter, "", &rect, &font, 0, &brush, OPAQUE, DT_CENTER, kLabelFrame);
    painter.end();
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(59, 29), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(60, 29), kWhite);
    EXPECT_EQ(image.pixel(59, 30), kWhite);
}

TEST_F(DrawLabelTest, WithoutABrushTheFillIsAlmostBlack)
{
    PixelRect rect{10, 10, 60, 30};
    DrawLabel(&painter, "", &rect, &font, 0, nullptr, OPAQUE, DT_CENTER, 0);
    EXPECT_EQ(CountPixels(qRgb(1, 0, 0)), 50 * 20);
}

TEST_F(DrawLabelTest, FrameAloneIsOnePixelInside)
{
    PixelRect rect{10, 10, 60, 30};
    DrawLabel(&painter, "", &rect, &font, 0, &brush, TRANSPARENT, DT_CENTER, kLabelFrame);
    painter.end();
    EXPECT_EQ(image.pixel(10, 20), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(59, 20), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(30, 29), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(11, 11), kWhite);
    EXPECT_EQ(CountPixels(qRgb(0, 0, 200)), 2 * 50 + 2 * 18);
}

TEST_F(DrawLabelTest, ShadowIsLightGreyTwoPixelsDownRight)
{
    PixelRect rect{10, 10, 60, 30};
    DrawLabel(&painter, "Uhr", &rect, &font, 0x0000FF, nullptr, TRANSPARENT, DT_LEFT, kLabelShadow);
    painter.end();
    QImage plain(200, 60, QImage::Format_RGB32);
    plain.fill(Qt::white);
    QPainter other(&plain);
    PixelRect same{10, 10, 60, 30};
    DrawLabel(&other, "Uhr", &same, &font, 0x0000FF, nullptr, TRANSPARENT, DT_LEFT, 0);
    other.end();
    // Where the plain text has its darkest red pixel, the shadowed one has it
    // too; two pixels right and down of the text the shadow shows grey.
    int shadowOnly = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (image.pixel(x, y) == qRgb(255, 0, 0)) {
                EXPECT_EQ(plain.pixel(x, y), qRgb(255, 0, 0));
            }
            if (plain.pixel(x, y) == kWhite && image.pixel(x, y) != kWhite) {
                ++shadowOnly;
                EXPECT_EQ(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)));  // grey
            }
        }
    }
    EXPECT_GT(shadowOnly, 5);
}

TEST_F(DrawLabelTest, FontAndTextColourAreRestoredBackgroundModeStays)
{
    const QPen pen(QColor(9, 8, 7), 3);
    painter.setPen(pen);
    painter.setFont(QFont("Arial", 31));
    PixelRect rect{10, 10, 60, 30};
    DrawLabel(&painter, "Uhr", &rect, &font, 0x0000FF, &brush, OPAQUE, DT_CENTER, kLabelShadow);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.font().pointSize(), 31);
    EXPECT_EQ(painter.backgroundMode(), Qt::OpaqueMode);
    DrawLabel(&painter, "Uhr", &rect, &font, 0x0000FF, &brush, TRANSPARENT, DT_CENTER, 0);
    EXPECT_EQ(painter.backgroundMode(), Qt::TransparentMode);
}

TEST_F(DrawLabelTest, WithoutAFontTheCustomFontIsUsedUnchanged)
{
    const long before = g_chartFonts.CustomCreationCount();
    g_chartFonts.GetFont(6, -20, FW_BOLD, "Arial");
    PixelRect rect{0, 0, 0, 0};
    DrawLabel(&painter, "Datum", &rect, nullptr, 0, &brush, TRANSPARENT, DT_CALCRECT, 0);
    QFont big("Arial");
    big.setPixelSize(20);
    big.setWeight(QFont::Bold);
    EXPECT_EQ(rect.right, QFontMetrics(big).horizontalAdvance("Datum"));
    EXPECT_EQ(g_chartFonts.CustomCreationCount(), before + 1);
}

} // namespace
