// Copies every card of one archive into another as the transfers do (CopyTable for each table,
// one transaction per card), one line on stdout per card, so a test can kill it in the middle of
// the copy.
#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "explorer/store/CardTransaction.h"
#include "explorer/store/engine/Engine.h"
#include "platform/Workstation.h"

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: cardstore_copy_helper WORKSTATION SOURCE TARGET\n");
        return 2;
    }
    platform::Workstation::use(arguments[1]);
    const QString source = arguments[2];
    const QString target = arguments[3];

    QStringList keys;
    {
        store::Workspace workspace = store::Engine::instance().CreateWorkspace();
        store::Database database = workspace.OpenDatabase(source, false, true);
        for (store::Recordset rows = database.OpenRecordset(QStringLiteral("Modelli")); !rows.Eof(); rows.MoveNext())
            keys.append(rows.Fields(QStringLiteral("PCMTV")).Value().toString());
    }
    int copied = 0;
    for (const QString& key : keys) {
        store::CardTransaction card(target);
        card.copyCard(source, key);
        card.commit(QStringLiteral("ModMain_CopyTable"));
        std::printf("copied %d\n", ++copied);
        std::fflush(stdout);
    }
    return 0;
}
