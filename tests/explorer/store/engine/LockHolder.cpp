#include <cstdio>

#include <QCoreApplication>
#include <QString>

#include "explorer/store/engine/Engine.h"
#include "platform/RuntimeError.h"

// store_lock_holder PATH MODE: opens the database at the Windows path PATH (shared, exclusive,
// readonly, or churn: shared and writing rows until killed), prints "open" or "error N", and
// holds it until its standard input ends.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: store_lock_holder PATH shared|exclusive|readonly|churn\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString mode = QString::fromLatin1(argv[2]);
    try {
        store::Workspace workspace = store::Engine::instance().CreateWorkspace();
        store::Database database =
            workspace.OpenDatabase(path, mode == QLatin1String("exclusive"), mode == QLatin1String("readonly"));
        std::printf("open\n");
        std::fflush(stdout);
        if (mode == QLatin1String("churn")) {
            store::Recordset rows = database.OpenRecordset(QStringLiteral("SchedaModello"));
            for (int block = 0;; ++block) {
                workspace.BeginTrans();
                for (int row = 0; row < 200; ++row) {
                    rows.AddNew();
                    rows.Fields(QStringLiteral("PCMTV")).SetValue(QStringLiteral("CHURN%1").arg(block));
                    rows.Fields(QStringLiteral("Descrizione")).SetValue(QString(20, QLatin1Char('x')));
                    rows.Update();
                }
                workspace.CommitTrans();
                database.Execute(QStringLiteral("DELETE * FROM SchedaModello WHERE PCMTV = 'CHURN%1'").arg(block - 2));
            }
        }
        int character;
        do
            character = std::getchar();
        while (character != EOF);
        workspace.Close();
    } catch (const platform::RuntimeError& error) {
        std::printf("error %d\n", error.number());
        std::fflush(stdout);
        return 1;
    }
    return 0;
}
