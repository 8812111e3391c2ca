#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// The options of a program's command line as one table, from which both the
// parser and the Czech --help are made, so that the two never disagree.
struct OptionText
{
    QStringList names;
    QString valueName; // empty for a switch
    QString description;
};

void addOptions(QCommandLineParser &parser, const QList<OptionText> &options);

// One line per option, in the table's order: "  -h, --help  vypíše …".
QString optionHelpLines(const QList<OptionText> &options);

// Why the parser refused the arguments, in Czech: QCommandLineParser's own
// texts are English, and users of the programs read Czech.
QString parserErrorText(const QCommandLineParser &parser, const QList<OptionText> &options,
                        const QStringList &arguments);
