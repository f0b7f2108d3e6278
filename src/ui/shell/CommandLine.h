#pragma once

#include "core/data/DataFolder.h"

#include <QString>
#include <QStringList>

// What the program was asked on its command line.
struct CommandLine
{
    QString dataDir; // --data-dir DIR
    QString language; // --lang CODE
    bool help = false; // -h, --help
    bool version = false; // -v, --version
    QString error; // a word it does not know, or --data-dir without a folder
};

// `arguments` without the program's own name.
CommandLine ParseCommandLine(const QStringList &arguments);

// The texts of --help (in the form help2man reads) and --version.
QString HelpText(const DataLocation &where);
QString VersionText();
