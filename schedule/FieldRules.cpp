#include "schedule/FieldRules.h"

#include "schedule/RowRules.h"

#include <charconv>
#include <cmath>
#include <string>

FieldRange RangeOf(InputField field)
{
    switch (field) {
    case InputField::Longitude:
        return {-180, 180, true};
    case InputField::Latitude:
        return {-90, 90, true};
    case InputField::TimeZone:
        return {-12, 12, false};
    // Both offsets accept -60..60; the morning message names the same bounds.
    case InputField::MorningOffset:
    case InputField::EveningOffset:
        return {-60, 60, false};
    case InputField::MorningHour:
    case InputField::EveningHour:
        return {0, 23, false};
    case InputField::MorningMinute:
    case InputField::EveningMinute:
        return {0, 59, false};
    }
    return {0, 0, false};
}

std::string RangeMessage(const FieldRange& range)
{
    return "Es dürfen nur Werte zwischen \"" + std::to_string(range.lower) + "\" und \"" + std::to_string(range.upper)
           + "\" eingegeben werden.";
}

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::optional<float> LeadingFloat(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // from_chars takes no '+' and no white space; it reads the longest number
    // that starts here, decimal or "inf"/"nan", independent of the locale.
    if (i >= text.size() || text[i] == '+' || text[i] == '-')
        return std::nullopt;
    float value = 0.0f;
    const auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (ptr == text.data() + i)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a float: "%f" gives infinity, too small: zero.
        const bool huge = [&] {
            for (const char* p = text.data() + i; p < ptr; ++p) {
                if (*p == 'e' || *p == 'E')
                    return p + 1 < ptr && p[1] != '-';
            }
            return true;
        }();
        value = huge ? HUGE_VALF : 0.0f;
    }
    if (std::isnan(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string FormatThreeDecimals(double v)
{
    char buf[512];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    if (ec != std::errc())
        return "0.000";
    return std::string(buf, ptr);
}

FieldCheck CheckField(InputField field, std::string_view text)
{
    const FieldRange range = RangeOf(field);
    FieldCheck check;
    if (range.decimal) {
        const std::optional<float> scanned = LeadingFloat(text);
        float v = scanned.value_or(0.0f);
        if (v < float(range.lower) || v > float(range.upper)) {
            check.refused = true;
            v = 0.0f;
        }
        check.text = FormatThreeDecimals(double(v));
    } else {
        int v = LeadingInteger(text);
        if (v < range.lower || v > range.upper) {
            check.refused = true;
            v = 0;
        }
        check.text = std::to_string(v);
    }
    return check;
}
