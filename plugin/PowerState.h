#pragma once
// What Windows says about waking this PC: the active power plan's "Allow wake timers"
// (Vista on), the power source and Modern Standby. The power functions are looked up at
// run time: on XP there is no plan, and the facts say nothing of it.
#include "alarm/WakeReadiness.h"

PowerFacts ReadPowerFacts();
