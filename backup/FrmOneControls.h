#pragma once

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace ui {
class PictureControl;
}

namespace backup {

// The controls of the backup window FrmOne, named as the program names them, with their captions,
// tooltip and pictures, laid out on the window. Every control has a name a screen reader reads
// (its caption, its label's, or one of its own), and the window works from the keyboard alone.
struct FrmOneControls {
    QGroupBox* Frame1 = nullptr;
    // Index 0 "Salvataggio", 1 "Ripristino": one control array, both named "OptOperazione".
    std::array<QRadioButton*, 2> OptOperazione = {};
    QLabel* LblDestSorg = nullptr;
    QLabel* LblSorgenteDestinazione = nullptr;
    QPushButton* CmdSfoglia = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* ChkIncludiDatabase = nullptr;
    QCheckBox* ChkIncludiImpostazioni = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* LstDatabase = nullptr;
    QCheckBox* ChkEliminaTuttiFile = nullptr;
    QCheckBox* ChkFormattaDisco = nullptr;
    ui::PictureControl* ImgSave = nullptr;
    ui::PictureControl* ImgLoad = nullptr;
    QProgressBar* PrsBar = nullptr;
    QStatusBar* StBar = nullptr;
    QLabel* StBarText = nullptr;
    QPushButton* CmdEsegui = nullptr;
    QPushButton* CmdAnnulla = nullptr;

    static FrmOneControls build(QMainWindow& window);
};

} // namespace backup
