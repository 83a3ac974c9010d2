#pragma once
// The configure callback's work: the dialog filled from the record, run modally, the
// record re-read from the registry however it closed, the dialog destroyed.
class AlarmClock;

void RunConfiguration(AlarmClock& data);
