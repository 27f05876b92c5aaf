#pragma once

#include "interaction/Prompter.h"

namespace ui {

// The Prompter with real Qt dialogs: message and input boxes, open and save dialogs, the folder
// picker, the format dialog and the shell's copy dialog with its question before replacing a file.
// Paths cross it in Windows form; the pickers (WorkstationFileDialog) browse the workstation's drives
// by their letters and never show the host folders behind them. The only place that uses QMessageBox
// and QInputDialog.
class QtPrompter : public interaction::Prompter {
public:
    interaction::Answer message(const interaction::MessageBox& box) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const interaction::FileDialog& dialog) override;
    QString saveFile(const interaction::FileDialog& dialog) override;
    QString browseForFolder(void* owner, const QString& instruction) override;
    int formatDrive(void* owner, int drive) override;
    std::unique_ptr<interaction::CopyProgress> copyProgress(void* owner, const QString& from,
                                                            const QString& to) override;
    bool confirmReplace(void* owner, const QString& existing) override;

    using Prompter::message;
};

} // namespace ui
