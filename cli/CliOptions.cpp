#include "cli/CliOptions.h"

#include "locations/Locations.h"
#include "schedule/FieldRules.h"

#include <chrono>
#include <cstdlib>
#include <map>

TableRequest DefaultTableRequest(int utcYear)
{
    TableRequest request;
    request.country = 0;
    request.placePosition = 46;
    const PlaceCoordinates place = PlaceCoordinatesOf(PlaceRow(0, 46));
    request.input.longitude = place.longitude;
    request.input.latitude = place.latitude;
    request.input.timeZone = place.timeZone;
    request.input.summerTime = true;
    request.input.period = Period::Year;
    request.input.year = utcYear;
    request.input.month = 1;
    request.input.day = 1;
    request.input.morningOffsetMinutes = 0;
    request.input.notBefore = {0, 0};
    request.input.eveningOffsetMinutes = 0;
    request.input.notAfter = {23, 59};
    return request;
}

int CurrentUtcYear()
{
    using namespace std::chrono;
    const year_month_day today{floor<days>(system_clock::now())};
    return int(today.year());
}

const char* TableOptionsHelp()
{
    return "  --country LAND        Land aus der Liste (Name wie \"Österreich\" oder Nummer 0-21);\n"
           "                        Vorgabe: Deutschland\n"
           "  --place ORT           PLZ-Bereich oder Stadt des Landes (Name wie \"Wien\", \"PLZ=46\"\n"
           "                        oder Position in der Liste); Vorgabe: PLZ=46, mit --country der erste\n"
           "  --longitude GRAD      Länge, -180 bis 180 (Ost positiv); zählt nur in ganzen Grad\n"
           "  --latitude GRAD       Breite, -90 bis 90 (Nord positiv); zählt nur in ganzen Grad\n"
           "  --timezone STUNDEN    Zeitzone, -12 bis 12 Stunden vor UTC (ohne Sommerzeit)\n"
           "  --year JAHR           Jahr, 1900 bis 2099; Vorgabe: das laufende Jahr (UTC)\n"
           "  --month MONAT         nur dieser Monat, 1 bis 12\n"
           "  --day TAG             nur dieser Tag des Monats (braucht --month)\n"
           "  --no-summer-time      ohne Sommer-Winterzeit rechnen\n"
           "  --morning-offset MIN  Offset der Morgendämmerung, -60 bis 60 Minuten\n"
           "  --not-before HH:MM    Morgendämmerung nicht vor dieser Uhrzeit (Vorgabe 00:00)\n"
           "  --evening-offset MIN  Offset der Abenddämmerung, -60 bis 60 Minuten\n"
           "  --not-after HH:MM     Abenddämmerung nicht nach dieser Uhrzeit (Vorgabe 23:59)\n"
           "  --output DATEI        in diese Datei schreiben statt auf die Standardausgabe\n";
}

