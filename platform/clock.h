#pragma once
// The wall clock in local time.

namespace tagpress {

struct LocalDateTime {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

LocalDateTime Now();

}  // namespace tagpress
