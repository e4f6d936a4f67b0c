// crepulo-cli: the twilight tables (and, with Qt, chart images) without a window.

#include "cli/CliOptions.h"
#include "cli/Commands.h"
#ifdef CREPULO_CLI_CHART
#include "cli/ChartCommand.h"
#endif

#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <cwchar>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
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

int Run(std::vector<std::string> args)
{
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

#ifdef _WIN32
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(const wchar_t* wide)
{
    const int length = int(std::wcslen(wide));
    if (length == 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}
#endif

} // namespace

#ifdef _WIN32
// Windows hands a narrow main() its arguments in the ANSI code page, in which
// "Österreich" is not the UTF-8 the gazetteer and the file paths expect: take
// the UTF-16 arguments and convert them.
int wmain(int argc, wchar_t** argv)
{
    // The table carries its own CR LF line ends: no translation on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
    // Messages are UTF-8; a console shows their umlauts only with that code page.
    const UINT consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8FromWide(argv[i]));
    const int status = Run(std::move(args));
    if (consoleCodePage != 0)
        SetConsoleOutputCP(consoleCodePage);
    return status;
}
#else
int main(int argc, char** argv)
{
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
