#pragma once
// The exported table file: Windows-1252, CR LF after every line, a heading with
// single tabs and one line per row with double tabs between the columns.

#include "schedule/Schedule.h"

#include <string>
#include <string_view>
#include <vector>

// The heading line without its line end, in UTF-8.
inline constexpr std::string_view kExportHeading = "Datum (Jahr-Monat-Tag)\tMorgendämmerung\tAbenddämmerung";

// UTF-8 text in Windows-1252. Characters that code page lacks become '?', and
// so does every byte of a malformed sequence.
std::string ToWindows1252(std::string_view utf8);

// The whole file, byte for byte, for rows given as UTF-8 texts.
std::string ExportTableBytes(const std::vector<ScheduleRow>& rows);

// "Crepulo - Land-<country> - PLZ-<place>.txt" when the first place of the
// list is chosen (placePosition 0), otherwise "... - Stadt-<place>.txt".
std::string SuggestedFileName(std::string_view countryText, std::string_view placeText, int placePosition);

enum class WriteStatus
{
    Written,
    OpenFailed,   // nothing written, an existing file untouched
    WriteFailed,  // writing or closing failed; an existing regular file untouched
};

// Writes `bytes` to the file at `path` (UTF-8), creating or replacing it. A
// regular file is written to a temporary file beside it and renamed over it, so
// it never holds half a table; a device or pipe (such as /dev/stdout) is
// written in place. Write and close errors are reported, not ignored. Where
// file names are UTF-16 (Windows), a path that is not UTF-8 gives OpenFailed.
WriteStatus WriteTableFile(const std::string& path, std::string_view bytes);

// "Konnte \"PATH\" nicht zum schreiben öffnen." (UTF-8)
std::string OpenFailedMessage(std::string_view path);
// The message for a failed write or close (UTF-8).
std::string WriteFailedMessage(std::string_view path);
