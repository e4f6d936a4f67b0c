#include "cli/ChartCommand.h"

#include "cli/Commands.h"
#include "schedule/Export.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

namespace {

CliError BadInput(std::string message)
{
    return CliError{kExitBadInput, std::move(message)};
}

bool EndsWithNoCase(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) { return std::tolower((unsigned char)a) == std::tolower((unsigned char)b); });
}

// "RRGGBB" or "#RRGGBB" in hexadecimal.
std::optional<COLORREF> ParseColour(std::string text)
{
    if (!text.empty() && text.front() == '#')
        text.erase(0, 1);
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit((unsigned char)c); }))
        return std::nullopt;
    const unsigned long rgb = std::stoul(text, nullptr, 16);
    return MakeColour(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

const char kChartOptionsHelp[] = "  --grid                Gitter statt langer Striche\n"
                                 "  --no-morning          ohne die Kurve der Morgendämmerung\n"
                                 "  --no-evening          ohne die Kurve der Abenddämmerung\n"
                                 "  --morning-colour RRGGBB  Farbe der Morgenkurve (Vorgabe 0000FF, blau)\n"
                                 "  --evening-colour RRGGBB  Farbe der Abendkurve (Vorgabe 00FF00, grün)\n";

// Qt's own notes (font configuration, runtime folders) are no business of the
// command's user; its own messages go to standard error directly.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// A GUI application object for fonts, on the window-less platform, unless the
// process has one already.
std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    qInstallMessageHandler(QuietQtMessages);
    static int argc = 3;
    static char name[] = "crepulo-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

ChartData ChartDataOf(const ChartRequest& request)
{
    ChartData data;
    data.frame = PixelRect{0, 0, kDialogChartFrame.Width(), kDialogChartFrame.Height()};
    data.faceColour = ButtonFaceColour();
    data.period = ChartPeriodOf(request.table.input.period);
    data.grid = request.grid;
    data.showMorning = request.showMorning;
    data.showEvening = request.showEvening;
    data.morningColour = request.morningColour;
    data.eveningColour = request.eveningColour;
    data.rows = ChartRowsOf(BuildRows(request.table.input));
    return data;
}

} // namespace

std::optional<CliError> ParseChartOptions(const std::vector<std::string>& args, ChartRequest& request)
{
    std::vector<std::string> rest;
    if (std::optional<CliError> error = ParseTableOptions(args, request.table, rest))
        return error;

    bool morningGiven = false;
    bool eveningGiven = false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const OptionArg arg = SplitOption(rest[i]);
        const std::string& option = arg.name;
        const bool hasValue = arg.inlineValue.has_value();
        if (!hasValue && option == "--grid") {
            request.grid = true;
        } else if (!hasValue && option == "--no-morning") {
            request.showMorning = false;
        } else if (!hasValue && option == "--no-evening") {
            request.showEvening = false;
        } else if (option == "--morning-colour" || option == "--evening-colour") {
            bool& given = option == "--morning-colour" ? morningGiven : eveningGiven;
            if (given)
                return BadInput("Die Option " + option + " ist mehrfach angegeben.");
            given = true;
            std::string value;
            if (auto error = TakeValue(arg, rest, i, value))
                return error;
            const std::optional<COLORREF> colour = ParseColour(value);
            if (!colour)
                return BadInput("Ungültige Farbe für " + option + ": \"" + value
                                + "\" (erwartet RRGGBB in Hexadezimalziffern, z. B. 0000FF für Blau).");
            (option == "--morning-colour" ? request.morningColour : request.eveningColour) = *colour;
        } else {
            return BadInput("Unbekannte Option " + rest[i] + ". \"crepulo-cli chart --help\" zeigt die Optionen.");
        }
    }

    if (!request.table.outputPath)
        return BadInput("Die Option --output fehlt: \"crepulo-cli chart\" schreibt ein Bild in eine Datei "
                        "(.png oder .svg).");
    const std::string& path = *request.table.outputPath;
    if (EndsWithNoCase(path, ".png"))
        request.format = ChartImageFormat::Png;
    else if (EndsWithNoCase(path, ".svg"))
        request.format = ChartImageFormat::Svg;
    else
        return BadInput("Unbekanntes Bildformat für \"" + path + "\": der Dateiname muss auf .png oder .svg enden.");
    return std::nullopt;
}

std::string RenderChartImage(const ChartRequest& request)
{
    const ChartData data = ChartDataOf(request);
    const QSize size(data.frame.Width(), data.frame.Height());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (request.format == ChartImageFormat::Png) {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintChart(painter, data);
        painter.end();
        image.save(&buffer, "PNG");
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Crepulo"));
        svg.setDescription(QStringLiteral("Dämmerungszeiten"));
        QPainter painter(&svg);
        PaintChart(painter, data);
        painter.end();
    }
    return bytes.toStdString();
}

int RunChartCommand(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::string help = "Aufruf: crepulo-cli chart [Optionen] --output DATEI.png|DATEI.svg\n"
                               "Zeichnet die Grafik der Dämmerungszeiten wie der Dialog sie zeigt, in der\n"
                               "Größe seines Grafikbereichs, als PNG- oder SVG-Bild (nach der Dateiendung).\n"
                               "Ohne --month das ganze Jahr, mit --month diesen Monat, mit --month und --day\n"
                               "diesen einen Tag.\n\nOptionen:\n";
            help += TableOptionsHelp();
            help += kChartOptionsHelp;
            help += "  --help                diese Hilfe\n";
            return WriteToStdout(help) ? kExitOk : kExitFileError;
        }
    }

    ChartRequest request;
    request.table = DefaultTableRequest(CurrentUtcYear());
    if (const std::optional<CliError> error = ParseChartOptions(args, request)) {
        PrintError(error->message);
        return error->exitCode;
    }

    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    const std::string bytes = RenderChartImage(request);
    const std::string& path = *request.table.outputPath;
    if (bytes.empty()) {
        PrintError("Das Bild \"" + path + "\" konnte nicht erzeugt werden.");
        return kExitFileError;
    }
    switch (WriteTableFile(path, bytes)) {
    case WriteStatus::Written:
        return kExitOk;
    case WriteStatus::OpenFailed:
        PrintError(OpenFailedMessage(path));
        return kExitFileError;
    case WriteStatus::WriteFailed:
        PrintError("Konnte \"" + path + "\" nicht vollständig schreiben; das Bild wurde nicht gespeichert.");
        return kExitFileError;
    }
    return kExitFileError;
}
