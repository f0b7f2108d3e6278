#pragma once

#include <QString>

// The message time as the options window shows it and as it is stored
// (half-second ticks).
namespace MessageTimes {

// 0 "None", 9999 "Indefinately", 2 "1 Second", 6 "3 Seconds", 7 "3.5 Seconds".
QString SetTimeCombo(qint32 m_StoredValue);

// "None" 0; empty 6; "Indef..." 9999; a first word that is a number N gives
// N rounded (a half to the even neighbour) times 2; anything else 6.
qint32 GetTimeFromCombo(const QString &text);

} // namespace MessageTimes
