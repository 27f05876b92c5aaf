#pragma once

#include <cstdint>

#include <QPixmap>
#include <QString>

namespace ui {

// A picture as the runtime's LoadPicture gives it: the image and a handle number, which is what
// the picture reads as where a value is needed. Each loaded picture has a handle of its own;
// the empty picture has handle 0.
class Picture {
public:
    Picture() = default;
    explicit Picture(QPixmap pixmap);

    // A picture file in Windows form on the workstation; an empty name gives the empty picture.
    // 53 when the file is missing, 481 when it holds no picture Qt can read.
    static Picture load(const QString& windowsPath);

    const QPixmap& pixmap() const { return m_pixmap; }
    std::int32_t handle() const { return m_handle; }
    bool isEmpty() const { return m_pixmap.isNull(); }

private:
    QPixmap m_pixmap;
    std::int32_t m_handle = 0;
};

} // namespace ui