namespace {

const char* const kValueOptions[] = {
    "--country", "--place", "--longitude", "--latitude", "--timezone", "--year", "--month",
    "--day", "--morning-offset", "--not-before", "--evening-offset", "--not-after", "--output",
};

bool TakesValue(const std::string& option)
{
    for (const char* known : kValueOptions) {
        if (option == known)
            return true;
    }
    return false;
}

CliError BadInput(std::string message)
{
    return CliError{kExitBadInput, std::move(message)};
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Number of decimal digits at text[i...].
std::size_t DigitsAt(const std::string& text, std::size_t i)
{
    std::size_t n = 0;
    while (i + n < text.size() && IsDigit(text[i + n]))
        ++n;
    return n;
}

// A whole number written with an optional sign and one to nine digits only.
std::optional<int> StrictInteger(const std::string& text)
{
    const std::size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t digits = DigitsAt(text, sign);
    if (digits == 0 || digits > 9 || sign + digits != text.size())
        return std::nullopt;
    return std::atoi(text.c_str());
}

// A decimal number with the point as separator, optionally with an exponent:
// [+-] (digits [. digits] | . digits) [e [+-] digits].
bool IsStrictDecimal(const std::string& text)
{
    std::size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t whole = DigitsAt(text, i);
    i += whole;
    std::size_t fraction = 0;
    if (i < text.size() && text[i] == '.') {
        fraction = DigitsAt(text, i + 1);
        i += 1 + fraction;
    }
    if (whole == 0 && fraction == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponent = DigitsAt(text, i);
        if (exponent == 0)
            return false;
        i += exponent;
    }
    return i == text.size();
}

CliError NotANumber(const std::string& option, const std::string& text)
{
    return BadInput("Ungültige Zahl für " + option + ": " + Quoted(text) + ".");
}

CliError OutOfRange(int lower, int upper)
{
    return BadInput(RangeMessage({lower, upper, false}));
}

// An integer option within lower..upper.
std::optional<CliError> ReadInteger(const std::string& option, const std::string& text, int lower, int upper,
                                    int& value)
{
    const std::optional<int> parsed = StrictInteger(text);
    if (!parsed)
        return NotANumber(option, text);
    if (*parsed < lower || *parsed > upper)
        return OutOfRange(lower, upper);
    value = *parsed;
    return std::nullopt;
}

// Longitude and latitude as the dialog's fields hold them: a single-precision
// number within the range, shown with three decimals, of which only the whole
// degrees (cut toward zero) reach the computation.
std::optional<CliError> ReadDegrees(const std::string& option, const std::string& text, InputField field,
                                    int& value)
{
    if (!IsStrictDecimal(text))
        return NotANumber(option, text);
    const FieldCheck check = CheckField(field, text);
    if (check.refused)
        return BadInput(RangeMessage(RangeOf(field)));
    value = LeadingInteger(check.text);
    return std::nullopt;
}

// "HH:MM" with the hour 0..23 and the minute 0..59.
std::optional<CliError> ReadClockTime(const std::string& option, const std::string& text, ClockTime& value)
{
    const std::size_t colon = text.find(':');
    const std::size_t hourDigits = DigitsAt(text, 0);
    const std::size_t minuteDigits = colon == std::string::npos ? 0 : DigitsAt(text, colon + 1);
    if (colon == std::string::npos || hourDigits != colon || hourDigits == 0 || hourDigits > 2
        || minuteDigits == 0 || minuteDigits > 2 || colon + 1 + minuteDigits != text.size())
        return BadInput("Ungültige Uhrzeit für " + option + ": " + Quoted(text) + " (erwartet HH:MM).");
    const int hour = std::atoi(text.substr(0, colon).c_str());
    const int minute = std::atoi(text.substr(colon + 1).c_str());
    if (hour > 23)
        return OutOfRange(0, 23);
    if (minute > 59)
        return OutOfRange(0, 59);
    value = {hour, minute};
    return std::nullopt;
}

} // namespace

OptionArg SplitOption(const std::string& arg)
{
    const std::size_t equals = arg.find('=');
    if (arg.rfind("--", 0) != 0 || equals == std::string::npos)
        return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

std::optional<CliError> TakeValue(const OptionArg& option, const std::vector<std::string>& args, std::size_t& i,
                                  std::string& value)
{
    if (option.inlineValue) {
        value = *option.inlineValue;
        return std::nullopt;
    }
    if (i + 1 >= args.size())
        return BadInput("Der Option " + option.name + " fehlt ihr Wert.");
    value = args[++i];
    return std::nullopt;
}

std::optional<CliError> ParseTableOptions(const std::vector<std::string>& args, TableRequest& request,
                                          std::vector<std::string>& rest)
{
    std::map<std::string, std::string> values;
    bool noSummerTime = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionArg option = SplitOption(args[i]);
        if (option.name == "--no-summer-time" && !option.inlineValue) {
            noSummerTime = true;
            continue;
        }
        if (!TakesValue(option.name)) {
            rest.push_back(args[i]);
            continue;
        }
        std::string value;
        if (auto error = TakeValue(option, args, i, value))
            return error;
        if (values.count(option.name) != 0)
            return BadInput("Die Option " + option.name + " ist mehrfach angegeben.");
        values[option.name] = value;
    }
    auto given = [&](const char* option) { return values.count(option) != 0; };

    // Place: the country, then its place, then single values typed over them.
    if (given("--country")) {
        const std::optional<int> country = FindCountry(values["--country"]);
        if (!country)
            return BadInput("Unbekanntes Land " + Quoted(values["--country"])
                            + ". \"crepulo-cli places\" listet die Länder.");
        request.country = *country;
        request.placePosition = 0;
    }
    if (given("--place")) {
        const std::optional<int> position = FindPlacePosition(request.country, values["--place"]);
        if (!position)
            return BadInput("Unbekannter Ort " + Quoted(values["--place"]) + " in "
                            + Quoted(CountryName(request.country)) + ". \"crepulo-cli places --country "
                            + std::to_string(request.country) + "\" listet die Orte.");
        request.placePosition = *position;
    }
    const PlaceCoordinates place = PlaceCoordinatesOf(PlaceRow(request.country, request.placePosition));
    ScheduleInput& input = request.input;
    input.longitude = place.longitude;
    input.latitude = place.latitude;
    input.timeZone = place.timeZone;
    if (given("--longitude")) {
        if (auto error = ReadDegrees("--longitude", values["--longitude"], InputField::Longitude, input.longitude))
            return error;
    }
    if (given("--latitude")) {
        if (auto error = ReadDegrees("--latitude", values["--latitude"], InputField::Latitude, input.latitude))
            return error;
    }
    if (given("--timezone")) {
        const FieldRange range = RangeOf(InputField::TimeZone);
        if (auto error = ReadInteger("--timezone", values["--timezone"], range.lower, range.upper, input.timeZone))
            return error;
    }

    // Period: a year, a month of it or a day of that month.
    if (given("--year")) {
        const std::optional<int> year = StrictInteger(values["--year"]);
        if (!year)
            return NotANumber("--year", values["--year"]);
        if (*year < 1900 || *year > 2099)
            return BadInput("Es dürfen nur Jahre zwischen \"1900\" und \"2099\" eingegeben werden.");
        input.year = *year;
    }
    input.period = Period::Year;
    if (given("--day") && !given("--month"))
        return BadInput("Die Option --day braucht auch --month.");
    if (given("--month")) {
        const std::optional<int> month = StrictInteger(values["--month"]);
        if (!month)
            return NotANumber("--month", values["--month"]);
        if (*month < 1 || *month > 12)
            return BadInput("Es dürfen nur Monate zwischen \"1\" und \"12\" eingegeben werden.");
        input.month = *month;
        input.period = Period::Month;
    }
    if (given("--day")) {
        const std::optional<int> day = StrictInteger(values["--day"]);
        if (!day)
            return NotANumber("--day", values["--day"]);
        const int days = CTwilightCalc::DaysInMonth(std::uint8_t(input.month), std::uint32_t(input.year));
        if (*day < 1 || *day > days)
            return BadInput("Es dürfen nur Tage zwischen \"1\" und \"" + std::to_string(days)
                            + "\" eingegeben werden.");
        input.day = *day;
        input.period = Period::Day;
    }

    input.summerTime = !noSummerTime;
    if (given("--morning-offset")) {
        const FieldRange range = RangeOf(InputField::MorningOffset);
        if (auto error = ReadInteger("--morning-offset", values["--morning-offset"], range.lower, range.upper,
                                     input.morningOffsetMinutes))
            return error;
    }
    if (given("--evening-offset")) {
        const FieldRange range = RangeOf(InputField::EveningOffset);
        if (auto error = ReadInteger("--evening-offset", values["--evening-offset"], range.lower, range.upper,
                                     input.eveningOffsetMinutes))
            return error;
    }
    if (given("--not-before")) {
        if (auto error = ReadClockTime("--not-before", values["--not-before"], input.notBefore))
            return error;
    }
    if (given("--not-after")) {
        if (auto error = ReadClockTime("--not-after", values["--not-after"], input.notAfter))
            return error;
    }
    if (given("--output")) {
        if (values["--output"].empty())
            return BadInput("Der Option --output fehlt ihr Wert.");
        request.outputPath = values["--output"];
    }
    return std::nullopt;
}
