#include "core/app/Family.h"

#include "core/data/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString FolderKey = QStringLiteral("folder");
const QString NameKey = QStringLiteral("name");

// At most `length` characters, never half of a character made of two.
QString cut(const QString &text, qsizetype length)
{
    QString out = text.left(length);
    if (!out.isEmpty() && out.back().isHighSurrogate())
        out.chop(1);
    return out;
}

// Blanks and dots at either end make names that hide, or that mean "this
// folder" or "the one above".
QString trimDotsAndBlanks(QString text)
{
    while (!text.isEmpty() && (text.front() == QLatin1Char('.') || text.front().isSpace()))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == QLatin1Char('.') || text.back().isSpace()))
        text.chop(1);
    return text;
}

bool takenIgnoringCase(const QString &name, const QStringList &taken)
{
    return std::any_of(
        taken.begin(), taken.end(), [&name](const QString &t) { return t.compare(name, Qt::CaseInsensitive) == 0; });
}

} // namespace

QString Family::cleanName(const QString &typed, QString *problem)
{
    QString name;
    for (const QChar c : typed)
        name += c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
    name = name.trimmed();
    if (name.isEmpty() && problem)
        *problem = QCoreApplication::translate("Family", "Type the child's name.");
    return name;
}

QString Family::folderNameFor(const QString &name, const QStringList &taken)
{
    static const QString notInFileNames = QStringLiteral("/\\:*?\"<>|");
    QString base;
    for (const QChar c : name)
        base += c.category() == QChar::Other_Control || notInFileNames.contains(c) ? QLatin1Char('_') : c;
    base = trimDotsAndBlanks(cut(trimDotsAndBlanks(base), LongestFolderName));
    if (base.count(QLatin1Char('_')) == base.size())
        base = QStringLiteral("Child");
    QString candidate = base;
    for (int n = 2; takenIgnoringCase(candidate, taken); ++n) {
        const QString suffix = QStringLiteral(" %1").arg(n);
        candidate = trimDotsAndBlanks(cut(base, LongestFolderName - suffix.size())) + suffix;
    }
    return candidate;
}

Family Family::read(const QString &familyFolder, QStringList *skipped)
{
    Family family;
    family.m_folder = QDir::cleanPath(familyFolder);
    family.m_children.append({QString(), family.m_folder});
    const auto skip = [skipped](const QString &what) {
        if (skipped)
            *skipped << what;
    };
    const QDir home(family.m_folder);
    const QString childrenPrefix = QString::fromLatin1(ChildrenFolder) + QLatin1Char('/');
    const auto listed = [&family](const QString &folder) {
        return std::any_of(family.m_children.begin(), family.m_children.end(),
            [&folder](const Child &c) { return c.folder == folder; });
    };

    QFile file(home.filePath(QString::fromLatin1(FileName)));
    if (file.exists()) {
        QJsonParseError error {};
        const QJsonDocument doc
            = file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll(), &error) : QJsonDocument();
        if (!doc.isObject() || error.error != QJsonParseError::NoError) {
            family.m_unreadable = true;
            skip(QCoreApplication::translate("Family",
                "The list of children (%1) could not be read. It was left as it is, and the "
                "children's folders were looked for instead.")
                     .arg(QString::fromLatin1(FileName)));
        }
        const QJsonObject root = doc.object();
        for (const QJsonValue &entry : root.value(QStringLiteral("children")).toArray()) {
            const QJsonObject child = entry.toObject();
            QString name = cleanName(child.value(NameKey).toString(), nullptr);
            const QString relative = child.value(FolderKey).toString();
            if (relative == QStringLiteral(".")) {
                family.m_children.first().name = name;
                continue;
            }
            // Only a folder this program made: one level below Children.
            const QString inside = relative.mid(childrenPrefix.size());
            if (!relative.startsWith(childrenPrefix) || inside.isEmpty() || inside.contains(QLatin1Char('/'))
                || trimDotsAndBlanks(inside) != inside) {
                skip(QCoreApplication::translate(
                    "Family", "\"%1\" was left out: the folder \"%2\" is not a child's folder.")
                         .arg(name, relative));
                continue;
            }
            const QString folder = QDir::cleanPath(home.filePath(relative));
            if (!QFileInfo(folder).isDir()) {
                skip(QCoreApplication::translate("Family", "\"%1\" was left out: the folder \"%2\" is gone.")
                         .arg(name, relative));
                continue;
            }
            if (listed(folder))
                continue;
            family.m_children.append({name.isEmpty() ? inside : name, folder});
        }
        family.setLast(root.value(QStringLiteral("last")).toInt(0));
        const QJsonObject pin = root.value(QStringLiteral("pin")).toObject();
        family.m_pin = {QByteArray::fromBase64(pin.value(QStringLiteral("salt")).toString().toLatin1()),
            pin.value(QStringLiteral("iterations")).toInt(0),
            QByteArray::fromBase64(pin.value(QStringLiteral("hash")).toString().toLatin1())};
    }

    // A child's folder the file does not name (the file was lost or garbled)
    // is still that child's: it is shown under its folder's name.
    const QDir children(home.filePath(QString::fromLatin1(ChildrenFolder)));
    for (const QFileInfo &info : children.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = QDir::cleanPath(info.absoluteFilePath());
        if (listed(folder))
            continue;
        family.m_children.append({info.fileName(), folder});
        skip(QCoreApplication::translate(
            "Family", "The folder \"%1\" was not in the list of children; it is shown as \"%2\".")
                 .arg(childrenPrefix + info.fileName(), info.fileName()));
    }
    return family;
}

