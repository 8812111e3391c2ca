#pragma once

#include <QString>
#include <functional>

class QAction;

// Every file dialog of the program goes through here. By default the user is
// asked in a modal dialog; tests answer in its place, so that nothing ever
// waits for a click.
struct SaveFileQuestion
{
    QString caption;
    QString suggestedPath;
    QString filter;
    // Off where the file is added to, not replaced.
    bool confirmOverwrite = true;
    // An existing file to read rather than a place to save.
    bool toOpen = false;
};

using SaveFileAnswerer = std::function<QString(const SaveFileQuestion &)>;

// The chosen path, or an empty string when the user cancelled.
QString askSaveFileName(const SaveFileQuestion &question);

// Installs an answerer and returns the one it replaces; an empty one restores
// the dialog.
SaveFileAnswerer setSaveFileAnswerer(SaveFileAnswerer answerer);

// A file name in the save folder for something made now, such as
// zunov-2024-05-17-143015.csv for ("zunov", "csv").
QString suggestedPath(const QString &baseName, const QString &suffix);

// The folder save dialogs open in; empty, the default: the working folder.
// It follows every file chosen in a save dialog, and the keeper is told of
// it, so that the next start opens there again.
QString saveFolder();
void setSaveFolder(const QString &folder);
using SaveFolderKeeper = std::function<void(const QString &)>;
void setSaveFolderKeeper(SaveFolderKeeper keeper);

// The dialog caption for a menu item: its text without the mnemonic and the
// dots that promise a dialog.
QString dialogCaption(const QAction *action);
