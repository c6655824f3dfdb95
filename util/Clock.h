#pragma once

// The program's clock. Everything that stamps or compares dates (the log, its retention)
// asks here, so that tests can fix the date and cross midnight.

#include <QDateTime>

#include <functional>

// The current local date and time.
QDateTime Now();

// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<QDateTime()> aClock);
