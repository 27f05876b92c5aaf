#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "explorer/store/CardListWindow.h"
#include "interaction/Prompter.h"

namespace utilex {
class _UtilexClass;
}

namespace transfer {

// What the CSV exchange and the model imports need of the main window, beyond its card list,
// status bar and progress bar.
class TransferWindow : public store::CardListWindow {
public:
    // BrowseForFolder owned by the window: the folder without a trailing "\", empty on Cancel.
    virtual QString browseForFolder(const QString& title) = 0;
    // OpenFileDialog owned by the window; no title gives the dialog's default one. Empty on Cancel.
    virtual QString openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                                   const std::optional<QString>& title) = 0;
    // GetAppFolder(): the program's folder, ending with "\".
    virtual QString appFolder() const = 0;
    // Selects the archive in the archive list and runs the list's click handling, which fills the
    // card list again.
    virtual void showArchive(const QString& archiveName) = 0;
    // Shows the Accumark area chooser modally and unloads it: the entry it hands back, empty when
    // the user cancelled.
    virtual QString chooseAccumarkArea() = 0;
    // The process's utility object.
    virtual utilex::_UtilexClass& utility() = 0;
};

} // namespace transfer
