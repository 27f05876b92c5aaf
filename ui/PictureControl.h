#pragma once

#include <QLabel>

#include "ui/Picture.h"

namespace ui {

// The runtime's picture box and image controls: a label that shows a Picture. A picture box
// can size itself to its picture (AutoSize); an image cannot.
class PictureControl : public QLabel {
    Q_OBJECT

public:
    enum class Kind { PictureBox, Image };

    explicit PictureControl(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    const Picture& picture() const { return m_picture; }
    void setPicture(Picture picture);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

private:
    void fitPicture();

    Kind m_kind;
    Picture m_picture;
    bool m_autoSize = false;
};

} // namespace ui
