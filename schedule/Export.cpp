#include "schedule/Export.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// Windows-1252 bytes 0x80..0x9F and the characters they stand for; 0 marks the
// five bytes that code page leaves undefined.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char ToCodePage(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

std::string ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            c = lead & 0x07;
        }
        bool valid = length > 0 && i + std::size_t(length) <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(ToCodePage(c));
        i += std::size_t(length);
    }
    return out;
}

std::string ExportTableBytes(const std::vector<ScheduleRow>& rows)
{
    std::string out = ToWindows1252(kExportHeading);
    out += "\r\n";
    out.reserve(out.size() + rows.size() * 26);
    for (const ScheduleRow& row : rows) {
        out += ToWindows1252(row.date);
        out += "\t\t";
        out += ToWindows1252(row.morning);
        out += "\t\t";
        out += ToWindows1252(row.evening);
        out += "\r\n";
    }
    return out;
}

std::string SuggestedFileName(std::string_view countryText, std::string_view placeText, int placePosition)
{
    std::string name = "Crepulo - Land-";
    name += countryText;
    name += placePosition == 0 ? " - PLZ-" : " - Stadt-";
    name += placeText;
    name += ".txt";
    return name;
}

namespace {

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

bool WriteAll(const fs::path& path, std::string_view bytes, bool& opened)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    opened = out.is_open();
    if (!opened)
        return false;
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.flush();
    const bool written = out.good();
    out.close();
    return written && !out.fail();
}

fs::path TemporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        fs::path candidate = target;
        candidate += ".tmp-" + std::to_string(stamp) + "-" + std::to_string(counter++);
        std::error_code ec;
        if (!fs::exists(candidate, ec))
            return candidate;
    }
}

} // namespace

WriteStatus WriteTableFile(const std::string& path, std::string_view bytes)
{
    std::error_code ec;
    fs::path target;
    try {
        target = PathFromUtf8(path);
    } catch (const std::system_error&) {
        // Windows keeps names in UTF-16: bytes that are no UTF-8 name no file.
        return WriteStatus::OpenFailed;
    }
    if (target.empty())
        return WriteStatus::OpenFailed;
    // Replace the file a link points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::file_status status = fs::status(target, ec);
    const bool exists = fs::exists(status);

    // Devices and pipes cannot be replaced by a rename: write them in place.
    if (exists && !fs::is_regular_file(status)) {
        if (fs::is_directory(status))
            return WriteStatus::OpenFailed;
        bool opened = false;
        const bool written = WriteAll(target, bytes, opened);
        return !opened ? WriteStatus::OpenFailed : written ? WriteStatus::Written : WriteStatus::WriteFailed;
    }

    // An existing file must be writable as such, as if it were opened directly.
    if (exists) {
        std::ofstream probe(target, std::ios::binary | std::ios::in | std::ios::out);
        if (!probe.is_open())
            return WriteStatus::OpenFailed;
    }

    const fs::path temporary = TemporaryBeside(target);
    bool opened = false;
    bool written = WriteAll(temporary, bytes, opened);
    if (!opened) {
        fs::remove(temporary, ec);
        if (!exists)
            return WriteStatus::OpenFailed;
        // A folder that takes no new file can still hold a writable file:
        // write that one in place rather than refuse.
        written = WriteAll(target, bytes, opened);
        return !opened ? WriteStatus::OpenFailed : written ? WriteStatus::Written : WriteStatus::WriteFailed;
    }
    if (!written) {
        fs::remove(temporary, ec);
        return WriteStatus::WriteFailed;
    }
    if (exists)
        fs::permissions(temporary, fs::status(target, ec).permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return WriteStatus::WriteFailed;
    }
    return WriteStatus::Written;
}

std::string OpenFailedMessage(std::string_view path)
{
    std::string text = "Konnte \"";
    text += path;
    text += "\" nicht zum schreiben öffnen.";
    return text;
}

std::string WriteFailedMessage(std::string_view path)
{
    std::string text = "Konnte \"";
    text += path;
    text += "\" nicht vollständig schreiben; die Tabelle wurde nicht gespeichert.";
    return text;
}
