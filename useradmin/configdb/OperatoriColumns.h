#pragma once

#include <array>

#include <QString>

// The columns of the table Operatori, one row per user of the product. The main card editor
// reads them at its login; Permix edits them.
namespace useradmin::operatori {

inline const QString Table = QStringLiteral("Operatori");

inline const QString Login = QStringLiteral("Login");
inline const QString Nome = QStringLiteral("Nome");
inline const QString Cognome = QStringLiteral("Cognome");
inline const QString Password = QStringLiteral("Password");
// Truth values written as a check box's value (0 or 1).
inline const QString SoloLettura = QStringLiteral("SoloLettura");
inline const QString Stampa = QStringLiteral("Stampa");
// Truth values written True or False, in the order of the rights on screen.
inline const std::array<QString, 6> Rights{
    QStringLiteral("ModificaSchedaModello"),  QStringLiteral("ModificaSchedaPiazzato"),
    QStringLiteral("EditConfigurazione"),     QStringLiteral("CancellaSchede"),
    QStringLiteral("EditTabelleTipoModello"), QStringLiteral("CreaNuovaScheda"),
};

} // namespace useradmin::operatori
