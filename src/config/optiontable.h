#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// The options of a program's command line as one table, from which both the
// parser and the --help are made, so that the two never disagree. Value names
// and descriptions come in the language they are shown in.
struct OptionText
{
    QStringList names;
    QString valueName; // empty for a switch
    QString description;
};

void addOptions(QCommandLineParser &parser, const QList<OptionText> &options);

// One line per option, in the table's order: "  -h, --help  vypíše …".
QString optionHelpLines(const QList<OptionText> &options);

// Why the parser refused the arguments, in the program's own words (Czech,
// or their translation): QCommandLineParser's own texts are English only.
QString parserErrorText(const QCommandLineParser &parser, const QList<OptionText> &options,
                        const QStringList &arguments);
