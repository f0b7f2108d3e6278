#pragma once

#include <QString>

// Fills the database in `folder` with `lists` word lists, each with
// `words` words and `tests` finished tests with their attempts, as years of
// family use would leave it. Returns the identifier of the newest list.
qint32 makeDatabase(const QString &folder, int lists, int words = 20, int tests = 10);
