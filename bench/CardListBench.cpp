// Reading every card header of a large archive, as the card list is filled: the archive opened
// exclusively, "Select * from Modelli;", MoveLast and MoveFirst for the count, then each row's
// six fields as text. Floor: SQLite in this process reading the same six fields of every row as
// text. Rounds taken in turns, in processor time.
#include <array>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

#include <QCoreApplication>

#include "bench/BenchWorkstation.h"
#include "bench/CardListReading.h"
#include "bench/Figure.h"
#include "demo/SampleCardWriter.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/Engine.h"

namespace {

constexpr int cardCount = 50000;
constexpr int runs = 5;

int run()
{
    bench::BenchWorkstation workstation;
    const QString archive = bench::BenchWorkstation::archive(QStringLiteral("GRANDE"));
    store::CardArchiveSchema::createEmpty(archive);
    demo::SampleCardWriter(QStringLiteral("Archivio storico"), QStringLiteral("STO"), 1, {0, 0, 0, 0})
        .write(archive, cardCount);
    const QString host = bench::BenchWorkstation::hostPath(archive);

    bench::Figure figure{QStringLiteral("card list of 50000 cards"), {}, {}, 1.5};
    for (int round = 0; round < runs; ++round) {
        figure.values.push_back(bench::millisecondsOf([&] {
            if (bench::readCardList(archive) != std::size_t(cardCount))
                throw std::runtime_error("the card list missed rows");
        }));
        figure.baselines.push_back(bench::millisecondsOf([&] {
            if (bench::readCardListWithSqlite(host) != std::size_t(cardCount))
                throw std::runtime_error("the floor missed rows");
        }));
    }
    figure.print();
    return figure.met() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return bench::runProgram(run);
}
