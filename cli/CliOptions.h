#pragma once
// Command-line options shared by the subcommands of crepulo-cli that work on a
// table: the place, the period, the offsets, the limits and the output file.

#include "schedule/Schedule.h"

#include <optional>
#include <string>
#include <vector>

// Exit codes of crepulo-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;  // the output could not be written
inline constexpr int kExitBadInput = 2;   // refused before anything was written

struct CliError
{
    int exitCode = kExitBadInput;
    std::string message;  // German, UTF-8, without a line end
};

struct TableRequest
{
    ScheduleInput input;                    // what the table is computed from
    int country = 0;                        // index into the country table
    int placePosition = 46;                 // position in that country's place list
    std::optional<std::string> outputPath;  // none: standard output
};

// The dialog's start-up values: Deutschland / PLZ=46 (6 E, 51 N, zone 1), the
// whole year `utcYear`, summer time on, offsets 0, limits 00:00 and 23:59.
TableRequest DefaultTableRequest(int utcYear);

// The current year in UTC.
int CurrentUtcYear();

// Reads the table options from `args` into `request` (which holds the defaults
// on entry): --country, --place, --longitude, --latitude, --timezone, --year,
// --month, --day, --no-summer-time, --morning-offset, --not-before,
// --evening-offset, --not-after, --output; values as "--opt value" or
// "--opt=value". Arguments it does not know are copied to `rest` in order, for
// the subcommand to read or refuse. Returns the first error found.
std::optional<CliError> ParseTableOptions(const std::vector<std::string>& args, TableRequest& request,
                                          std::vector<std::string>& rest);

// One argument of the form "--name" or "--name=value".
struct OptionArg
{
    std::string name;                        // "--name", or the whole argument when it is no option
    std::optional<std::string> inlineValue;  // what follows the first '=' of "--name=value"
};
OptionArg SplitOption(const std::string& arg);

// The value of `option`: its inline value, or else the argument after args[i]
// (then i moves on to it). An error when there is none.
std::optional<CliError> TakeValue(const OptionArg& option, const std::vector<std::string>& args, std::size_t& i,
                                  std::string& value);

// The help text of the table options, one option a line, for the subcommands' --help.
const char* TableOptionsHelp();
