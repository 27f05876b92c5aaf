#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace explorer {

class FrmExplorer;

// The explorer's configuration dialog: the card archive folder (TxtPathDatabase, with the folder
// picker CmdSfogliaPathMdb and the installation's folder through CmdSetDefault) and the
// background colours of the two lists (CmbColoreFinestraDB, CmbColoreFinestraModelli), on the
// tab "Generale" of TabExplorerCFG. CmdArchivia stores the values in the explorer's INI file and
// applies them to the main window at once; CmdAnnulla closes without storing. The placement is
// restored at load and stored however the dialog closes.
class FrmConfig : public QDialog {
    Q_OBJECT

public:
    explicit FrmConfig(FrmExplorer& mainWindow);

    void done(int result) override;

private:
    void buildControls();
    void LoadDataFromIni();
    void SaveDataToIni();
    void CmdSfogliaPathMdb_Click();
    void CmdSetDefault_Click();
    void CmdArchivia_Click();

    FrmExplorer& m_mainWindow;
    QLineEdit* m_databaseFolder = nullptr;
    QComboBox* m_archiveListColour = nullptr;
    QComboBox* m_cardListColour = nullptr;
};

} // namespace explorer
