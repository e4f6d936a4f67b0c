#include "locations/Locations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Gazetteer, CountriesInDisplayOrderWithTheirRanges)
{
    struct Country
    {
        const char* name;
        int first, last;
    };
    const Country expected[] = {
        {"Deutschland", 0, 99},    {"Belgien", 101, 107},       {"Dänemark", 108, 115},   {"England", 116, 122},
        {"Estland", 123, 123},     {"Finnland", 124, 129},      {"Frankreich", 130, 141}, {"Italien", 142, 151},
        {"Irland", 152, 154},      {"Lettland", 155, 155},      {"Liechtenstein", 156, 156},
        {"Litauen", 157, 157},     {"Luxemburg", 158, 158},     {"Niederlande", 159, 165},
        {"Norwegen", 166, 169},    {"Österreich", 170, 183},    {"Polen", 184, 193},      {"Portugal", 194, 196},
        {"Schweiz", 197, 203},     {"Schweden", 204, 213},      {"Spanien", 214, 242},
        {"Süd-Osteuropa", 243, 255},
    };
    ASSERT_EQ(CountryCount(), 22);
    for (int c = 0; c < 22; ++c) {
        EXPECT_STREQ(CountryName(c), expected[c].name);
        EXPECT_EQ(CountryFirstRow(c), expected[c].first) << expected[c].name;
        EXPECT_EQ(CountryLastRow(c), expected[c].last) << expected[c].name;
    }
}

// Every row but 100 belongs to exactly one country; the ranges ascend.
TEST(Gazetteer, RowsBelongToOneCountryExceptRow100)
{
    int owners[kPlaceCount] = {};
    for (int c = 0; c < CountryCount(); ++c) {
        ASSERT_LE(CountryFirstRow(c), CountryLastRow(c));
        if (c > 0) {
            ASSERT_GT(CountryFirstRow(c), CountryLastRow(c - 1));
        }
        for (int row = CountryFirstRow(c); row <= CountryLastRow(c); ++row)
            ++owners[row];
    }
    for (int row = 0; row < kPlaceCount; ++row)
        EXPECT_EQ(owners[row], row == 100 ? 0 : 1) << "row " << row;
    EXPECT_STREQ(PlaceName(100), "PLZ=100");
    EXPECT_EQ(PlaceCoordinatesOf(100).latitude, 51);
    EXPECT_EQ(PlaceCoordinatesOf(100).longitude, 10);
}

TEST(Gazetteer, GermanPostalRegionsAreNamedByNumberInZoneOne)
{
    ASSERT_EQ(CountryPlaceCount(0), 100);
    for (int row = 0; row < 100; ++row) {
        char name[8];
        std::snprintf(name, sizeof name, "PLZ=%02d", row);
        EXPECT_STREQ(PlaceName(row), name);
        EXPECT_EQ(PlaceCoordinatesOf(row).timeZone, 1) << name;
    }
}

TEST(Gazetteer, NamesFitTheirFields)
{
    for (int row = 0; row < kPlaceCount; ++row)
        EXPECT_LT(std::strlen(PlaceName(row)), sizeof(CityEntry::name)) << row;
    for (int c = 0; c < CountryCount(); ++c)
        EXPECT_LT(std::strlen(CountryName(c)), sizeof(CountryEntry::name)) << c;
}

struct PlaceCase
{
    const char* country;
    int position;
    const char* name;
    int latitude, longitude, timeZone;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.country << '/' << c.name; }

