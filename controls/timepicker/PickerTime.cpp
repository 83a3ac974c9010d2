#include "controls/timepicker/PickerTime.h"

#include <cmath>

int MinutesOfDay(TTime value) {
  const ClockTime clock = DecodeTime(value);
  return clock.hour * 60 + clock.minute;
}

TTime TimeOfMinutes(int minutesOfDay) { return EncodeTime(minutesOfDay / 60, minutesOfDay % 60, 0, 0); }

PickerValue PickerValueFor(TTime value) {
  const int minutes = MinutesOfDay(value);
  return {TimeOfMinutes(minutes), minutes >= 12 * 60};
}

bool TimeSetterActs(TTime stored, TTime value) {
  double wholePart;
  return std::modf(value, &wholePart) != stored;
}

int HourOfDayFromFace(int faceHour, bool pm) {
  if (pm && faceHour < 12) return faceHour + 12;
  if (!pm && faceHour == 12) return 0;
  return faceHour;
}

int SteppedMinutesOfDay(int minutesOfDay, ClockKeyStep step) {
  const int stepped = (minutesOfDay % MinutesPerDay + static_cast<int>(step)) % MinutesPerDay;
  return stepped < 0 ? stepped + MinutesPerDay : stepped;
}
