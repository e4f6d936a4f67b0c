#pragma once
// The built-in gazetteer: 22 countries and 256 places (German two-digit postal
// regions and European cities) with latitude, longitude and time zone in whole
// units. Texts are UTF-8 here; the exported file converts them to Windows-1252.

#include <cstdint>
#include <optional>
#include <string_view>

struct CountryEntry
{
    std::uint8_t firstCity;  // row of the country's first place
    std::uint8_t lastCity;   // row of its last place, inclusive
    char name[18];
};

struct CityEntry
{
    char name[20];
};

struct CityCoordinates
{
    std::int8_t latitude;   // whole degrees, north positive
    std::int8_t longitude;  // whole degrees, east positive
    std::int8_t timeZone;   // whole hours ahead of UTC in standard time
};

inline constexpr int kCountryCount = 22;
inline constexpr int kPlaceCount = 256;

// Display order, not alphabetical. Row 100 ("PLZ=100") belongs to no country.
extern const CountryEntry CountryTable[kCountryCount];
extern const CityEntry CityNameTable[kPlaceCount];
extern const CityCoordinates CityCoordinateTable[kPlaceCount];

struct PlaceCoordinates
{
    int latitude = 0;
    int longitude = 0;
    int timeZone = 0;
};

// Lookups; indices must be in range (country 0..21, row 0..255).
int CountryCount();
const char* CountryName(int country);
int CountryFirstRow(int country);
int CountryLastRow(int country);
// Number of places listed for the country (lastCity - firstCity + 1).
int CountryPlaceCount(int country);
const char* PlaceName(int row);
PlaceCoordinates PlaceCoordinatesOf(int row);
// Row of the place at `position` in the country's list: firstCity + position.
int PlaceRow(int country, int position);

// Finds a country by its exact name ("Österreich") or by its index written as
// a number ("15"); nullopt when neither matches.
std::optional<int> FindCountry(std::string_view nameOrIndex);
// Finds a place of the country by its exact name ("Wien", "PLZ=46") or by its
// position in the country's list written as a number; nullopt when neither matches.
std::optional<int> FindPlacePosition(int country, std::string_view nameOrPosition);
