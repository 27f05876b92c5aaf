#include <memory>

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "automation/DefaultMember.h"
#include "automation/Screen.h"
#include "automation/WindowSystem.h"
#include "interaction/Twips.h"
#include "platform/Profile.h"
#include "platform/RuntimeError.h"
#include "tests/support/AccessibleControls.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/QtTestMain.h"
#include "tests/utilex/FormsWorkstation.h"
#include "tools/formhost/FrmHost.h"
#include "ui/FormCanvas.h"
#include "ui/PictureControl.h"
#include "ui/WidgetBridge.h"
#include "utilex/UtilexClass.h"

using namespace Qt::StringLiterals;
using automation::ObjectRef;
using automation::Variant;

namespace {

const QString iniName = u"Prova.ini"_s;
const QString valuesSection = u"Dati Form: FrmHost"_s;
const QString absent = u"(assente)"_s;

Variant formOf(QWidget& widget)
{
    return Variant(ui::widgetBridge::form(widget));
}

Variant controlOf(QWidget& widget)
{
    return Variant(ui::widgetBridge::control(widget));
}

QString stored(const QString& section, const QString& key, const QString& file = iniName)
{
    return platform::profile::readString(section, key, absent, file);
}

void store(const QString& section, const QString& key, const QString& value)
{
    QVERIFY(platform::profile::writePrivateProfileString(section, key, value, iniName));
}

template <class Widget> Widget& child(QWidget& form, const QString& name)
{
    auto* widget = form.findChild<Widget*>(name);
    if (!widget)
        throw std::runtime_error("no control " + name.toStdString());
    return *widget;
}

std::unique_ptr<formhost::FrmHost> shownHost(const QRect& geometry = QRect(40, 30, 420, 360))
{
    auto form = std::make_unique<formhost::FrmHost>();
    form->setGeometry(geometry);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        throw std::runtime_error("window not shown");
    return form;
}

QByteArray pictureFile(const QColor& colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

int twips(int pixels)
{
    return interaction::twips::fromPixels(pixels);
}

} // namespace

class UtilexFormsTest : public QObject {
    Q_OBJECT

private:
    Variant call(const char16_t* method, std::vector<Variant> arguments = {})
    {
        return m_station->utilex().call(QString::fromUtf16(method), std::move(arguments));
    }
    // The same on the first library, Utilex.
    Variant callFirst(const char16_t* method, std::vector<Variant> arguments = {})
    {
        return m_station->firstUtilex().call(QString::fromUtf16(method), std::move(arguments));
    }

    std::unique_ptr<FormsWorkstation> m_station;

private Q_SLOTS:
    void init() { m_station = std::make_unique<FormsWorkstation>(); }
    void cleanup() { m_station.reset(); }

    void theHostsControlsAreNamedAndReached()
    {
        const auto host = shownHost();
        expectEveryControlNamed(*host);
        expectEveryControlReachable(*host);
    }

    void aNormalPlacementIsSavedAndRestored()
    {
        const auto saved = shownHost(QRect(120, 90, 400, 300));
        call(u"SaveFormPosition", {formOf(*saved), Variant(iniName)});
        const QRect frame = saved->frameGeometry();
        QCOMPARE(stored(u"FrmHost"_s, u"Left"_s), QString::number(twips(frame.x())));
        QCOMPARE(stored(u"FrmHost"_s, u"Top"_s), QString::number(twips(frame.y())));
        QCOMPARE(stored(u"FrmHost"_s, u"Larghezza"_s), QString::number(twips(frame.width())));
        QCOMPARE(stored(u"FrmHost"_s, u"Altezza"_s), QString::number(twips(frame.height())));
        QCOMPARE(stored(u"FrmHost"_s, u"WindowState"_s), u"0"_s);

        const auto restored = shownHost();
        call(u"LoadFormPosition", {formOf(*restored), Variant(iniName)});
        QTRY_COMPARE(restored->frameGeometry(), frame);
    }

