#include <windows.h>

#include "platform/clock.h"

namespace pictavue {

DateTime LocalDateTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return DateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace pictavue