bool Family::write(QString *problem)
{
    const QDir home(m_folder);
    const QString path = home.filePath(QString::fromLatin1(FileName));
    // A file that could not be read may still mean something to someone.
    if (m_unreadable && QFile::exists(path)) {
        QString kept = home.filePath(QStringLiteral("Family-unreadable.json"));
        for (int n = 2; QFile::exists(kept); ++n)
            kept = home.filePath(QStringLiteral("Family-unreadable-%1.json").arg(n));
        if (!QFile::rename(path, kept)) {
            *problem = QCoreApplication::translate("Family", "The unreadable list of children could not be put aside.");
            return false;
        }
    }
    QJsonArray list;
    for (qsizetype i = 0; i < m_children.size(); ++i) {
        const Child &c = m_children.at(i);
        list.append(QJsonObject {
            {NameKey, c.name}, {FolderKey, i == 0 ? QStringLiteral(".") : home.relativeFilePath(c.folder)}});
    }
    QJsonObject root {{QStringLiteral("children"), list}, {QStringLiteral("last"), m_last}};
    if (m_pin.isSet()) {
        root.insert(QStringLiteral("pin"),
            QJsonObject {{QStringLiteral("salt"), QString::fromLatin1(m_pin.salt.toBase64())},
                {QStringLiteral("iterations"), m_pin.iterations},
                {QStringLiteral("hash"), QString::fromLatin1(m_pin.hash.toBase64())}});
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(root).toJson()) < 0 || !out.commit()) {
        *problem = out.errorString();
        return false;
    }
    m_unreadable = false;
    return true;
}

void Family::setLast(qsizetype index)
{
    m_last = index >= 0 && index < m_children.size() ? index : 0; // the first child when out of range
}

qsizetype Family::add(const QString &name, const QString &firstName, QString *problem)
{
    const QString clean = cleanName(name, problem);
    if (clean.isEmpty())
        return -1;
    QString first = m_children.first().name;
    if (first.isEmpty() && (first = cleanName(firstName, problem)).isEmpty())
        return -1;
    const QDir children(QDir(m_folder).filePath(QString::fromLatin1(ChildrenFolder)));
    // Names on the disk count too: a folder is never shared.
    QStringList taken = children.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const Child &c : std::as_const(m_children))
        taken << QFileInfo(c.folder).fileName();
    const QString folder = QDir::cleanPath(children.filePath(folderNameFor(clean, taken)));
    if (!QDir().mkpath(folder)) {
        *problem = QCoreApplication::translate("Family", "The folder \"%1\" could not be made.")
                       .arg(QDir::toNativeSeparators(folder));
        return -1;
    }
    m_children.first().name = first;
    m_children.append({clean, folder});
    return m_children.size() - 1;
}

bool Family::remove(qsizetype index, const QDate &today, QString *problem)
{
    if (index <= 0 || index >= m_children.size()) {
        *problem = QCoreApplication::translate("Family",
            "The first child's lists are the family's own folder, so they cannot be removed. "
            "The child can be renamed instead.");
        return false;
    }
    const Child child = m_children.at(index);
    {
        FolderLock lock(child.folder);
        if (lock.claim() != FolderLock::State::Claimed) {
            *problem = QCoreApplication::translate(
                "Family", "%1's lists are open in another copy of Lettermarch. Close it first.")
                           .arg(child.name);
            return false;
        }
    }
    const QDir removed(QDir(m_folder).filePath(QString::fromLatin1(RemovedFolder)));
    const QString base = QFileInfo(child.folder).fileName() + QLatin1Char(' ') + today.toString(Qt::ISODate);
    QString target = removed.filePath(base);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = removed.filePath(base + QStringLiteral(" (%1)").arg(n));
    if (!removed.mkpath(QStringLiteral(".")) || !QDir().rename(child.folder, target)) {
        *problem
            = QCoreApplication::translate("Family", "%1's folder could not be moved to \"%2\"; nothing was removed.")
                  .arg(child.name, QDir::toNativeSeparators(removed.path()));
        return false;
    }
    m_children.removeAt(index);
    m_last = m_last == index ? 0 : m_last > index ? m_last - 1 : m_last;
    return true;
}

bool Family::rename(qsizetype index, const QString &name, QString *problem)
{
    const QString clean = cleanName(name, problem);
    if (clean.isEmpty() || index < 0 || index >= m_children.size())
        return false;
    m_children[index].name = clean;
    return true;
}
