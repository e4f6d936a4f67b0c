#pragma once
#include <cstdio>
#include <string>

// "HH:MM", so that a failure reads at a glance.
inline std::string Hhmm(int hour, int minute)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}
