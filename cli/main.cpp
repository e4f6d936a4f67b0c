// crepulo-cli: the twilight tables (and, with Qt, chart images) without a window.

#include "cli/CliOptions.h"
#include "cli/Commands.h"
#ifdef CREPULO_CLI_CHART
#include "cli/ChartCommand.h"
#endif

#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const char kUsage[] = "Aufruf: crepulo-cli BEFEHL [Optionen]\n"
                      "Befehle:\n"
                      "  table    die Tabelle der Dämmerungszeiten schreiben (wie \"Tabelle speichern\")\n"
                      "  places   die Länder oder die Orte eines Landes auflisten\n"
#ifdef CREPULO_CLI_CHART
                      "  chart    die Grafik der Dämmerungszeiten als PNG- oder SVG-Bild schreiben\n"
#endif
                      "\"crepulo-cli BEFEHL --help\" zeigt die Optionen eines Befehls;\n"
                      "\"crepulo-cli --version\" zeigt die Version.\n";

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The table carries its own CR LF line ends: no translation on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintError(std::string(kUsage).substr(0, std::string(kUsage).size() - 1));
        return kExitBadInput;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help")
        return WriteToStdout(kUsage) ? kExitOk : kExitFileError;
    if (command == "--version")
        return WriteToStdout("crepulo-cli " CREPULO_VERSION "\n") ? kExitOk : kExitFileError;
    if (command == "table")
        return RunTableCommand(args);
    if (command == "places")
        return RunPlacesCommand(args);
#ifdef CREPULO_CLI_CHART
    if (command == "chart")
        return RunChartCommand(args);
#endif
    PrintError("Unbekannter Befehl \"" + command + "\".\n" + kUsage);
    return kExitBadInput;
}