    void aMaximisedFormKeepsTheLastNormalPlacement()
    {
        store(u"FrmHost"_s, u"Left"_s, u"1500"_s);
        store(u"FrmHost"_s, u"WindowState"_s, u"0"_s);
        const auto maximised = shownHost();
        maximised->setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(maximised->isMaximized());
        const QByteArray before = m_station->windowsFile(iniName);
        call(u"SaveFormPosition", {formOf(*maximised), Variant(iniName)});
        QCOMPARE(m_station->windowsFile(iniName), QByteArray(before).replace("WindowState=0", "WindowState=2"));

        const auto loaded = shownHost(QRect(60, 50, 400, 300));
        const QPoint designPosition = loaded->frameGeometry().topLeft();
        call(u"LoadFormPosition", {formOf(*loaded), Variant(iniName)});
        QVERIFY(loaded->isMaximized());
        loaded->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(loaded->frameGeometry().topLeft(), designPosition);
    }

    // Utilex keeps no window state: a maximised form's placement is written as it stands, and a
    // stored "WindowState" is not read.
    void utilexKeepsThePlacementWithoutTheWindowState()
    {
        store(u"FrmHost"_s, u"WindowState"_s, u"2"_s);
        const auto maximised = shownHost();
        maximised->setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(maximised->isMaximized());
        callFirst(u"SaveFormPosition", {formOf(*maximised), Variant(iniName)});
        const QRect frame = maximised->frameGeometry();
        QCOMPARE(stored(u"FrmHost"_s, u"Left"_s), QString::number(twips(frame.x())));
        QCOMPARE(stored(u"FrmHost"_s, u"Larghezza"_s), QString::number(twips(frame.width())));
        QCOMPARE(stored(u"FrmHost"_s, u"WindowState"_s), u"2"_s);

        store(u"FrmHost"_s, u"Left"_s, QString::number(twips(90)));
        store(u"FrmHost"_s, u"Top"_s, QString::number(twips(70)));
        store(u"FrmHost"_s, u"Larghezza"_s, QString::number(twips(300)));
        store(u"FrmHost"_s, u"Altezza"_s, QString::number(twips(280)));
        const auto loaded = shownHost(QRect(60, 50, 400, 300));
        callFirst(u"LoadFormPosition", {formOf(*loaded), Variant(iniName)});
        QVERIFY(!loaded->isMaximized());
        QTRY_COMPARE(loaded->frameGeometry(), QRect(90, 70, 300, 280));
    }

    void aFormWithoutASectionGoesToTheCornerAndKeepsItsSize()
    {
        const auto form = shownHost(QRect(100, 100, 400, 300));
        const QRect before = form->frameGeometry();
        call(u"LoadFormPosition", {formOf(*form), Variant(iniName), Variant::fromBoolean(true)});
        QCOMPARE(form->frameGeometry(), before);
        call(u"LoadFormPosition", {formOf(*form), Variant(iniName)});
        QTRY_COMPARE(form->frameGeometry(), QRect(QPoint(0, 0), before.size()));
    }

    void onlyASizableFormTakesTheStoredSize_data()
    {
        QTest::addColumn<int>("border"); // 0 resizable, 1 resizable tool window, 2 fixed size
        QTest::addColumn<QString>("storedWidth");
        QTest::addColumn<bool>("noDimension");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("sizable") << 0 << u"7500"_s << false << QSize(500, 250);
        QTest::newRow("sizable tool window") << 1 << u"7500"_s << false << QSize(500, 250);
        QTest::newRow("fixed border") << 2 << u"7500"_s << false << QSize(320, 240);
        QTest::newRow("sizable, NoDimension") << 0 << u"7500"_s << true << QSize(320, 240);
        QTest::newRow("stored width 0") << 0 << u"0"_s << false << QSize(320, 250);
    }
    void onlyASizableFormTakesTheStoredSize()
    {
        QFETCH(int, border);
        QFETCH(QString, storedWidth);
        QFETCH(bool, noDimension);
        QFETCH(QSize, expected);
        QWidget form(nullptr, border == 1 ? Qt::Tool : Qt::Window);
        form.setObjectName(u"FrmMisure"_s);
        form.resize(320, 240);
        if (border == 2)
            form.setFixedSize(320, 240);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize margins = form.frameGeometry().size() - form.size();
        store(u"FrmMisure"_s, u"Left"_s, u"300"_s);
        store(u"FrmMisure"_s, u"Larghezza"_s,
              storedWidth == u"0"_s ? storedWidth : QString::number(twips(500 + margins.width())));
        store(u"FrmMisure"_s, u"Altezza"_s, QString::number(twips(250 + margins.height())));
        call(u"LoadFormPosition",
             {formOf(form), Variant(iniName), Variant::fromBoolean(false), Variant::fromBoolean(noDimension)});
        QTRY_COMPARE(form.size(), expected);
        QCOMPARE(form.frameGeometry().topLeft(), QPoint(20, 0));
    }

