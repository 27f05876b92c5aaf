#include <cstdio>
#include <memory>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>

#include "automation/Components.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "explorer/CardListView.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/CardDragData.h"
#include "ui/GuardedApplication.h"

// card_drop_receiver PAYLOAD ARCHIVE: a second explorer on the workstation of TRAMEX_WORKSTATION
// (cards in C:\Schede\). Its main window opens ARCHIVE, receives on its card list a drop of the
// cards' data read from the file PAYLOAD, and prints the card list's keys, one a line.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::GuardedApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: card_drop_receiver PAYLOAD ARCHIVE\n");
        return 2;
    }
    QFile payload(QString::fromLocal8Bit(argv[1]));
    if (!payload.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "card_drop_receiver: cannot read the payload\n");
        return 2;
    }
    QMimeData data;
    data.setData(transfer::cardDragData::MimeType, payload.readAll());

    automation::registerLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/Utilex4.dll"));
    common::program::setName(QStringLiteral("Schedex"));
    store::explorerState().IniFileName = QStringLiteral("Schedex.ini");
    store::explorerState().DatabaseFolder = QStringLiteral("C:\\Schede\\");

    auto window = std::make_unique<explorer::FrmExplorer>();
    window->show();
    QListWidgetItem* archive = window->findArchiveItem(QString::fromLocal8Bit(argv[2]));
    if (!archive) {
        std::fprintf(stderr, "card_drop_receiver: no such archive\n");
        return 2;
    }
    window->LVDB()->setCurrentItem(archive, QItemSelectionModel::ClearAndSelect);
    window->LVDB_DblClick();

    QWidget* viewport = window->LWModelli()->viewport();
    const QPoint point = viewport->rect().center();
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point, allowed, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(point, allowed, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);

    for (int row = 0; row < window->cardList().rowCount(); ++row)
        std::printf("%s\n", qPrintable(window->cardList().rowText(row)));
    window.reset();
    common::releaseUtility();
    return drop.isAccepted() ? 0 : 1;
}
