#include "backup/FrmOneControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "backup/Pictures.h"
#include "ui/PictureControl.h"

namespace backup {

namespace {

template <class Control> Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QCheckBox(caption, parent), name);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    QPushButton* pushButton = named(new QPushButton(caption, parent), name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

ui::PictureControl* image(const QString& name, const QString& accessibleName, const ui::Picture& picture,
                          QWidget* parent)
{
    auto* control = named(new ui::PictureControl(ui::PictureControl::Kind::Image, parent), name);
    control->setPicture(picture);
    control->setAccessibleName(accessibleName);
    return control;
}

} // namespace

FrmOneControls FrmOneControls::build(QMainWindow& window)
{
    FrmOneControls c;
    auto* surface = new QWidget(&window);
    window.setCentralWidget(surface);

    c.Frame1 = named(new QGroupBox(QStringLiteral(" Operazione"), surface), QStringLiteral("Frame1"));
    c.OptOperazione[0] =
        named(new QRadioButton(QStringLiteral("Salvataggio"), c.Frame1), QStringLiteral("OptOperazione"));
    c.OptOperazione[1] =
        named(new QRadioButton(QStringLiteral("Ripristino"), c.Frame1), QStringLiteral("OptOperazione"));
    auto* operations = new QHBoxLayout(c.Frame1);
    for (int index = 0; index < 2; ++index) {
        c.OptOperazione[index]->setProperty("Index", index);
        operations->addWidget(c.OptOperazione[index]);
    }
    operations->addStretch();

    c.ImgSave = image(QStringLiteral("ImgSave"), QStringLiteral("Salvataggio"), pictures::save(), surface);
    c.ImgLoad = image(QStringLiteral("ImgLoad"), QStringLiteral("Ripristino"), pictures::restore(), surface);

    c.LblDestSorg = named(new QLabel(QStringLiteral("Backup dalla cartella"), surface), QStringLiteral("LblDestSorg"));
    c.LblSorgenteDestinazione = named(new QLabel(surface), QStringLiteral("LblSorgenteDestinazione"));
    c.LblSorgenteDestinazione->setAccessibleName(QStringLiteral("Cartella"));
    c.LblSorgenteDestinazione->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.LblSorgenteDestinazione->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c.CmdSfoglia = button(QStringLiteral("CmdSfoglia"), QStringLiteral("&Sfoglia..."), surface);

    c.Frame2 = named(new QGroupBox(QStringLiteral(" Tipo dati"), surface), QStringLiteral("Frame2"));
    c.ChkIncludiDatabase = checkBox(QStringLiteral("ChkIncludiDatabase"), QStringLiteral("Database"), c.Frame2);
    c.ChkIncludiImpostazioni =
        checkBox(QStringLiteral("ChkIncludiImpostazioni"), QStringLiteral("Impostazioni"), c.Frame2);
    c.Label1 = named(new QLabel(QStringLiteral("Selezionare i database"), c.Frame2), QStringLiteral("Label1"));
    c.LstDatabase = named(new QListWidget(c.Frame2), QStringLiteral("LstDatabase"));
    c.LstDatabase->setSelectionMode(QAbstractItemView::MultiSelection);
    c.Label1->setBuddy(c.LstDatabase);
    c.LstDatabase->setAccessibleName(c.Label1->text());
    auto* dataKinds = new QGridLayout(c.Frame2);
    dataKinds->addWidget(c.ChkIncludiDatabase, 0, 0);
    dataKinds->addWidget(c.ChkIncludiImpostazioni, 0, 1);
    dataKinds->addWidget(c.Label1, 1, 0, 1, 2);
    dataKinds->addWidget(c.LstDatabase, 2, 0, 1, 2);

    c.ChkEliminaTuttiFile = checkBox(QStringLiteral("ChkEliminaTuttiFile"),
                                     QStringLiteral("Elimina i vecchi file dal disco di salvataggio"), surface);
    c.ChkEliminaTuttiFile->setToolTip(
        QStringLiteral("Cancella tutti i file, ma non elimina le cartelle del disco scelto"));
    c.ChkFormattaDisco =
        checkBox(QStringLiteral("ChkFormattaDisco"), QStringLiteral("&Formatta il disco di salvataggio"), surface);

    c.PrsBar = named(new QProgressBar(surface), QStringLiteral("PrsBar"));
    c.PrsBar->setAccessibleName(QStringLiteral("Avanzamento"));
    c.PrsBar->setTextVisible(false);
    c.CmdEsegui = button(QStringLiteral("CmdEsegui"), QStringLiteral("&Esegui"), surface);
    c.CmdAnnulla = button(QStringLiteral("CmdAnnulla"), QStringLiteral("&Esci"), surface);

    c.StBar = named(new QStatusBar(&window), QStringLiteral("StBar"));
    c.StBar->setAccessibleName(QStringLiteral("Barra di stato"));
    c.StBar->setSizeGripEnabled(false);
    c.StBarText = named(new QLabel(c.StBar), QStringLiteral("StBarText"));
    c.StBar->addWidget(c.StBarText, 1);
    window.setStatusBar(c.StBar);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(c.LblSorgenteDestinazione, 1);
    folderRow->addWidget(c.CmdSfoglia);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(c.PrsBar, 1);
    buttons->addWidget(c.CmdEsegui);
    buttons->addWidget(c.CmdAnnulla);

    auto* layout = new QGridLayout(surface);
    layout->addWidget(c.Frame1, 0, 0);
    // The two pictures share one place; the window brings the one of the operation to the front.
    layout->addWidget(c.ImgSave, 0, 1, 2, 1, Qt::AlignCenter);
    layout->addWidget(c.ImgLoad, 0, 1, 2, 1, Qt::AlignCenter);
    layout->addWidget(c.LblDestSorg, 1, 0);
    layout->addLayout(folderRow, 2, 0, 1, 2);
    layout->addWidget(c.Frame2, 3, 0, 1, 2);
    layout->addWidget(c.ChkEliminaTuttiFile, 4, 0, 1, 2);
    layout->addWidget(c.ChkFormattaDisco, 5, 0, 1, 2);
    layout->addLayout(buttons, 6, 0, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
    return c;
}

} // namespace backup
