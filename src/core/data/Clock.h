#pragma once

#include <QDateTime>

#include <functional>

// The computer's date and time, replaceable so tests can choose "today".
namespace Clock {
QDateTime now();
QDate today();
// An empty function returns to the real clock.
void setNow(std::function<QDateTime()> source);
} // namespace Clock
