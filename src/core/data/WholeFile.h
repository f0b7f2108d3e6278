#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file or nothing: the bytes go to a temporary file beside it,
// which replaces the earlier file only once every byte has reached the disk.
// Returns why it failed (the disk is full, the folder cannot be written), or
// empty; on failure the earlier file is exactly as it was.
QString WriteWholeFile(const QString &path, const QByteArray &bytes);
