#pragma once

#include <QDateTime>

#include <functional>

// The computer's date and time, replaceable so tests can choose "today".
class Clock
{
public:
    QDateTime now() const { return m_source ? m_source() : QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }
    // An empty function returns to the real clock.
    void setNow(std::function<QDateTime()> source) { m_source = std::move(source); }

private:
    std::function<QDateTime()> m_source;
};
