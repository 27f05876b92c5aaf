#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace explorer {

// The Accumark area chooser: the network kind (OptTipoRete0 "Windows", OptTipoRete1 "Network
// NFS" in the frame Frame1), the areas of that kind in LstAree, the chosen entry, editable, in
// TxtNomeAreaAccumark, and CmdConferma / CmdAnnulla. Loading restores the placement and the last
// choices ("FormScegliArea"/"TipoRete" and "LastArea" in the explorer's INI file); unloading
// stores them. After the window hides itself its tag holds the chosen entry, empty on cancel.
class FrmScegliArea : public QDialog {
    Q_OBJECT

public:
    explicit FrmScegliArea(QWidget* parent = nullptr);

    // Shows the chooser modally, reads its tag and unloads it.
    static QString choose(QWidget* owner);

    QString tag() const { return m_tag; }
    // Refills LstAree with the areas of the network kind, in upper case.
    void FillListaAree(const QString& TipoRete);
    // Form_Unload: stores the placement and the last choices.
    void unload();

    QRadioButton* OptTipoRete(int index) const { return m_networkKinds[index]; }
    QListWidget* LstAree() const { return m_areas; }
    QLineEdit* TxtNomeAreaAccumark() const { return m_chosenArea; }

private:
    void buildControls();
    void load();
    void confirm();
    void cancel();

    QGroupBox* m_frame = nullptr;
    QRadioButton* m_networkKinds[2] = {};
    QListWidget* m_areas = nullptr;
    QLineEdit* m_chosenArea = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_cancel = nullptr;
    QString m_tag;
};

} // namespace explorer