    void aStoredTextThatIsNoNumberRaisesAndLeavesTheForm_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("Left not a number") << u"Left"_s << u"abc"_s << 13;
        QTest::newRow("Altezza empty") << u"Altezza"_s << u""_s << 13;
        QTest::newRow("WindowState not a number") << u"WindowState"_s << u"max"_s << 13;
        QTest::newRow("WindowState beyond a byte") << u"WindowState"_s << u"300"_s << 6;
    }
    void aStoredTextThatIsNoNumberRaisesAndLeavesTheForm()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, error);
        store(u"FrmHost"_s, u"Left"_s, u"3000"_s);
        store(u"FrmHost"_s, key, value);
        const auto form = shownHost();
        const QRect before = form->frameGeometry();
        QCOMPARE(errorNumberOf([&] { call(u"LoadFormPosition", {formOf(*form), Variant(iniName)}); }), error);
        QCOMPARE(form->frameGeometry(), before);
    }

    void everyControlOfAWindowRoundTripsIntoAFreshCopy()
    {
        m_station->writeFile(u"C:\\Immagini\\logo.png"_s, pictureFile(Qt::green, QSize(12, 8)));
        const auto saved = shownHost();
        child<QCheckBox>(*saved, u"ChkAttivo"_s).setChecked(true);
        child<QLineEdit>(*saved, u"TxtNome"_s).setText(u"Maria Rossi"_s);
        child<QRadioButton>(*saved, u"OptDonna"_s).setChecked(true);
        child<QLabel>(*saved, u"LblTitolo"_s).setText(u"Cliente"_s);
        child<QComboBox>(*saved, u"CmbTaglia"_s).setEditText(u"46"_s);
        child<QPushButton>(*saved, u"CmdChiudi"_s).setText(u"&Esci"_s);
        auto& logo = child<ui::PictureControl>(*saved, u"ImgLogo"_s);
        controlOf(logo).toObject()->set(u"Picture"_s,
                                        Variant(automation::WindowSystem::loadPicture(u"C:\\Immagini\\logo.png"_s)));

        call(u"SaveAllFormValueControlToIni",
             {formOf(*saved), Variant(iniName), Variant::fromBoolean(true), Variant::fromBoolean(true)});
        const QStringList keys{u"ChkAttivo"_s, u"TxtNome"_s,   u"OptUomo"_s,   u"OptDonna"_s, u"LblTitolo"_s,
                               u"CmbTaglia"_s, u"CmdChiudi"_s, u"PicSfondo"_s, u"ImgLogo"_s,  u"LstCapi"_s};
        const QStringList values{u"1"_s,     u"Maria Rossi"_s, u"0"_s,
                                 u"1"_s,     u"Cliente"_s,     u"46"_s,
                                 u"&Esci"_s, u"0"_s,           QString::number(logo.picture().handle()),
                                 absent};
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(stored(valuesSection, keys[i]), values[i]);

        const auto loaded = shownHost();
        call(u"LoadAllFormValueControlFromIni",
             {formOf(*loaded), Variant(iniName), Variant::fromBoolean(true), Variant::fromBoolean(true)});
        QVERIFY(child<QCheckBox>(*loaded, u"ChkAttivo"_s).isChecked());
        QCOMPARE(child<QLineEdit>(*loaded, u"TxtNome"_s).text(), u"Maria Rossi"_s);
        QVERIFY(child<QRadioButton>(*loaded, u"OptDonna"_s).isChecked());
        QVERIFY(!child<QRadioButton>(*loaded, u"OptUomo"_s).isChecked());
        QCOMPARE(child<QLabel>(*loaded, u"LblTitolo"_s).text(), u"Cliente"_s);
        QCOMPARE(child<QComboBox>(*loaded, u"CmbTaglia"_s).currentText(), u"46"_s);
        QCOMPARE(child<QPushButton>(*loaded, u"CmdChiudi"_s).text(), u"&Esci"_s);
        QVERIFY(child<ui::PictureControl>(*loaded, u"ImgLogo"_s).picture().isEmpty());
    }

    void labelsAndCommandButtonsOnlyWhenAsked()
    {
        const auto saved = shownHost();
        call(u"SaveAllFormValueControlToIni", {formOf(*saved), Variant(iniName)});
        QCOMPARE(stored(valuesSection, u"LblTitolo"_s), absent);
        QCOMPARE(stored(valuesSection, u"CmdChiudi"_s), absent);
        QCOMPARE(stored(valuesSection, u"ChkAttivo"_s), u"0"_s);

        store(valuesSection, u"LblTitolo"_s, u"Altro titolo"_s);
        store(valuesSection, u"CmdChiudi"_s, u"Altro"_s);
        const auto loaded = shownHost();
        const QString title = child<QLabel>(*loaded, u"LblTitolo"_s).text();
        call(u"LoadAllFormValueControlFromIni",
             {formOf(*loaded), Variant(iniName), Variant::fromBoolean(false), Variant::fromBoolean(false)});
        QCOMPARE(child<QLabel>(*loaded, u"LblTitolo"_s).text(), title);
        QCOMPARE(child<QPushButton>(*loaded, u"CmdChiudi"_s).text(), u"&Chiudi"_s);
        call(u"LoadAllFormValueControlFromIni",
             {formOf(*loaded), Variant(iniName), Variant::fromBoolean(false), Variant::fromBoolean(true)});
        QCOMPARE(child<QLabel>(*loaded, u"LblTitolo"_s).text(), u"Altro titolo"_s);
        QCOMPARE(child<QPushButton>(*loaded, u"CmdChiudi"_s).text(), u"&Chiudi"_s);
    }

    void storedTextsLoadIntoOptionAndCheckBoxes_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("check");
        QTest::addColumn<Qt::CheckState>("state");
        QTest::newRow("1") << u"1"_s << true << u"1"_s << Qt::Checked;
        QTest::newRow("abc") << u"abc"_s << false << u"0"_s << Qt::Unchecked;
        QTest::newRow("0") << u"0"_s << false << u"2"_s << Qt::PartiallyChecked;
        QTest::newRow("number first") << u" 2 pezzi"_s << true << u"1"_s << Qt::Checked;
        QTest::newRow("missing") << QString() << false << QString() << Qt::Unchecked;
    }
    void storedTextsLoadIntoOptionAndCheckBoxes()
    {
        QFETCH(QString, option);
        QFETCH(bool, checked);
        QFETCH(QString, check);
        QFETCH(Qt::CheckState, state);
        if (!option.isNull())
            store(valuesSection, u"OptUomo"_s, option);
        if (!check.isNull())
            store(valuesSection, u"ChkAttivo"_s, check);
        const auto form = shownHost();
        child<QRadioButton>(*form, u"OptUomo"_s).setChecked(!checked);
        child<QCheckBox>(*form, u"ChkAttivo"_s).setChecked(true);
        call(u"LoadAllFormValueControlFromIni", {formOf(*form), Variant(iniName)});
        QCOMPARE(child<QRadioButton>(*form, u"OptUomo"_s).isChecked(), checked);
        QCOMPARE(child<QCheckBox>(*form, u"ChkAttivo"_s).checkState(), state);

        call(u"SaveAllFormValueControlToIni", {formOf(*form), Variant(iniName)});
        QCOMPARE(stored(valuesSection, u"OptUomo"_s), checked ? u"1"_s : u"0"_s);
    }

    void aValueTheCheckBoxCannotTakeStopsTheLoad()
    {
        store(valuesSection, u"ChkAttivo"_s, u"sì"_s);
        store(valuesSection, u"TxtNome"_s, u"Dopo"_s);
        const auto form = shownHost();
        QCOMPARE(errorNumberOf([&] {
                     call(u"LoadAllFormValueControlFromIni", {formOf(*form), Variant(iniName)});
                 }),
                 13);
        QCOMPARE(child<QLineEdit>(*form, u"TxtNome"_s).text(), QString());
    }

    void oneControlIsSavedAndLoadedByItsKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("check box") << u"ChkAttivo"_s << u"1"_s;
        QTest::newRow("text box") << u"TxtNome"_s << u"Luca"_s;
        QTest::newRow("combo box") << u"CmbTaglia"_s << u"48"_s;
        QTest::newRow("option button") << u"OptUomo"_s << u"1"_s;
        QTest::newRow("label") << u"LblTitolo"_s << u"Intestazione"_s;
        QTest::newRow("command button") << u"CmdChiudi"_s << u"&Fine"_s;
        QTest::newRow("picture box") << u"PicSfondo"_s << absent;
        QTest::newRow("image") << u"ImgLogo"_s << absent;
        QTest::newRow("list box") << u"LstCapi"_s << absent;
    }
    void oneControlIsSavedAndLoadedByItsKind()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        const auto saved = shownHost();
        child<QCheckBox>(*saved, u"ChkAttivo"_s).setChecked(true);
        child<QLineEdit>(*saved, u"TxtNome"_s).setText(u"Luca"_s);
        child<QComboBox>(*saved, u"CmbTaglia"_s).setEditText(u"48"_s);
        child<QRadioButton>(*saved, u"OptUomo"_s).setChecked(true);
        child<QLabel>(*saved, u"LblTitolo"_s).setText(u"Intestazione"_s);
        child<QPushButton>(*saved, u"CmdChiudi"_s).setText(u"&Fine"_s);
        QWidget& control = child<QWidget>(*saved, name);
        call(u"SaveOneControlValue2Ini", {formOf(*saved), controlOf(control), Variant(iniName)});
        QCOMPARE(stored(valuesSection, name), written);
        QCOMPARE(m_station->windowsFile(iniName).count('='), written == absent ? 0 : 1);

        const auto loaded = shownHost();
        QWidget& target = child<QWidget>(*loaded, name);
        call(u"LoadOneControlValueFromIni", {formOf(*loaded), controlOf(target), Variant(iniName)});
        if (written == absent)
            return;
        const ObjectRef object = ui::widgetBridge::control(target);
        QCOMPARE(automation::defaultValueOf(Variant(object)).toString(),
                 automation::defaultValueOf(Variant(ui::widgetBridge::control(control))).toString());
    }

    void disableControlActsByKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("text box") << u"TxtNome"_s << true << true << true;
        QTest::newRow("option button") << u"OptUomo"_s << true << true << false;
        QTest::newRow("combo box") << u"CmbTaglia"_s << true << true << false;
        QTest::newRow("check box") << u"ChkAttivo"_s << true << true << true;
        QTest::newRow("command button") << u"CmdChiudi"_s << false << true << false;
        QTest::newRow("list box") << u"LstCapi"_s << true << true << true;
        QTest::newRow("label") << u"LblTitolo"_s << false << false << false;
        QTest::newRow("picture box") << u"PicSfondo"_s << false << false << false;
        QTest::newRow("image") << u"ImgLogo"_s << false << false << false;
    }
    void disableControlActsByKind()
    {
        QFETCH(QString, name);
        QFETCH(bool, result);
        QFETCH(bool, disabled);
        QFETCH(bool, emptied);
        const auto form = shownHost();
        auto& text = child<QLineEdit>(*form, u"TxtNome"_s);
        auto& check = child<QCheckBox>(*form, u"ChkAttivo"_s);
        auto& list = child<QListWidget>(*form, u"LstCapi"_s);
        text.setText(u"Luca"_s);
        check.setChecked(true);
        QWidget& control = child<QWidget>(*form, name);

        QCOMPARE(call(u"DisableControl", {controlOf(control)}), Variant::fromBoolean(result));
        QCOMPARE(control.isEnabled(), !disabled);
        const bool textEmptied = text.text().isEmpty();
        const bool checkEmptied = !check.isChecked();
        const bool listEmptied = list.count() == 0;
        QCOMPARE(textEmptied || checkEmptied || listEmptied, emptied);
        if (name == u"TxtNome"_s) {
            QCOMPARE(text.palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
            text.setText(u"Luca"_s);
            QCOMPARE(
                call(u"DisableControl", {controlOf(control), Variant::fromBoolean(true), Variant::fromBoolean(false)}),
                Variant::fromBoolean(true));
            QVERIFY(text.isEnabled());
            QCOMPARE(text.palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(text.text(), u"Luca"_s);
        }
    }

    void centerFormMovesOnlyANormalForm()
    {
        const auto form = shownHost(QRect(10, 10, 300, 200));
        const QRect frame = form->frameGeometry();
        call(u"CenterForm", {formOf(*form)});
        const int left = (automation::Screen::width() - twips(frame.width())) / 2;
        const int top = (automation::Screen::height() - twips(frame.height())) / 2;
        QTRY_COMPARE(form->frameGeometry().topLeft(),
                     QPoint(interaction::twips::toPixels(left), interaction::twips::toPixels(top)));

        for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            const auto other = shownHost(QRect(10, 10, 300, 200));
            other->setWindowState(state);
            const QRect before = other->frameGeometry();
            call(u"CenterForm", {formOf(*other)});
            QCOMPARE(other->windowState(), state);
            QCOMPARE(other->frameGeometry(), before);
        }
    }

    void tileBkgdCoversTheFormAndPutsItsScaleBack()
    {
        m_station->writeFile(u"C:\\Sfondi\\tessera.png"_s, pictureFile(Qt::blue, QSize(16, 12)));
        m_station->writeFile(u"C:\\Sfondi\\rotta.png"_s, "not a picture");
        QWidget form;
        form.setObjectName(u"FrmSfondo"_s);
        auto* holder = new ui::PictureControl(ui::PictureControl::Kind::PictureBox, &form);
        holder->setObjectName(u"PicTessera"_s);
        holder->setAutoSize(true);
        holder->hide();
        form.resize(150, 100);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        call(u"TileBkgd", {formOf(form), controlOf(*holder), Variant(QString())});
        QVERIFY(!form.findChild<ui::FormCanvas*>());
        QCOMPARE(form.property("ScaleMode"), QVariant());

        call(u"TileBkgd", {formOf(form), controlOf(*holder), Variant(u"C:\\Sfondi\\tessera.png"_s)});
        const QImage shown = form.grab().toImage();
        for (const QPoint at : {QPoint(0, 0), QPoint(17, 13), QPoint(75, 50), QPoint(149, 99)})
            QCOMPARE(shown.pixelColor(at), QColor(Qt::blue));
        QCOMPARE(ui::widgetBridge::form(form)->get(u"ScaleMode"_s), Variant::fromInteger(1));
        QVERIFY(holder->picture().isEmpty());

        QCOMPARE(errorNumberOf([&] {
                     call(u"TileBkgd", {formOf(form), controlOf(*holder), Variant(u"C:\\Sfondi\\manca.png"_s)});
                 }),
                 53);
        QCOMPARE(errorNumberOf([&] {
                     call(u"TileBkgd", {formOf(form), controlOf(*holder), Variant(u"C:\\Sfondi\\rotta.png"_s)});
                 }),
                 481);
    }

    // Utilex switches only the holder to pixels: the form keeps its own units, so the tiles step by
    // the picture's pixel size counted in twips and still cover the form.
    void utilexTilesInTheFormsOwnUnits()
    {
        m_station->writeFile(u"C:\\Sfondi\\tessera.png"_s, pictureFile(Qt::red, QSize(16, 12)));
        QWidget form;
        form.setObjectName(u"FrmSfondo"_s);
        auto* holder = new ui::PictureControl(ui::PictureControl::Kind::PictureBox, &form);
        holder->setAutoSize(true);
        holder->hide();
        form.resize(60, 40);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        callFirst(u"TileBkgd", {formOf(form), controlOf(*holder), Variant(u"C:\\Sfondi\\tessera.png"_s)});
        QCOMPARE(form.property("ScaleMode"), QVariant());
        QCOMPARE(ui::widgetBridge::control(*holder)->get(u"ScaleMode"_s), Variant::fromInteger(3));
        const QImage shown = form.grab().toImage();
        for (const QPoint at : {QPoint(0, 0), QPoint(30, 20), QPoint(59, 39)})
            QCOMPARE(shown.pixelColor(at), QColor(Qt::red));
        QVERIFY(holder->picture().isEmpty());
    }

    void selTextSelectsTheWholeTextOrRaises438()
    {
        const auto form = shownHost();
        auto& text = child<QLineEdit>(*form, u"TxtNome"_s);
        text.setText(u"Maria Rossi"_s);
        text.setCursorPosition(3);
        call(u"SelText", {controlOf(text)});
        QCOMPARE(text.selectedText(), u"Maria Rossi"_s);
        QCOMPARE(errorNumberOf([&] { call(u"SelText", {controlOf(child<QLabel>(*form, u"LblTitolo"_s))}); }), 438);
        QCOMPARE(errorNumberOf([&] { call(u"SelText", {controlOf(child<QComboBox>(*form, u"CmbTaglia"_s))}); }), 438);
    }

    void getMDIChildCountCountsTheVisibleMdiChildren()
    {
        QCOMPARE(call(u"GetMDIChildCount"), Variant::fromInteger(0));
        QMainWindow parent;
        auto* area = new QMdiArea(&parent);
        parent.setCentralWidget(area);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        for (int i = 0; i < 3; ++i)
            area->addSubWindow(new QWidget)->setVisible(i < 2);
        const auto other = shownHost();
        QCOMPARE(call(u"GetMDIChildCount"), Variant::fromInteger(2));
    }

    void appCloseClosesTheProgramsWindowByItsExactTitle()
    {
        const auto form = shownHost();
        form->setWindowTitle(u"Finestra da chiudere"_s);
        QCOMPARE(call(u"AppClose", {Variant(u"Finestra da"_s)}), Variant::fromBoolean(false));
        QCOMPARE(call(u"AppClose", {Variant(QString())}), Variant::fromBoolean(false));
        QVERIFY(form->isVisible());
        QCOMPARE(call(u"AppClose", {Variant(u"Finestra da chiudere"_s)}), Variant::fromBoolean(true));
        QTRY_VERIFY(!form->isVisible());
    }

    void alwaysOnTopSetsAndClearsTheStaysOnTopHint()
    {
        const auto form = shownHost();
        form->hide();
        call(u"AlwaysOnTop", {formOf(*form), Variant::fromBoolean(true)});
        QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form->isVisible());
        call(u"AlwaysOnTop", {formOf(*form), Variant::fromBoolean(false)});
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form->isVisible());

        // Early-bound callers can pass a Boolean that is neither True nor False: nothing happens.
        automation::Boolean neither = 1;
        ObjectRef window = ui::widgetBridge::form(*form);
        dynamic_cast<utilex::_UtilexClass&>(m_station->utilex()).AlwaysOnTop(window, neither);
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void nothingInPlaceOfAFormOrControlRaises91_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<int>("objects");
        QTest::addColumn<QString>("text"); // after the objects, when the method takes one
        QTest::newRow("CenterForm") << u"CenterForm"_s << 1 << QString();
        QTest::newRow("SelText") << u"SelText"_s << 1 << QString();
        QTest::newRow("DisableControl") << u"DisableControl"_s << 1 << QString();
        QTest::newRow("SaveFormPosition") << u"SaveFormPosition"_s << 1 << iniName;
        QTest::newRow("LoadFormPosition") << u"LoadFormPosition"_s << 1 << iniName;
        QTest::newRow("SaveAllFormValueControlToIni") << u"SaveAllFormValueControlToIni"_s << 1 << iniName;
        QTest::newRow("LoadAllFormValueControlFromIni") << u"LoadAllFormValueControlFromIni"_s << 1 << iniName;
        QTest::newRow("SaveOneControlValue2Ini") << u"SaveOneControlValue2Ini"_s << 2 << iniName;
        QTest::newRow("LoadOneControlValueFromIni") << u"LoadOneControlValueFromIni"_s << 2 << iniName;
        QTest::newRow("TileBkgd") << u"TileBkgd"_s << 2 << u"C:\\x.png"_s;
    }
    void nothingInPlaceOfAFormOrControlRaises91()
    {
        QFETCH(QString, method);
        QFETCH(int, objects);
        QFETCH(QString, text);
        std::vector<Variant> arguments(std::size_t(objects), Variant(ObjectRef{}));
        if (!text.isNull())
            arguments.push_back(Variant(text));
        QCOMPARE(errorNumberOf([&] { m_station->utilex().call(method, arguments); }), 91);
    }

    void aPlacementThatCannotBeWrittenRaises75()
    {
        const auto form = shownHost();
        QCOMPARE(errorNumberOf([&] {
                     call(u"SaveFormPosition", {formOf(*form), Variant(u"C:\\Manca\\Prova.ini"_s)});
                 }),
                 75);
        QCOMPARE(errorNumberOf([&] {
                     call(u"SaveAllFormValueControlToIni", {formOf(*form), Variant(u"C:\\Manca\\Prova.ini"_s)});
                 }),
                 75);
    }
};

TRAMEX_QT_TEST(UtilexFormsTest);

#include "UtilexFormsTest.moc"
