#include "explorer/ExplorerKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace explorer {

// Ctrl+E and Ctrl+L act as this table says (e-mail, delete cards); the menus show them so.
const std::array<KeyTableEntry, 12>& keyTable()
{
    static const std::array<KeyTableEntry, 12> table{{
        {'A', QLatin1String("MnuLWSelectAll")},
        {'C', QLatin1String("MnuLWModelliCopia")},
        {'E', QLatin1String("MnuLWInviaPostaElettronica")},
        {'F', QLatin1String("MnuLWInviaFattura")},
        {'I', QLatin1String("MnuLWImporta")},
        {'L', QLatin1String("MnuLWElimina")},
        {'M', QLatin1String("MnuLWStampaSchedaModello")},
        {'N', QLatin1String("MnuLWStampaEntrambe")},
        {'P', QLatin1String("MnuLWStampaSchedaPiazzato")},
        {'S', QLatin1String("MnuLWEsporta")},
        {'V', QLatin1String("MnuDBIncolla")},
        {'X', QLatin1String("MnuLWModelliTaglia")},
    }};
    return table;
}

bool isKeyTableKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    for (const KeyTableEntry& row : keyTable()) {
        if (event.key() == Qt::Key_A + (row.letter - 'A'))
            return true;
    }
    return false;
}

void installKeyTable(QWidget& window, const std::function<QAction*(const QString& name)>& entry)
{
    for (const KeyTableEntry& row : keyTable()) {
        QAction* action = entry(row.entry);
        if (!action)
            continue;
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (row.letter - 'A'))));
        action->setShortcutContext(Qt::WindowShortcut);
        // The entries sit in pop-up menus that are hidden most of the time; the window carries
        // their keys.
        window.addAction(action);
    }
    // F5 reads the archive list again, as the desktop's own folder views do.
    if (QAction* refresh = entry(QStringLiteral("MnuDBAggiorna"))) {
        refresh->setShortcut(QKeySequence(Qt::Key_F5));
        refresh->setShortcutContext(Qt::WindowShortcut);
        window.addAction(refresh);
    }
}

} // namespace explorer
