#pragma once
// The configure callback's work: the dialog filled from the alarm, run modally, and
// destroyed however it closed. Only "Save settings" and the alarm options' "OK"
// change the alarm.
class AlarmClock;

void RunConfiguration(AlarmClock& alarm);
