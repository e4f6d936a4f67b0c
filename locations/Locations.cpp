#include "locations/Locations.h"

#include <charconv>

const CountryEntry CountryTable[kCountryCount] = {
    {0, 99, "Deutschland"},
    {101, 107, "Belgien"},
    {108, 115, "Dänemark"},
    {116, 122, "England"},
    {123, 123, "Estland"},
    {124, 129, "Finnland"},
    {130, 141, "Frankreich"},
    {142, 151, "Italien"},
    {152, 154, "Irland"},
    {155, 155, "Lettland"},
    {156, 156, "Liechtenstein"},
    {157, 157, "Litauen"},
    {158, 158, "Luxemburg"},
    {159, 165, "Niederlande"},
    {166, 169, "Norwegen"},
    {170, 183, "Österreich"},
    {184, 193, "Polen"},
    {194, 196, "Portugal"},
    {197, 203, "Schweiz"},
    {204, 213, "Schweden"},
    {214, 242, "Spanien"},
    {243, 255, "Süd-Osteuropa"},
};

const CityEntry CityNameTable[kPlaceCount] = {
    // Rows 0..99: German two-digit postal regions, time zone 1.
    {{"PLZ=00"}},
    {{"PLZ=01"}},
    {{"PLZ=02"}},
    {{"PLZ=03"}},
    {{"PLZ=04"}},
    {{"PLZ=05"}},
    {{"PLZ=06"}},
    {{"PLZ=07"}},
    {{"PLZ=08"}},
    {{"PLZ=09"}},
    {{"PLZ=10"}},
    {{"PLZ=11"}},
    {{"PLZ=12"}},
    {{"PLZ=13"}},
    {{"PLZ=14"}},
    {{"PLZ=15"}},
    {{"PLZ=16"}},
    {{"PLZ=17"}},
    {{"PLZ=18"}},
    {{"PLZ=19"}},
    {{"PLZ=20"}},
    {{"PLZ=21"}},
    {{"PLZ=22"}},
    {{"PLZ=23"}},
    {{"PLZ=24"}},
    {{"PLZ=25"}},
    {{"PLZ=26"}},
    {{"PLZ=27"}},
    {{"PLZ=28"}},
    {{"PLZ=29"}},
    {{"PLZ=30"}},
    {{"PLZ=31"}},
    {{"PLZ=32"}},
    {{"PLZ=33"}},
    {{"PLZ=34"}},
    {{"PLZ=35"}},
    {{"PLZ=36"}},
    {{"PLZ=37"}},
    {{"PLZ=38"}},
    {{"PLZ=39"}},
    {{"PLZ=40"}},
    {{"PLZ=41"}},
    {{"PLZ=42"}},
    {{"PLZ=43"}},
    {{"PLZ=44"}},
    {{"PLZ=45"}},
    {{"PLZ=46"}},
    {{"PLZ=47"}},
    {{"PLZ=48"}},
    {{"PLZ=49"}},
    {{"PLZ=50"}},
    {{"PLZ=51"}},
    {{"PLZ=52"}},
    {{"PLZ=53"}},
    {{"PLZ=54"}},
    {{"PLZ=55"}},
    {{"PLZ=56"}},
    {{"PLZ=57"}},
    {{"PLZ=58"}},
    {{"PLZ=59"}},
    {{"PLZ=60"}},
    {{"PLZ=61"}},
    {{"PLZ=62"}},
    {{"PLZ=63"}},
    {{"PLZ=64"}},
    {{"PLZ=65"}},
    {{"PLZ=66"}},
    {{"PLZ=67"}},
    {{"PLZ=68"}},
    {{"PLZ=69"}},
    {{"PLZ=70"}},
    {{"PLZ=71"}},
    {{"PLZ=72"}},
    {{"PLZ=73"}},
    {{"PLZ=74"}},
    {{"PLZ=75"}},
    {{"PLZ=76"}},
    {{"PLZ=77"}},
    {{"PLZ=78"}},
    {{"PLZ=79"}},
    {{"PLZ=80"}},
    {{"PLZ=81"}},
    {{"PLZ=82"}},
    {{"PLZ=83"}},
    {{"PLZ=84"}},
    {{"PLZ=85"}},
    {{"PLZ=86"}},
    {{"PLZ=87"}},
    {{"PLZ=88"}},
    {{"PLZ=89"}},
    {{"PLZ=90"}},
    {{"PLZ=91"}},
    {{"PLZ=92"}},
    {{"PLZ=93"}},
    {{"PLZ=94"}},
    {{"PLZ=95"}},
    {{"PLZ=96"}},
    {{"PLZ=97"}},
    {{"PLZ=98"}},
    {{"PLZ=99"}},
    // Row 100 belongs to no country; it keeps rows 101..255 at their numbers.
    {{"PLZ=100"}},
    {{"Antwerpen"}},
    {{"Brügge"}},
    {{"Brüssel"}},
    {{"Luettich"}},
    {{"Mechelen"}},
    {{"Mons"}},
    {{"Oostende"}},
    {{"Aalborg"}},
    {{"Ringsted"}},
    {{"Esbjerg"}},
    {{"Horsens"}},
    {{"Kolding"}},
    {{"Koppenhagen"}},
    {{"Svendborg"}},
    {{"Randers"}},
    {{"Aberdeen"}},
    {{"Birmingham"}},
    {{"Bristol"}},
    {{"Glasgow"}},
    {{"London"}},
    {{"Manchester"}},
    {{"Newcastle"}},
    {{"Tallinn"}},
    {{"Helsinki"}},
    {{"Jyyäskylä"}},
    {{"Oulu"}},
    {{"Tampere"}},
    {{"Turku"}},
    {{"Vasa"}},
    {{"Bordeaux"}},
    {{"Brest"}},
    {{"Dijon"}},
    {{"Le Havre"}},
    {{"Lyon"}},
    {{"Montepellier"}},
    {{"Nantes"}},
    {{"Nice"}},
    {{"Paris"}},
    {{"Reims"}},
    {{"Strasbourg"}},
    {{"Toulon"}},
    {{"Bologna"}},
    {{"Bozen"}},
    {{"Florenz"}},
    {{"Genua"}},
    {{"Mailand"}},
    {{"Neapel"}},
    {{"Palermo"}},
    {{"Rom"}},
    {{"Turin"}},
    {{"Venedig"}},
    {{"Cork"}},
    {{"Dublin"}},
    {{"Belfast"}},
    {{"Riga"}},
    {{"Vaduz"}},
    {{"Vilnius"}},
    {{"Luxemburg"}},
    {{"Amsterdam"}},
    {{"Eindhoven"}},
    {{"Enschede"}},
    {{"Groningen"}},
    {{"Maastricht"}},
    {{"Rotterdam"}},
    {{"Utrecht"}},
    {{"Oslo"}},
    {{"Stavanger"}},
    {{"Bergen"}},
    {{"Trondheim"}},
    {{"Amstetten"}},
    {{"Baden"}},
    {{"Braunau"}},
    {{"Brixen"}},
    {{"Bruck/mur"}},
    {{"Eisenstadt"}},
    {{"Graz"}},
    {{"Innsbruck"}},
    {{"Klagenfurt"}},
    {{"Landeck"}},
    {{"Linz"}},
    {{"Nenzing"}},
    {{"Salzburg"}},
    {{"Wien"}},
    {{"Breslau"}},
    {{"Bromberg"}},
    {{"Danzig"}},
    {{"Kattowitz"}},
    {{"Krakau"}},
    {{"Lodz"}},
    {{"Lublin"}},
    {{"Posen"}},
    {{"Stettin"}},
    {{"Warschau"}},
    {{"Faro"}},
    {{"Lissabon"}},
    {{"Porto"}},
    {{"Basel"}},
    {{"Bern"}},
    {{"Andermatt"}},
    {{"Chur"}},
    {{"Lausanne"}},
    {{"Luzern"}},
    {{"Zürich"}},
    {{"Boras"}},
    {{"Gävle"}},
    {{"Goeteborg"}},
    {{"Helisingborg"}},
    {{"Joenkoeping"}},
    {{"Östersund"}},
    {{"Malmoe"}},
    {{"Stockholm"}},
    {{"Sundsvall"}},
    {{"Umea"}},
    {{"Almería"}},
    {{"Alicante"}},
    {{"Barcelona"}},
    {{"Bilbao"}},
    {{"Badajoz"}},
    {{"Burgos"}},
    {{"Cáceres"}},
    {{"Castellón"}},
    {{"Granada"}},
    {{"Guadalajara"}},
    {{"La Coruña"}},
    {{"Lérida"}},
    {{"León"}},
    {{"Madrid"}},
    {{"Murcia"}},
    {{"Oviedo"}},
    {{"Palma"}},
    {{"Pamplona"}},
    {{"San Sebastián"}},
    {{"Sevilla"}},
    {{"Santander"}},
    {{"Valencia"}},
    {{"Valladolid"}},
    {{"Vitoria"}},
    {{"Zaragoza"}},
    {{"La Palma"}},
    {{"Teneriffa"}},
    {{"Grand Canaria"}},
    {{"Fuerteventura"}},
    {{"Athen"}},
    {{"Belgrad"}},
    {{"Bratislava"}},
    {{"Bucarest"}},
    {{"Budapest"}},
    {{"Istambul"}},
    {{"Maribor"}},
    {{"Prag"}},
    {{"Sarajevo"}},
    {{"Sofia"}},
    {{"Skopje"}},
    {{"Thessaloniki"}},
    {{"Zagreb"}},
};

