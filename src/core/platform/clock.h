#pragma once

namespace finplan {

// A local date and time of day.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Where the core learns today's date and time, so runs are reproducible in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The machine's local clock.
class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
};

// A clock that always says the same time.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime at)
        : m_at(at) {}
    LocalDateTime now() const override { return m_at; }

private:
    LocalDateTime m_at;
};

} // namespace finplan
