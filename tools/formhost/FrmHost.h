#pragma once

#include <QWidget>

namespace formhost {

// A small sizable window with one control of every kind the form methods know, and two option
// buttons so that they form a group: LblTitolo, ChkAttivo, TxtNome, OptUomo, OptDonna,
// CmbTaglia, PicSfondo (a picture box that sizes itself to its picture), CmdChiudi (closes the
// window), ImgLogo and LstCapi.
class FrmHost : public QWidget {
    Q_OBJECT

public:
    explicit FrmHost(QWidget* parent = nullptr);
};

} // namespace formhost