// Latitude, longitude, time zone of each row of CityNameTable.
const CityCoordinates CityCoordinateTable[kPlaceCount] = {
    {51, 13, 1}, // 0 PLZ=00
    {51, 12, 1}, // 1 PLZ=01
    {51, 14, 1}, // 2 PLZ=02
    {51, 14, 1}, // 3 PLZ=03
    {51, 12, 1}, // 4 PLZ=04
    {51, 12, 1}, // 5 PLZ=05
    {51, 11, 1}, // 6 PLZ=06
    {50, 11, 1}, // 7 PLZ=07
    {50, 12, 1}, // 8 PLZ=08
    {50, 13, 1}, // 9 PLZ=09
    {52, 13, 1}, // 10 PLZ=10
    {52, 13, 1}, // 11 PLZ=11
    {52, 13, 1}, // 12 PLZ=12
    {52, 13, 1}, // 13 PLZ=13
    {52, 12, 1}, // 14 PLZ=14
    {52, 14, 1}, // 15 PLZ=15
    {52, 13, 1}, // 16 PLZ=16
    {53, 13, 1}, // 17 PLZ=17
    {54, 12, 1}, // 18 PLZ=18
    {53, 11, 1}, // 19 PLZ=19
    {53, 10, 1}, // 20 PLZ=20
    {53, 9, 1}, // 21 PLZ=21
    {53, 10, 1}, // 22 PLZ=22
    {53, 10, 1}, // 23 PLZ=23
    {54, 9, 1}, // 24 PLZ=24
    {54, 9, 1}, // 25 PLZ=25
    {53, 7, 1}, // 26 PLZ=26
    {53, 9, 1}, // 27 PLZ=27
    {53, 8, 1}, // 28 PLZ=28
    {52, 10, 1}, // 29 PLZ=29
    {52, 9, 1}, // 30 PLZ=30
    {52, 9, 1}, // 31 PLZ=31
    {52, 8, 1}, // 32 PLZ=32
    {51, 8, 1}, // 33 PLZ=33
    {51, 9, 1}, // 34 PLZ=34
    {50, 8, 1}, // 35 PLZ=35
    {50, 9, 1}, // 36 PLZ=36
    {51, 10, 1}, // 37 PLZ=37
    {52, 10, 1}, // 38 PLZ=38
    {52, 11, 1}, // 39 PLZ=39
    {51, 6, 1}, // 40 PLZ=40
    {51, 6, 1}, // 41 PLZ=41
    {51, 7, 1}, // 42 PLZ=42
    {51, 7, 1}, // 43 PLZ=43
    {51, 7, 1}, // 44 PLZ=44
    {51, 7, 1}, // 45 PLZ=45
    {51, 6, 1}, // 46 PLZ=46
    {51, 6, 1}, // 47 PLZ=47
    {52, 7, 1}, // 48 PLZ=48
    {52, 7, 1}, // 49 PLZ=49
    {50, 6, 1}, // 50 PLZ=50
    {50, 7, 1}, // 51 PLZ=51
    {50, 6, 1}, // 52 PLZ=52
    {50, 6, 1}, // 53 PLZ=53
    {49, 6, 1}, // 54 PLZ=54
    {49, 7, 1}, // 55 PLZ=55
    {50, 7, 1}, // 56 PLZ=56
    {50, 8, 1}, // 57 PLZ=57
    {51, 7, 1}, // 58 PLZ=58
    {51, 8, 1}, // 59 PLZ=59
    {50, 8, 1}, // 60 PLZ=60
    {50, 8, 1}, // 61 PLZ=61
    {50, 8, 1}, // 62 PLZ=62
    {50, 9, 1}, // 63 PLZ=63
    {49, 8, 1}, // 64 PLZ=64
    {50, 8, 1}, // 65 PLZ=65
    {49, 7, 1}, // 66 PLZ=66
    {49, 8, 1}, // 67 PLZ=67
    {49, 8, 1}, // 68 PLZ=68
    {49, 8, 1}, // 69 PLZ=69
    {48, 9, 1}, // 70 PLZ=70
    {48, 9, 1}, // 71 PLZ=71
    {48, 9, 1}, // 72 PLZ=72
    {48, 9, 1}, // 73 PLZ=73
    {49, 9, 1}, // 74 PLZ=74
    {48, 8, 1}, // 75 PLZ=75
    {49, 8, 1}, // 76 PLZ=76
    {48, 8, 1}, // 77 PLZ=77
    {47, 8, 1}, // 78 PLZ=78
    {47, 7, 1}, // 79 PLZ=79
    {48, 11, 1}, // 80 PLZ=80
    {48, 11, 1}, // 81 PLZ=81
    {47, 11, 1}, // 82 PLZ=82
    {47, 12, 1}, // 83 PLZ=83
    {48, 12, 1}, // 84 PLZ=84
    {48, 11, 1}, // 85 PLZ=85
    {48, 10, 1}, // 86 PLZ=86
    {47, 10, 1}, // 87 PLZ=87
    {47, 9, 1}, // 88 PLZ=88
    {48, 10, 1}, // 89 PLZ=89
    {49, 11, 1}, // 90 PLZ=90
    {49, 10, 1}, // 91 PLZ=91
    {49, 11, 1}, // 92 PLZ=92
    {49, 12, 1}, // 93 PLZ=93
    {48, 12, 1}, // 94 PLZ=94
    {50, 11, 1}, // 95 PLZ=95
    {50, 10, 1}, // 96 PLZ=96
    {49, 10, 1}, // 97 PLZ=97
    {50, 10, 1}, // 98 PLZ=98
    {51, 10, 1}, // 99 PLZ=99
    {51, 10, 1}, // 100 PLZ=100
    {51, 4, 1}, // 101 Antwerpen
    {51, 3, 1}, // 102 Brügge
    {50, 4, 1}, // 103 Brüssel
    {50, 5, 1}, // 104 Luettich
    {51, 4, 1}, // 105 Mechelen
    {50, 3, 1}, // 106 Mons
    {51, 2, 1}, // 107 Oostende
    {57, 9, 1}, // 108 Aalborg
    {55, 11, 1}, // 109 Ringsted
    {55, 8, 1}, // 110 Esbjerg
    {55, 9, 1}, // 111 Horsens
    {55, 9, 1}, // 112 Kolding
    {55, 12, 1}, // 113 Koppenhagen
    {55, 10, 1}, // 114 Svendborg
    {56, 10, 1}, // 115 Randers
    {57, -3, 2}, // 116 Aberdeen
    {52, -2, 0}, // 117 Birmingham
    {51, -3, 0}, // 118 Bristol
    {55, -5, 0}, // 119 Glasgow
    {51, 0, 0}, // 120 London
    {53, -3, 0}, // 121 Manchester
    {55, -2, 0}, // 122 Newcastle
    {59, 24, 1}, // 123 Tallinn
    {60, 24, 1}, // 124 Helsinki
    {62, 25, 1}, // 125 Jyyäskylä
    {65, 25, 1}, // 126 Oulu
    {61, 23, 1}, // 127 Tampere
    {60, 22, 1}, // 128 Turku
    {63, 21, 1}, // 129 Vasa
    {44, -1, 1}, // 130 Bordeaux
    {48, -4, 1}, // 131 Brest
    {47, 5, 1}, // 132 Dijon
    {49, 0, 1}, // 133 Le Havre
    {45, 4, 1}, // 134 Lyon
    {43, 3, 1}, // 135 Montepellier
    {47, -2, 1}, // 136 Nantes
    {43, 7, 1}, // 137 Nice
    {48, 2, 1}, // 138 Paris
    {49, 4, 1}, // 139 Reims
    {48, 7, 1}, // 140 Strasbourg
    {43, 6, 1}, // 141 Toulon
    {44, 11, 1}, // 142 Bologna
    {46, 11, 1}, // 143 Bozen
    {43, 11, 1}, // 144 Florenz
    {44, 9, 1}, // 145 Genua
    {45, 9, 1}, // 146 Mailand
    {40, 14, 1}, // 147 Neapel
    {38, 13, 1}, // 148 Palermo
    {41, 12, 1}, // 149 Rom
    {45, 7, 1}, // 150 Turin
    {45, 12, 1}, // 151 Venedig
    {52, -9, 0}, // 152 Cork
    {53, -7, 0}, // 153 Dublin
    {54, -6, 0}, // 154 Belfast
    {57, 24, 2}, // 155 Riga
    {47, 9, 1}, // 156 Vaduz
    {54, 25, 2}, // 157 Vilnius
    {49, 6, 1}, // 158 Luxemburg
    {52, 4, 1}, // 159 Amsterdam
    {51, 5, 1}, // 160 Eindhoven
    {52, 6, 1}, // 161 Enschede
    {53, 6, 1}, // 162 Groningen
    {50, 5, 1}, // 163 Maastricht
    {51, 4, 1}, // 164 Rotterdam
    {52, 5, 1}, // 165 Utrecht
    {60, 10, 1}, // 166 Oslo
    {58, 5, 1}, // 167 Stavanger
    {60, 5, 1}, // 168 Bergen
    {63, 10, 1}, // 169 Trondheim
    {48, 14, 1}, // 170 Amstetten
    {48, 16, 1}, // 171 Baden
    {48, 13, 1}, // 172 Braunau
    {46, 11, 1}, // 173 Brixen
    {47, 15, 1}, // 174 Bruck/mur
    {47, 16, 1}, // 175 Eisenstadt
    {47, 15, 1}, // 176 Graz
    {47, 11, 1}, // 177 Innsbruck
    {46, 14, 1}, // 178 Klagenfurt
    {47, 10, 1}, // 179 Landeck
    {48, 14, 1}, // 180 Linz
    {47, 9, 1}, // 181 Nenzing
    {47, 13, 1}, // 182 Salzburg
    {48, 16, 1}, // 183 Wien
    {51, 17, 1}, // 184 Breslau
    {53, 18, 1}, // 185 Bromberg
    {54, 18, 1}, // 186 Danzig
    {50, 19, 1}, // 187 Kattowitz
    {50, 19, 1}, // 188 Krakau
    {51, 19, 1}, // 189 Lodz
    {51, 22, 1}, // 190 Lublin
    {52, 16, 1}, // 191 Posen
    {53, 14, 1}, // 192 Stettin
    {52, 21, 1}, // 193 Warschau
    {37, -8, 0}, // 194 Faro
    {38, -10, 0}, // 195 Lissabon
    {41, -9, 0}, // 196 Porto
    {47, 7, 1}, // 197 Basel
    {46, 7, 1}, // 198 Bern
    {46, 8, 1}, // 199 Andermatt
    {46, 9, 1}, // 200 Chur
    {46, 6, 1}, // 201 Lausanne
    {47, 8, 1}, // 202 Luzern
    {47, 8, 1}, // 203 Zürich
    {57, 12, 1}, // 204 Boras
    {60, 17, 1}, // 205 Gävle
    {57, 11, 1}, // 206 Goeteborg
    {56, 12, 1}, // 207 Helisingborg
    {57, 14, 1}, // 208 Joenkoeping
    {63, 14, 1}, // 209 Östersund
    {55, 13, 1}, // 210 Malmoe
    {59, 18, 1}, // 211 Stockholm
    {62, 17, 1}, // 212 Sundsvall
    {63, 20, 1}, // 213 Umea
    {36, -3, 1}, // 214 Almería
    {38, -1, 1}, // 215 Alicante
    {41, 2, 1}, // 216 Barcelona
    {43, -3, 1}, // 217 Bilbao
    {38, -7, 1}, // 218 Badajoz
    {42, -4, 1}, // 219 Burgos
    {39, -7, 1}, // 220 Cáceres
    {40, 0, 1}, // 221 Castellón
    {37, -4, 1}, // 222 Granada
    {40, -4, 1}, // 223 Guadalajara
    {43, -9, 1}, // 224 La Coruña
    {41, 0, 1}, // 225 Lérida
    {42, -6, 1}, // 226 León
    {40, -4, 1}, // 227 Madrid
    {37, -2, 1}, // 228 Murcia
    {43, -6, 1}, // 229 Oviedo
    {39, 2, 1}, // 230 Palma
    {42, -2, 1}, // 231 Pamplona
    {43, -3, 1}, // 232 San Sebastián
    {37, -7, 1}, // 233 Sevilla
    {43, -4, 1}, // 234 Santander
    {39, -1, 1}, // 235 Valencia
    {41, -5, 1}, // 236 Valladolid
    {42, -3, 1}, // 237 Vitoria
    {41, -1, 1}, // 238 Zaragoza
    {28, -18, 0}, // 239 La Palma
    {28, -17, 0}, // 240 Teneriffa
    {28, -16, 0}, // 241 Grand Canaria
    {28, -14, 0}, // 242 Fuerteventura
    {38, 23, 2}, // 243 Athen
    {44, 20, 1}, // 244 Belgrad
    {48, 17, 1}, // 245 Bratislava
    {44, 25, 2}, // 246 Bucarest
    {47, 19, 1}, // 247 Budapest
    {41, 28, 2}, // 248 Istambul
    {46, 15, 1}, // 249 Maribor
    {50, 14, 1}, // 250 Prag
    {43, 18, 1}, // 251 Sarajevo
    {42, 23, 2}, // 252 Sofia
    {42, 21, 1}, // 253 Skopje
    {40, 22, 2}, // 254 Thessaloniki
    {45, 15, 1}, // 255 Zagreb
};

