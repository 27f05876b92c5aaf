#include "ui/Picture.h"

#include <atomic>

#include <QFileInfo>
#include <QImageReader>

#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace ui {

namespace {

constexpr int fileNotFound = 53;
constexpr int invalidPicture = 481;

std::int32_t nextHandle()
{
    static std::atomic<std::int32_t> last{0};
    return ++last;
}

} // namespace

Picture::Picture(QPixmap pixmap) : m_pixmap(std::move(pixmap)), m_handle(m_pixmap.isNull() ? 0 : nextHandle()) {}

Picture Picture::load(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        return Picture();
    const QString hostPath = platform::windowsPath::toHost(windowsPath);
    if (!QFileInfo(hostPath).isFile())
        throw platform::RuntimeError(fileNotFound);
    QImageReader reader(hostPath);
    const QImage image = reader.read();
    if (image.isNull())
        throw platform::RuntimeError(invalidPicture);
    return Picture(QPixmap::fromImage(image));
}

} // namespace ui
