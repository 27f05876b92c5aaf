#pragma once

#include <QList>
#include <QString>

#include "interaction/Prompter.h"

class QWidget;

// The standard open and save dialogs and the folder picker, owned by a window, as the programs'
// windows call them.
namespace ui {

// The file-name buffer the dialogs fill: 254 characters.
inline constexpr int fileBufferLength = 254;

// "Exe files (*.exe)" and "Batch files (*.bat)".
QList<interaction::FileFilter> defaultFileFilter();

// The chosen path, or an empty string when the user cancels.
QString OpenFileDialog(QWidget* owner, const QList<interaction::FileFilter>& filter = defaultFileFilter(),
                       const QString& initialFolder = QStringLiteral("c:\\"),
                       const QString& title = QStringLiteral("Seleziona il file da aprire"));

// The raw file-name buffer: the chosen path, a NUL and the buffer's blanks, 254 characters in
// all; 254 blanks when the user cancels. Callers cut it at the NUL and trim it.
QString SaveFileDialog(QWidget* owner, const QList<interaction::FileFilter>& filter = defaultFileFilter(),
                       const QString& initialFolder = QStringLiteral("c:\\"),
                       const QString& title = QStringLiteral("Salva il file"));

// The chosen folder without a trailing "\", or an empty string when the user cancels.
QString BrowseForFolder(QWidget* owner, const QString& title);

} // namespace ui
