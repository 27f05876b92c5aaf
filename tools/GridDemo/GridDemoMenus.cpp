#include "tools/GridDemo/GridDemoMenus.h"

#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "tools/GridDemo/GridDemoWindow.h"

namespace griddemo {

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;

// Colour values as red + 256 * green + 65536 * blue.
constexpr float highlight = 255 + 256 * 255 + 65536 * 160;
constexpr float white = 255 + 256 * 255 + 65536 * 255;

struct Command {
    const char16_t* name; // the action's object name
    const char16_t* text;
    QKeySequence key;
    std::function<void(GridDemoWindow&)> run;
};

std::function<void(GridDemoWindow&)> plain(const char16_t* method)
{
    return [method](GridDemoWindow& window) { window.call(QString::fromUtf16(method)); };
}

std::function<void(GridDemoWindow&)> format(std::int16_t code)
{
    return [code](GridDemoWindow& window) { window.call(u"GridSelFormat"_s, {Variant::fromInteger(code)}); };
}

std::function<void(GridDemoWindow&)> colourRow(float colour)
{
    return [colour](GridDemoWindow& window) {
        window.call(u"GridCellColor"_s,
                    {Variant::fromSingle(colour), Variant::fromInteger(std::int16_t(window.row()))});
    };
}

void colourCell(GridDemoWindow& window)
{
    window.call(u"GridCellColor"_s, {Variant::fromSingle(highlight), Variant::fromInteger(std::int16_t(window.row())),
                                     Variant::fromLong(window.col())});
}

void fillWithCurrentCell(GridDemoWindow& window)
{
    window.call(u"IncollaMultiplo"_s, {Variant(window.text(window.row(), window.col()))});
}

void showSelection(GridDemoWindow& window)
{
    std::vector<Variant> corners = window.call(u"GetSelPos"_s, std::vector<Variant>(4, Variant::fromInteger(0)));
    if (corners.size() != 5)
        return;
    interaction::Seams::prompter().message(
        u"Selezione: dalla riga %1 alla riga %2, dalla colonna %3 alla colonna %4"_s.arg(corners[1].toInteger())
            .arg(corners[3].toInteger())
            .arg(corners[2].toInteger())
            .arg(corners[4].toInteger()),
        interaction::Buttons::Ok, interaction::Icon::Information, interaction::DefaultButton::First, QString());
}

void sizeRowsLikeCurrent(GridDemoWindow& window)
{
    window.call(u"DimensionaRigaGriglia"_s, {Variant::fromSingle(float(window.row()))});
}

void addCommands(QMenu& menu, GridDemoWindow& window, std::initializer_list<Command> commands)
{
    for (const Command& command : commands) {
        if (!command.name) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf16(command.text));
        action->setObjectName(QString::fromUtf16(command.name));
        action->setShortcut(command.key);
        QObject::connect(action, &QAction::triggered, &window, [&window, run = command.run] { run(window); });
    }
}

QMenu& addMenu(GridDemoWindow& window, const QString& title, const QString& name)
{
    QMenu* menu = window.menuBar()->addMenu(title);
    menu->setObjectName(name);
    menu->setAccessibleName(QString(title).remove(u'&'));
    return *menu;
}

const Command separator{nullptr, nullptr, {}, {}};

} // namespace

void addMenus(GridDemoWindow& window)
{
    window.menuBar()->setAccessibleName(u"Menu"_s);

    QMenu& file = addMenu(window, u"&File"_s, u"MnuFile"_s);
    addCommands(file, window,
                {{u"MnuEsci", u"&Esci", QKeySequence(Qt::CTRL | Qt::Key_Q), [](GridDemoWindow& w) { w.close(); }}});

    QMenu& edit = addMenu(window, u"&Modifica"_s, u"MnuModifica"_s);
    addCommands(
        edit, window,
        {
            {u"MnuModificaCasella", u"&Modifica casella", QKeySequence(Qt::Key_F2),
             [](GridDemoWindow& w) { w.editCell(); }},
            separator,
            {u"MnuTaglia", u"&Taglia", QKeySequence(Qt::CTRL | Qt::Key_X), plain(u"GridSelCut")},
            {u"MnuCopia", u"&Copia", QKeySequence(Qt::CTRL | Qt::Key_C), plain(u"GridSelCopy")},
            {u"MnuIncolla", u"&Incolla", QKeySequence(Qt::CTRL | Qt::Key_V), plain(u"GridSelPaste")},
            separator,
            {u"MnuRiempi", u"&Riempi con la casella corrente", QKeySequence(Qt::CTRL | Qt::Key_D), fillWithCurrentCell},
            {u"MnuScrivi", u"&Scrivi nelle caselle...", QKeySequence(Qt::CTRL | Qt::Key_E), plain(u"MultiEdit")},
            {u"MnuPosizione", u"&Posizione della selezione", QKeySequence(Qt::CTRL | Qt::Key_P), showSelection},
        });

    QMenu& rows = addMenu(window, u"&Righe"_s, u"MnuRighe"_s);
    addCommands(
        rows, window,
        {
            {u"MnuTagliaRighe", u"&Taglia righe", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X),
             plain(u"GridLineCut")},
            {u"MnuCopiaRighe", u"&Copia righe", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), plain(u"GridLineCopy")},
            {u"MnuIncollaRighe", u"&Incolla righe", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
             plain(u"GridLinePaste")},
            {u"MnuEliminaRighe", u"&Elimina righe", QKeySequence(Qt::CTRL | Qt::Key_Delete), plain(u"GridLineDelete")},
            {u"MnuEliminaVuote", u"Elimina le righe &vuote in fondo",
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), plain(u"CancellaLineeVuote")},
            separator,
            {u"MnuRinumera", u"&Rinumera", QKeySequence(Qt::CTRL | Qt::Key_R), plain(u"RinumeraGriglia")},
            {u"MnuAltezza", u"&Altezza della riga corrente a tutte", QKeySequence(Qt::CTRL | Qt::Key_H),
             sizeRowsLikeCurrent},
        });

    QMenu& formats = addMenu(window, u"F&ormato"_s, u"MnuFormato"_s);
    addCommands(formats, window,
                {
                    {u"MnuMaiuscolo", u"&Maiuscolo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), format(1)},
                    {u"MnuMinuscolo", u"Mi&nuscolo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), format(2)},
                    {u"MnuIniziale", u"&Iniziale maiuscola", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), format(3)},
                    {u"MnuSvuota", u"&Svuota", QKeySequence(Qt::Key_Delete), format(4)},
                    {u"MnuSpazi", u"&Togli gli spazi", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), format(5)},
                    separator,
                    {u"MnuEvidenziaRiga", u"Evidenzia la &riga", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                     colourRow(highlight)},
                    {u"MnuEvidenziaCasella", u"Evidenzia la &casella", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K),
                     colourCell},
                    {u"MnuTogliEvidenza", u"Togli l'&evidenziazione", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                     colourRow(white)},
                });
}

} // namespace griddemo
