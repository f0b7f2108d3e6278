#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// A word's recording is the wave file in the recordings folder named by the
// word's text in upper case: cat is CAT.wav, and Cat and CAT share it. Words
// that could not be a file name as they stand (a / or :, a lone ".", ...) get
// a safe name in which each such character is written as %XX of its UTF-8
// bytes; % itself is written that way too, so two words never share a name.
QString RecordingFileName(const QString &word);
QString RecordingPath(const QString &wavDir, const QString &word);

// Whether a recording is there to be read: a regular file. A folder, a pipe
// or a device under that name is none (reading one could wait for ever).
bool HasRecording(const QString &path);
// Why the recording at `path` is refused, in words for the user: it lasts
// longer than WaveFile::MaxSeconds or is larger than WaveFile::MaxBytes.
// Empty otherwise (a file that is no sound at all simply plays nothing).
QString RecordingProblem(const QString &path);

// Puts the recording at `source` in place as `target` (its folder made when
// missing). A recording already there is replaced only once the copy is
// complete, so a failed copy leaves it as it was. False when nothing could be
// put in place.
bool PutRecording(const QString &source, const QString &target);

// Brings each word's recording (word, file) into `wavDir`: a word that has
// one there already only when `replace(word)` says so, and a file that is
// already the one in place is left as it is. Returns the words whose
// recording could not be put in place.
QStringList PutRecordings(const QList<std::pair<QString, QString>> &recordings, const QString &wavDir,
    const std::function<bool(const QString &word)> &replace);

// Deletes one file; never fails towards the caller (missing file, bad path,
// file in use are all passed over).
void KillFile(const QString &path);