// A sample of each country's rows: first, last and a few between.
const PlaceCase kPlaces[] = {
    {"Deutschland", 0, "PLZ=00", 51, 13, 1},     {"Deutschland", 46, "PLZ=46", 51, 6, 1},
    {"Deutschland", 18, "PLZ=18", 54, 12, 1},    {"Deutschland", 79, "PLZ=79", 47, 7, 1},
    {"Deutschland", 99, "PLZ=99", 51, 10, 1},    {"Belgien", 0, "Antwerpen", 51, 4, 1},
    {"Belgien", 1, "Brügge", 51, 3, 1},          {"Belgien", 6, "Oostende", 51, 2, 1},
    {"Dänemark", 5, "Koppenhagen", 55, 12, 1},   {"Dänemark", 7, "Randers", 56, 10, 1},
    {"England", 0, "Aberdeen", 57, -3, 2},       {"England", 4, "London", 51, 0, 0},
    {"England", 6, "Newcastle", 55, -2, 0},      {"Estland", 0, "Tallinn", 59, 24, 1},
    {"Finnland", 1, "Jyyäskylä", 62, 25, 1},     {"Finnland", 5, "Vasa", 63, 21, 1},
    {"Frankreich", 3, "Le Havre", 49, 0, 1},     {"Frankreich", 11, "Toulon", 43, 6, 1},
    {"Italien", 0, "Bologna", 44, 11, 1},        {"Italien", 9, "Venedig", 45, 12, 1},
    {"Irland", 0, "Cork", 52, -9, 0},            {"Irland", 2, "Belfast", 54, -6, 0},
    {"Lettland", 0, "Riga", 57, 24, 2},          {"Liechtenstein", 0, "Vaduz", 47, 9, 1},
    {"Litauen", 0, "Vilnius", 54, 25, 2},        {"Luxemburg", 0, "Luxemburg", 49, 6, 1},
    {"Niederlande", 0, "Amsterdam", 52, 4, 1},   {"Niederlande", 6, "Utrecht", 52, 5, 1},
    {"Norwegen", 3, "Trondheim", 63, 10, 1},     {"Österreich", 4, "Bruck/mur", 47, 15, 1},
    {"Österreich", 13, "Wien", 48, 16, 1},       {"Polen", 0, "Breslau", 51, 17, 1},
    {"Polen", 9, "Warschau", 52, 21, 1},         {"Portugal", 0, "Faro", 37, -8, 0},
    {"Portugal", 1, "Lissabon", 38, -10, 0},     {"Schweiz", 6, "Zürich", 47, 8, 1},
    {"Schweden", 1, "Gävle", 60, 17, 1},         {"Schweden", 5, "Östersund", 63, 14, 1},
    {"Spanien", 0, "Almería", 36, -3, 1},        {"Spanien", 10, "La Coruña", 43, -9, 1},
    {"Spanien", 18, "San Sebastián", 43, -3, 1}, {"Spanien", 25, "La Palma", 28, -18, 0},
    {"Spanien", 28, "Fuerteventura", 28, -14, 0},{"Süd-Osteuropa", 0, "Athen", 38, 23, 2},
    {"Süd-Osteuropa", 5, "Istambul", 41, 28, 2}, {"Süd-Osteuropa", 12, "Zagreb", 45, 15, 1},
};
class PlaceTable : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceTable, RowHoldsNameAndCoordinates)
{
    const PlaceCase& c = GetParam();
    const std::optional<int> country = FindCountry(c.country);
    ASSERT_TRUE(country.has_value());
    const int row = PlaceRow(*country, c.position);
    EXPECT_STREQ(PlaceName(row), c.name);
    const PlaceCoordinates place = PlaceCoordinatesOf(row);
    EXPECT_EQ(place.latitude, c.latitude);
    EXPECT_EQ(place.longitude, c.longitude);
    EXPECT_EQ(place.timeZone, c.timeZone);
    EXPECT_EQ(FindPlacePosition(*country, c.name), c.position);
}
INSTANTIATE_TEST_SUITE_P(Gazetteer, PlaceTable, ::testing::ValuesIn(kPlaces));

TEST(Gazetteer, OneEntryCountries)
{
    const std::pair<const char*, const char*> single[] = {
        {"Estland", "Tallinn"}, {"Lettland", "Riga"}, {"Liechtenstein", "Vaduz"},
        {"Litauen", "Vilnius"}, {"Luxemburg", "Luxemburg"},
    };
    for (const auto& [country, place] : single) {
        const int c = *FindCountry(country);
        EXPECT_EQ(CountryPlaceCount(c), 1) << country;
        EXPECT_STREQ(PlaceName(CountryFirstRow(c)), place);
    }
    EXPECT_EQ(CountryPlaceCount(*FindCountry("Süd-Osteuropa")), 13);
    EXPECT_EQ(CountryLastRow(*FindCountry("Süd-Osteuropa")), 255);
}

TEST(Gazetteer, FindByNameOrNumber)
{
    EXPECT_EQ(FindCountry("Österreich"), 15);
    EXPECT_EQ(FindCountry("15"), 15);
    EXPECT_EQ(FindCountry("0"), 0);
    EXPECT_EQ(FindCountry("22"), std::nullopt);
    EXPECT_EQ(FindCountry("-1"), std::nullopt);
    EXPECT_EQ(FindCountry("oesterreich"), std::nullopt);
    EXPECT_EQ(FindCountry(""), std::nullopt);
    EXPECT_EQ(FindCountry("1x"), std::nullopt);
    EXPECT_EQ(FindPlacePosition(15, "Wien"), 13);
    EXPECT_EQ(FindPlacePosition(15, "13"), 13);
    EXPECT_EQ(FindPlacePosition(15, "14"), std::nullopt);
    EXPECT_EQ(FindPlacePosition(0, "PLZ=46"), 46);
    EXPECT_EQ(FindPlacePosition(0, "PLZ=100"), std::nullopt);
    EXPECT_EQ(FindPlacePosition(0, "Wien"), std::nullopt);
}

} // namespace
