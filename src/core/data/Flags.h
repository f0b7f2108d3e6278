#pragma once

#include <QString>
#include <Qt>

// Every yes/no value in the database is the text "TRUE" or "FALSE"; TRUE in
// any case reads as set, anything else (empty, YES, 1) as not set.
QString CheckToText(Qt::CheckState state);
Qt::CheckState TextToCheck(const QString &text);
bool TextToBool(const QString &text);
// The stored form of a flag.
QString BoolToText(bool value);
