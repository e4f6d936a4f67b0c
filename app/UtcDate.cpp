#include "app/UtcDate.h"

UtcDate UtcDateOf(std::chrono::system_clock::time_point when)
{
    using namespace std::chrono;
    const year_month_day ymd{floor<days>(when)};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

UtcDate CurrentUtcDate()
{
    return UtcDateOf(std::chrono::system_clock::now());
}
