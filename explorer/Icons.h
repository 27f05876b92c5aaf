#pragma once

#include <QIcon>
#include <QString>

// The explorer's images, drawn in code so that they are crisp at any size and pixel ratio.
namespace explorer::icons {

// The toolbar images by their image key: "Esci", "nuovo", "Importa", "Esporta", "Elimina",
// "Compatta", "taglia", "copia", "incolla", "Email", "Fattura". A null icon for any other key.
QIcon toolbarImage(const QString& imageKey);

// The archive list's images: 1 an archive, 2 the open archive, 3 a card being dragged, 4 copying
// cards, 5 a drop that is refused, 6 moving cards. A null icon for any other index.
QIcon archiveImage(int index);

// The card list's image of a card.
QIcon cardImage();

// The program's icon, on its every window.
QIcon programImage();

} // namespace explorer::icons