int CountryCount()
{
    return kCountryCount;
}

const char* CountryName(int country)
{
    return CountryTable[country].name;
}

int CountryFirstRow(int country)
{
    return CountryTable[country].firstCity;
}

int CountryLastRow(int country)
{
    return CountryTable[country].lastCity;
}

int CountryPlaceCount(int country)
{
    return CountryLastRow(country) - CountryFirstRow(country) + 1;
}

const char* PlaceName(int row)
{
    return CityNameTable[row].name;
}

PlaceCoordinates PlaceCoordinatesOf(int row)
{
    const CityCoordinates& c = CityCoordinateTable[row];
    return {c.latitude, c.longitude, c.timeZone};
}

int PlaceRow(int country, int position)
{
    return CountryFirstRow(country) + position;
}

namespace {

// A whole text of decimal digits as a number below `limit`.
std::optional<int> IndexText(std::string_view text, int limit)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0 || value >= limit)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> FindCountry(std::string_view nameOrIndex)
{
    for (int c = 0; c < kCountryCount; ++c) {
        if (nameOrIndex == CountryName(c))
            return c;
    }
    return IndexText(nameOrIndex, kCountryCount);
}

std::optional<int> FindPlacePosition(int country, std::string_view nameOrPosition)
{
    const int count = CountryPlaceCount(country);
    for (int p = 0; p < count; ++p) {
        if (nameOrPosition == PlaceName(PlaceRow(country, p)))
            return p;
    }
    return IndexText(nameOrPosition, count);
}
