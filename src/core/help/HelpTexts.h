#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help topics, in the order the help window lists them: the six of the
// program and the one on the computer voice.
namespace HelpTexts {

struct Topic
{
    QString name;
    QString text;
};

QList<Topic> topics();

} // namespace HelpTexts
