#include "tools/formhost/FrmHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "ui/PictureControl.h"

namespace formhost {

namespace {

template <class Control> Control* named(Control* control, const QString& name, const QString& accessibleName)
{
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    return control;
}

} // namespace

FrmHost::FrmHost(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmHost"));
    setWindowTitle(QStringLiteral("Prova dei metodi di Utilex4"));

    auto* title = named(new QLabel(QStringLiteral("Valori da salvare e ricaricare"), this), QStringLiteral("LblTitolo"),
                        QStringLiteral("Titolo"));
    auto* active =
        named(new QCheckBox(QStringLiteral("&Attivo"), this), QStringLiteral("ChkAttivo"), QStringLiteral("Attivo"));
    auto* name = named(new QLineEdit(this), QStringLiteral("TxtNome"), QStringLiteral("Nome"));
    auto* man =
        named(new QRadioButton(QStringLiteral("&Uomo"), this), QStringLiteral("OptUomo"), QStringLiteral("Uomo"));
    auto* woman =
        named(new QRadioButton(QStringLiteral("&Donna"), this), QStringLiteral("OptDonna"), QStringLiteral("Donna"));
    auto* size = named(new QComboBox(this), QStringLiteral("CmbTaglia"), QStringLiteral("Taglia"));
    size->setEditable(true);
    size->addItems(
        {QStringLiteral("40"), QStringLiteral("42"), QStringLiteral("44"), QStringLiteral("46"), QStringLiteral("48")});
    size->setCurrentIndex(-1);
    auto* background = named(new ui::PictureControl(ui::PictureControl::Kind::PictureBox, this),
                             QStringLiteral("PicSfondo"), QStringLiteral("Sfondo"));
    background->setAutoSize(true);
    background->setFrameShape(QFrame::Box);
    background->setMinimumSize(16, 16);
    auto* close =
        named(new QPushButton(QStringLiteral("&Chiudi"), this), QStringLiteral("CmdChiudi"), QStringLiteral("Chiudi"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* logo = named(new ui::PictureControl(ui::PictureControl::Kind::Image, this), QStringLiteral("ImgLogo"),
                       QStringLiteral("Logo"));
    logo->setMinimumSize(16, 16);
    auto* garments = named(new QListWidget(this), QStringLiteral("LstCapi"), QStringLiteral("Capi"));
    garments->addItems({QStringLiteral("Giacca"), QStringLiteral("Pantalone"), QStringLiteral("Gonna")});

    auto* options = new QHBoxLayout;
    options->addWidget(man);
    options->addWidget(woman);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(background);
    pictures->addWidget(logo);
    pictures->addStretch();

    auto* layout = new QFormLayout(this);
    layout->addRow(title);
    layout->addRow(active);
    layout->addRow(QStringLiteral("&Nome:"), name);
    layout->addRow(QStringLiteral("Sesso:"), options);
    layout->addRow(QStringLiteral("&Taglia:"), size);
    layout->addRow(QStringLiteral("Ca&pi:"), garments);
    layout->addRow(pictures);
    layout->addRow(close);
    resize(420, 360);
}

} // namespace formhost
