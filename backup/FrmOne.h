#pragma once

#include <QMainWindow>
#include <QString>

#include "backup/FrmOneControls.h"
#include "backup/FrmOneProgress.h"

namespace backup {

// Salvix's one window: the operation (save or restore), the folder, what to include, the card
// archives to save and the two disk options, with the estimate of the disks in its status bar.
// The options and the folder are kept in the program's INI file between runs.
class FrmOne : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmOne(QWidget* parent = nullptr);

    const FrmOneControls& controls() const { return c; }
    bool isSave() const;

    void FillLstDatabase(const QString& PathDB);
    void CheckForSelDB();
    void SetChk();
    qint64 CalcolaTotaleDischi() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void unload();
    void connectReactions();
    void operationChosen(int index);
    void enableEsegui();
    void showEstimate();
    void eliminaTuttiFileClicked();
    void browse();
    void execute();

    FrmOneControls c;
    FrmOneProgress m_progress;
    QString m_databaseFolder;
};

} // namespace backup
