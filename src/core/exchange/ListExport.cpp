#include "core/exchange/ListExport.h"

#include "core/audio/RecordingFiles.h"
#include "core/data/Clock.h"
#include "core/data/Flags.h"
#include "core/data/ListNames.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"
#include "core/data/WholeFile.h"
#include "core/exchange/Csv.h"
#include "core/exchange/Kvtml.h"
#include "core/lists/ListLanguage.h"
#include "core/practice/WordOrder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ListExport {

QList<WordEntry> Entries(Store &store, qint32 listId, const QString &wavDir, WordOrder order, RandomSource *random)
{
    const Clock clock;
    RandomSource own(clock);
    const TestWords words = LoadTestWords(store, random ? *random : own, listId, order);
    QList<WordEntry> entries;
    for (const QString &id : words.sequence) {
        if (id.isEmpty())
            continue;
        const WordRow row = words.rows.value(id.toInt());
        WordEntry e;
        e.word = row.word;
        e.definition = row.definition;
        e.sentence = row.sentence;
        e.caseSensitive = TextToBool(row.caseSensitive);
        const QString wav = RecordingPath(wavDir, row.word);
        if (HasRecording(wav))
            e.recording = wav;
        entries << e;
    }
    return entries;
}

QString Title(Store &store, qint32 listId)
{
    return QCoreApplication::translate("ListExport", "Spelling words for %1")
        .arg(ListNames::titled(GetListTestDate(store, listId), ListNames::of(store, listId)));
}

namespace {
// A vocabulary file carries the list's own name, so an import names it again.
QString fileTitle(Store &store, qint32 listId)
{
    const QString name = ListNames::of(store, listId);
    return name.isEmpty() ? Title(store, listId) : name;
}
} // namespace

namespace {
QString save(const QString &path, const QByteArray &bytes)
{
    if (const QString why = WriteWholeFile(path, bytes); !why.isEmpty())
        return QCoreApplication::translate("ListExport", "The list could not be saved as %1: %2")
            .arg(QDir::toNativeSeparators(path), why);
    return {};
}

QList<WordEntry> withoutRecordings(QList<WordEntry> entries)
{
    for (WordEntry &e : entries)
        e.recording.clear();
    return entries;
}
} // namespace

QString WriteFile(Store &store, qint32 listId, const QString &path, const QString &wavDir)
{
    const QList<WordEntry> entries = withoutRecordings(Entries(store, listId, wavDir));
    if (QFileInfo(path).suffix().compare(QLatin1String("kvtml"), Qt::CaseInsensitive) == 0)
        return save(path, Kvtml::write(fileTitle(store, listId), entries, ListLanguage::code(store, listId)));
    return save(path, Csv::write(entries).toUtf8());
}

bool FolderHoldsExport(const QString &folder)
{
    const QDir dir(folder);
    for (const char *name : {"list.csv", "list.kvtml", "Wavs"}) {
        if (QFileInfo(dir.filePath(QString::fromLatin1(name))).exists()
            || QFileInfo(dir.filePath(QString::fromLatin1(name))).isSymLink())
            return true;
    }
    return false;
}

QString WriteFolder(Store &store, qint32 listId, const QString &folder, const QString &wavDir)
{
    QDir dir(folder);
    // Nothing is written through a link: it could point anywhere, and the user
    // chose this folder, not where the link leads.
    auto linked = [](const QString &path) { return QFileInfo(path).isSymLink(); };
    QList<WordEntry> entries = Entries(store, listId, wavDir);
    QStringList targets {folder, dir.filePath(QStringLiteral("Wavs")), dir.filePath(QStringLiteral("list.kvtml")),
        dir.filePath(QStringLiteral("list.csv"))};
    for (const WordEntry &e : std::as_const(entries)) {
        if (!e.recording.isEmpty())
            targets << dir.filePath(QStringLiteral("Wavs/") + QFileInfo(e.recording).fileName());
    }
    for (const QString &target : std::as_const(targets)) {
        if (linked(target))
            return QCoreApplication::translate("ListExport",
                "%1 is a link to somewhere else, so nothing was written. Choose another folder, "
                "or remove the link.")
                .arg(QDir::toNativeSeparators(target));
    }
    if (!dir.mkpath(QStringLiteral("Wavs")))
        return QCoreApplication::translate("ListExport", "The folder %1 could not be made.")
            .arg(QDir::toNativeSeparators(folder));
    for (WordEntry &e : entries) {
        if (e.recording.isEmpty())
            continue;
        const QString name = QFileInfo(e.recording).fileName();
        const QString target = dir.filePath(QStringLiteral("Wavs/") + name);
        QFile::remove(target);
        if (!QFile::copy(e.recording, target))
            return QCoreApplication::translate("ListExport", "The recording of \"%1\" could not be copied to %2.")
                .arg(e.word, QDir::toNativeSeparators(target));
        e.recording = QStringLiteral("Wavs/") + name;
    }
    if (const QString problem = save(dir.filePath(QStringLiteral("list.kvtml")),
            Kvtml::write(fileTitle(store, listId), entries, ListLanguage::code(store, listId)));
        !problem.isEmpty())
        return problem;
    return save(dir.filePath(QStringLiteral("list.csv")), Csv::write(withoutRecordings(entries)).toUtf8());
}

} // namespace ListExport
