#pragma once

#include <array>

#include <QString>

namespace useradmin {

// What the window shows of a user: its five text boxes and its check boxes. A new user is a
// read-only user with no rights.
struct UserFields {
    QString Login;
    QString Nome;
    QString Cognome;
    QString Password;
    QString ConfermaPWD;
    bool SoloLettura = true;
    bool Stampa = false;
    std::array<bool, 6> Autorizza{};
};

} // namespace useradmin
