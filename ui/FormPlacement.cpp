#include "ui/FormPlacement.h"

#include <algorithm>
#include <cmath>

#include <QWidget>

#include "common/Settings.h"
#include "interaction/SingleText.h"
#include "ui/WidgetTwips.h"

namespace ui {

namespace {

constexpr int normal = 0;
constexpr int minimised = 1;
constexpr int maximised = 2;

QString twipsText(int twips)
{
    return interaction::singleText(float(twips));
}

// Far beyond any screen, and safely inside an int of pixels.
int storedTwips(float value)
{
    constexpr float limit = 1.0e8f;
    return int(std::lround(std::clamp(value, -limit, limit)));
}

bool isSizable(const QWidget& window)
{
    return !window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint) &&
           window.minimumSize() != window.maximumSize();
}

} // namespace

void StoreFormPlacement(const QWidget& window, const QString& iniFile)
{
    const QString section = window.objectName();
    if (window.isMinimized() || window.isMaximized()) {
        common::settings::write(section, QStringLiteral("WindowState"),
                                QString::number(window.isMinimized() ? minimised : maximised), iniFile);
        return;
    }
    common::settings::write(section, QStringLiteral("Left"), twipsText(ui::widgetTwips::left(window)), iniFile);
    common::settings::write(section, QStringLiteral("Top"), twipsText(ui::widgetTwips::top(window)), iniFile);
    common::settings::write(section, QStringLiteral("Larghezza"), twipsText(ui::widgetTwips::width(window)), iniFile);
    common::settings::write(section, QStringLiteral("Altezza"), twipsText(ui::widgetTwips::height(window)), iniFile);
    common::settings::write(section, QStringLiteral("WindowState"), QString::number(normal), iniFile);
}

void RestoreFormPlacement(QWidget& window, const QString& iniFile, bool keepPosition, bool keepSize)
{
    const QString section = window.objectName();
    const QString zero = QStringLiteral("0");
    // Read as a Byte is read: rounded half to even; a number no Byte holds counts as missing.
    double state = std::nearbyint(common::settings::readNumber(section, QStringLiteral("WindowState"), zero, iniFile));
    if (state < 0 || state > 255)
        state = normal;
    if (state != normal) {
        // Only the two states exist; any other stored number leaves the window as it is.
        if (state == minimised)
            window.setWindowState(Qt::WindowMinimized);
        else if (state == maximised)
            window.setWindowState(Qt::WindowMaximized);
        return;
    }
    const float left = common::settings::readSingle(section, QStringLiteral("Left"), zero, iniFile);
    const float top = common::settings::readSingle(section, QStringLiteral("Top"), zero, iniFile);
    const float width = common::settings::readSingle(section, QStringLiteral("Larghezza"), zero, iniFile);
    const float height = common::settings::readSingle(section, QStringLiteral("Altezza"), zero, iniFile);
    if (!keepPosition) {
        ui::widgetTwips::setLeft(window, storedTwips(left));
        ui::widgetTwips::setTop(window, storedTwips(top));
    }
    if (keepSize || !isSizable(window))
        return;
    if (width > 0)
        ui::widgetTwips::setWidth(window, storedTwips(width));
    if (height > 0)
        ui::widgetTwips::setHeight(window, storedTwips(height));
}

} // namespace ui
