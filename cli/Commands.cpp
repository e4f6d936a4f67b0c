#include "cli/Commands.h"

#include "cli/CliOptions.h"
#include "locations/Locations.h"
#include "schedule/Export.h"

#include <cstdio>

void PrintError(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
}

bool WriteToStdout(const std::string& bytes)
{
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (written != bytes.size() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        PrintError("Fehler beim Schreiben auf die Standardausgabe; die Ausgabe ist unvollständig.");
        return false;
    }
    return true;
}

namespace {

bool WantsHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

} // namespace

int RunTableCommand(const std::vector<std::string>& args)
{
    if (WantsHelp(args)) {
        std::string help = "Aufruf: crepulo-cli table [Optionen]\n"
                           "Schreibt die Tabelle der Dämmerungszeiten genau wie \"Tabelle speichern\":\n"
                           "Windows-1252, CR LF, Kopfzeile mit einfachen, Zeilen mit doppelten Tabulatoren.\n"
                           "Ohne --month das ganze Jahr, mit --month diesen Monat, mit --month und --day\n"
                           "diesen einen Tag.\n\nOptionen:\n";
        help += TableOptionsHelp();
        help += "  --help                diese Hilfe\n";
        return WriteToStdout(help) ? kExitOk : kExitFileError;
    }
    TableRequest request = DefaultTableRequest(CurrentUtcYear());
    std::vector<std::string> rest;
    if (const std::optional<CliError> error = ParseTableOptions(args, request, rest)) {
        PrintError(error->message);
        return error->exitCode;
    }
    if (!rest.empty()) {
        PrintError("Unbekannte Option " + rest.front() + ". \"crepulo-cli table --help\" zeigt die Optionen.");
        return kExitBadInput;
    }

    const std::string bytes = ExportTableBytes(BuildRows(request.input));
    if (!request.outputPath)
        return WriteToStdout(bytes) ? kExitOk : kExitFileError;
    switch (WriteTableFile(*request.outputPath, bytes)) {
    case WriteStatus::Written:
        return kExitOk;
    case WriteStatus::OpenFailed:
        PrintError(OpenFailedMessage(*request.outputPath));
        return kExitFileError;
    case WriteStatus::WriteFailed:
        PrintError(WriteFailedMessage(*request.outputPath));
        return kExitFileError;
    }
    return kExitFileError;
}

int RunPlacesCommand(const std::vector<std::string>& args)
{
    if (WantsHelp(args)) {
        return WriteToStdout("Aufruf: crepulo-cli places [--country LAND]\n"
                             "Ohne --country: die Länder, eine Zeile je Land: Nummer, Tabulator, Name.\n"
                             "Mit --country: die PLZ-Bereiche oder Städte des Landes, eine Zeile je Ort:\n"
                             "Position, Name, Breite, Länge, Zeitzone, durch Tabulatoren getrennt.\n")
                   ? kExitOk
                   : kExitFileError;
    }
    std::optional<int> country;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionArg option = SplitOption(args[i]);
        if (option.name != "--country") {
            PrintError("Unbekannte Option " + args[i] + ". \"crepulo-cli places --help\" zeigt die Optionen.");
            return kExitBadInput;
        }
        std::string value;
        if (const std::optional<CliError> error = TakeValue(option, args, i, value)) {
            PrintError(error->message);
            return error->exitCode;
        }
        country = FindCountry(value);
        if (!country) {
            PrintError("Unbekanntes Land \"" + value + "\". \"crepulo-cli places\" listet die Länder.");
            return kExitBadInput;
        }
    }

    std::string text;
    if (!country) {
        for (int c = 0; c < CountryCount(); ++c)
            text += std::to_string(c) + "\t" + CountryName(c) + "\n";
    } else {
        for (int position = 0; position < CountryPlaceCount(*country); ++position) {
            const int row = PlaceRow(*country, position);
            const PlaceCoordinates place = PlaceCoordinatesOf(row);
            text += std::to_string(position) + "\t" + PlaceName(row) + "\t" + std::to_string(place.latitude) + "\t"
                    + std::to_string(place.longitude) + "\t" + std::to_string(place.timeZone) + "\n";
        }
    }
    return WriteToStdout(text) ? kExitOk : kExitFileError;
}
