#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include "interaction/Prompter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ui {

// The suite's open, save and folder pickers, over the workstation rather than the host: the
// drives by their letters as the places (LstUnita: removable drives marked, a drive without its
// disk shown as not ready), the folder shown (TxtCartella, where a typed folder opens) with
// CmdSu for the folder above, its folders and files (LstFile), the name (TxtNomeFile), the file
// types (CmbTipoFile), CmdOk and CmdAnnulla. Only Windows-form paths show and come back.
// From the keyboard: Return opens the folder or takes the file chosen in LstFile, Backspace goes
// up, Return in TxtNomeFile chooses (a folder's name opens it, a name with * or ? lists what
// matches), Esc cancels.
class WorkstationFileDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Open, Save, Folder };

    WorkstationFileDialog(Mode mode, const QString& title, QWidget* parent = nullptr);

    // "File CSV (*.csv)" with "*.csv", shown in this order; none lists every file.
    void setFilters(const QList<interaction::FileFilter>& filters);
    // Shows the folder, else the nearest folder above it, else the current drive's root, else
    // the first drive that is ready.
    void setFolder(const QString& windowsFolder);
    // The folder shown, ending in "\".
    QString folder() const { return m_folder; }
    // What the user chose: a file's path, or a folder without its final "\" (but "C:\").
    QString chosenPath() const { return m_chosen; }
    // The captions of the places, in the drives' order.
    QStringList places() const;
    // The names LstFile shows, folders first.
    QStringList shownEntries() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fillPlaces();
    void openFolder(const QString& folder);
    void openDrive(QListWidgetItem* place);
    void openTypedFolder();
    void goUp();
    void refresh();
    void activateEntry(QListWidgetItem* entry);
    void entryChosen(QListWidgetItem* entry);
    bool chooseFile();
    bool chooseFolder();
    void warn(const QString& text);
    QStringList patterns() const;

    Mode m_mode;
    QString m_folder;
    QString m_typedPattern;
    QString m_chosen;
    QListWidget* m_places = nullptr;
    QLineEdit* m_folderBox = nullptr;
    QPushButton* m_up = nullptr;
    QListWidget* m_entries = nullptr;
    QLabel* m_warning = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QComboBox* m_types = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace ui
