#pragma once
// The simulation's time, in milliseconds since the simulation started.

#include <chrono>
#include <cstdint>

namespace sim {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
};

class SteadyClock final : public Clock {
  public:
    std::int64_t nowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now() - start_).count();
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A clock that moves only when told: for tests.
class ManualClock final : public Clock {
  public:
    std::int64_t nowMs() const override { return now_; }
    void advance(std::int64_t ms) { now_ += ms; }

  private:
    std::int64_t now_ = 0;
};

}  // namespace sim
