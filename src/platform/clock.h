#pragma once

namespace pictavue {

// A local date and time, as the pages write it.
struct DateTime {
  int Year = 0;
  int Month = 0;  // 1 to 12
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// The current date and time in the user's time zone. A clock the system cannot read gives the
// zero DateTime rather than failing: the pages only mention the time in a comment.
DateTime LocalDateTime();

}  // namespace pictavue
