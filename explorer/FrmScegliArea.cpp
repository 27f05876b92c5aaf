#include "explorer/FrmScegliArea.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "automation/Variant.h"
#include "common/Settings.h"
#include "common/Utility.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/AccumarkAreas.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"
#include "ui/AccessibleWindow.h"
#include "ui/FormPlacement.h"

namespace explorer {

namespace {

const QString section = QStringLiteral("FormScegliArea");

QString iniFile()
{
    return store::explorerState().IniFileName;
}

} // namespace

FrmScegliArea::FrmScegliArea(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmScegliArea"));
    setWindowTitle(QStringLiteral("Area Accumark"));
    buildControls();
    load();
    ui::accessibleWindow::adoptAccessibility(*this);
}

void FrmScegliArea::buildControls()
{
    m_frame = new QGroupBox(QStringLiteral("Tipo di rete "), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    const QString captions[2] = {QStringLiteral("Windows"), QStringLiteral("Network NFS")};
    auto* kinds = new QHBoxLayout(m_frame);
    for (int index = 0; index < 2; ++index) {
        QRadioButton* option = new QRadioButton(captions[index], m_frame);
        option->setObjectName(QStringLiteral("OptTipoRete%1").arg(index));
        connect(option, &QRadioButton::toggled, this, [this, option](bool selected) {
            if (selected)
                FillListaAree(option->text().trimmed());
        });
        kinds->addWidget(option);
        m_networkKinds[index] = option;
    }

    m_areas = new QListWidget(this);
    m_areas->setObjectName(QStringLiteral("LstAree"));
    m_areas->setAccessibleName(QStringLiteral("Aree Accumark"));
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::TypeWriter);
    m_areas->setFont(fixedPitch);
    // The list's click runs when its current entry changes, by the user or by the program.
    connect(m_areas, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_chosenArea->setText(m_areas->item(row)->text());
    });
    connect(m_areas, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_chosenArea->setText(item->text()); });

    m_chosenArea = new QLineEdit(this);
    m_chosenArea->setObjectName(QStringLiteral("TxtNomeAreaAccumark"));
    m_chosenArea->setAccessibleName(QStringLiteral("Area Accumark"));

    m_confirm = new QPushButton(QStringLiteral("&Conferma"), this);
    m_confirm->setObjectName(QStringLiteral("CmdConferma"));
    m_confirm->setAutoDefault(false);
    connect(m_confirm, &QPushButton::clicked, this, &FrmScegliArea::confirm);
    m_cancel = new QPushButton(QStringLiteral("&Annulla"), this);
    m_cancel->setObjectName(QStringLiteral("CmdAnnulla"));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &FrmScegliArea::cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addWidget(m_areas);
    layout->addWidget(m_chosenArea);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(360, 300)));
}

// Form_Load.
void FrmScegliArea::load()
{
    interaction::TrapAndAsk procedure(QStringLiteral("Form_Load"));
    QString networkKind;
    QString lastArea;
    if (!procedure.step([&] { ui::RestoreFormPlacement(*this, iniFile(), false, false); }) || !procedure.step([&] {
            networkKind = common::settings::read(section, QStringLiteral("TipoRete"), QStringLiteral("1"), iniFile());
        }) ||
        !procedure.step([&] {
            lastArea = common::settings::read(section, QStringLiteral("LastArea"), QStringLiteral("1"), iniFile());
        }) ||
        !procedure.step([&] { m_networkKinds[0]->setChecked(networkKind == QLatin1String("1")); }) ||
        !procedure.step([&] { m_networkKinds[1]->setChecked(!m_networkKinds[0]->isChecked()); }))
        return;
    if (m_areas->count() == 0)
        return;
    // A stored index the list cannot take, past its end for one, selects nothing.
    interaction::SkipFailingSteps().step([&] {
        const int index = automation::Variant(lastArea).toInteger();
        if (index >= -1 && index < m_areas->count())
            m_areas->setCurrentRow(index);
    });
}

void FrmScegliArea::FillListaAree(const QString& TipoRete)
{
    interaction::SkipFailingSteps procedure;
    procedure.step([&] { m_areas->clear(); });
    procedure.step([&] {
        const std::optional<QStringList> areas = transfer::GetAccumarkArea(common::utility(), TipoRete);
        for (const QString& area : areas.value_or(QStringList()))
            m_areas->addItem(area.toUpper());
    });
}

void FrmScegliArea::confirm()
{
    m_tag = m_chosenArea->text();
    accept();
}

void FrmScegliArea::cancel()
{
    m_tag.clear();
    reject();
}

void FrmScegliArea::unload()
{
    interaction::SkipFailingSteps procedure;
    procedure.step([&] { ui::StoreFormPlacement(*this, iniFile()); });
    procedure.step([&] {
        common::settings::write(section, QStringLiteral("TipoRete"),
                                m_networkKinds[0]->isChecked() ? QStringLiteral("1") : QStringLiteral("0"), iniFile());
    });
    procedure.step([&] {
        common::settings::write(section, QStringLiteral("LastArea"), QString::number(m_areas->currentRow()), iniFile());
    });
}

QString FrmScegliArea::choose(QWidget* owner)
{
    FrmScegliArea chooser(owner);
    chooser.exec();
    const QString chosen = chooser.tag();
    chooser.unload();
    return chosen;
}

} // namespace explorer
