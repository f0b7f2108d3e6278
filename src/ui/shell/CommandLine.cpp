#include "ui/shell/CommandLine.h"

#include <QCoreApplication>
#include <QDir>

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            line.help = true;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            line.version = true;
        } else if (a == QLatin1String("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                line.error
                    = QCoreApplication::translate("CommandLine", "--data-dir needs the folder to keep the lists in.");
                return line;
            }
            line.dataDir = arguments.at(++i);
        } else if (a.startsWith(QLatin1String("--data-dir="))) {
            line.dataDir = a.mid(11);
            if (line.dataDir.isEmpty()) {
                line.error
                    = QCoreApplication::translate("CommandLine", "--data-dir needs the folder to keep the lists in.");
                return line;
            }
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            line.language = a.size() > 6 ? a.mid(7) : arguments.value(++i);
            if (line.language.isEmpty()) {
                line.error
                    = QCoreApplication::translate("CommandLine", "--lang needs a language code, such as de, fr or es.");
                return line;
            }
        } else if (a.startsWith(QLatin1Char('-'))) {
            // Options of the toolkit itself (-platform, -style ...) are
            // left to it.
            if (a == QLatin1String("-platform") || a == QLatin1String("-style") || a == QLatin1String("-display"))
                ++i;
            else if (!a.startsWith(QLatin1String("-qwindow")) && a != QLatin1String("-reverse"))
                line.error = QCoreApplication::translate("CommandLine", "Unknown option: %1").arg(a);
        } else {
            line.error = QCoreApplication::translate("CommandLine", "Unexpected argument: %1").arg(a);
        }
    }
    // Bytes that are no UTF-8 were read as U+FFFD: two such names would be
    // taken for one folder, so none is used.
    if (line.error.isEmpty() && line.dataDir.contains(QChar::ReplacementCharacter))
        line.error = QCoreApplication::translate("CommandLine",
            "The folder given to --data-dir has a name that is not in UTF-8, so Lettermarch "
            "cannot tell which folder it is. Rename the folder, or choose another.");
    return line;
}

QString HelpText(const DataLocation &where)
{
    return QCoreApplication::translate("CommandLine",
        "Usage: Lettermarch [OPTION]...\n"
        "Practise the weekly school spelling words: a parent enters each week's words,\n"
        "a child takes practice tests, and every result is kept.\n"
        "\n"
        "Options:\n"
        "      --data-dir DIR  keep the word lists, recordings and backups in DIR\n"
        "                      (created when missing) and no other: a folder shared\n"
        "                      by the family, say, without its children\n"
        "      --lang CODE     speak the language CODE (de, fr, es, en, ...) instead of\n"
        "                      the system's\n"
        "  -h, --help          show this help and exit\n"
        "  -v, --version       show the version and exit\n"
        "\n"
        "Files:\n"
        "  The data folder holds Lettermarch.mdb (every list, word, test and setting),\n"
        "  Wavs/ (the recordings) and Backups/ (a copy at the first start of a day and\n"
        "  one of the day's work at closing, the last 10). It lies beside the program\n"
        "  when the program's folder already holds a database or can be written;\n"
        "  otherwise it is the user's data folder.\n"
        "\n"
        "  Data folder now: %1 (%2)\n")
        .arg(QDir::toNativeSeparators(where.folder), where.describe());
}

QString VersionText()
{
    return QCoreApplication::translate("CommandLine", "Lettermarch %1\n").arg(QStringLiteral(LETTERMARCH_VERSION));
}
