#include "engine/birthday.h"

#include <array>

namespace finplan {

namespace {

constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int daysSinceBirthday(int month, int day, int birthMonth, int birthDay) {
    if (month == birthMonth) {
        if (day > birthDay) {
            return day - birthDay;
        }
        if (day < birthDay) {
            return 365 - (birthDay - day);
        }
        return 0;
    }
    int days = kMonthDays[static_cast<std::size_t>(birthMonth - 1)] - birthDay;
    for (int m = birthMonth % 12 + 1; m != month; m = m % 12 + 1) {
        days += kMonthDays[static_cast<std::size_t>(m - 1)];
    }
    return days + day;
}

} // namespace

float yearsSinceBirthday(const LocalDateTime& today, int birthMonth, int birthDay) {
    if (birthMonth < 1 || birthMonth > 12 || today.month < 1 || today.month > 12) {
        return 0.0f;
    }
    int days = daysSinceBirthday(today.month, today.day, birthMonth, birthDay);
    if (days >= 365) {
        days = 364;
    }
    if (days < 0) {
        days = 0;
    }
    return static_cast<float>(days) * 0.0027397260273972603f;
}

} // namespace finplan
