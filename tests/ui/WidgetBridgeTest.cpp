#include "ui/WidgetBridge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>

#include "automation/ControlKind.h"
#include "automation/DefaultMember.h"
#include "automation/TypeInfo.h"
#include "platform/RuntimeError.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/QtTestMain.h"
#include "ui/PictureControl.h"
#include "ui/PictureObject.h"

using namespace Qt::StringLiterals;
using automation::ObjectRef;
using automation::Variant;

namespace {

template <class Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString interfaceOf(const ObjectRef& object)
{
    return object->interfaceInfo()->name;
}

// A window with a control of every kind, a group box holding one more, and Qt widgets that have
// inner widgets of their own.
struct ControlsWindow {
    QWidget window;
    QCheckBox* check = named(new QCheckBox(&window), u"ChkA"_s);
    QLineEdit* line = named(new QLineEdit(&window), u"TxtA"_s);
    QGroupBox* frame = named(new QGroupBox(&window), u"FraB"_s);
    QRadioButton* optionOne = named(new QRadioButton(frame), u"OptB1"_s);
    QRadioButton* optionTwo = named(new QRadioButton(frame), u"OptB2"_s);
    QLabel* label = named(new QLabel(&window), u"LblC"_s);
    QComboBox* combo = named(new QComboBox(&window), u"CmbD"_s);
    ui::PictureControl* pictureBox =
        named(new ui::PictureControl(ui::PictureControl::Kind::PictureBox, &window), u"PicE"_s);
    QPushButton* button = named(new QPushButton(&window), u"CmdF"_s);
    ui::PictureControl* image = named(new ui::PictureControl(ui::PictureControl::Kind::Image, &window), u"ImgG"_s);
    QListWidget* list = named(new QListWidget(&window), u"LstH"_s);
    QTextEdit* text = named(new QTextEdit(&window), u"TxtI"_s);
    QSpinBox* spin = named(new QSpinBox(&window), u"SpnJ"_s);
    QLabel* unnamed = new QLabel(&window);
    QDialog* dialog = named(new QDialog(&window), u"FrmNested"_s);

    ControlsWindow()
    {
        window.setObjectName(u"FrmControlli"_s);
        combo->setEditable(true);
        named(new QLineEdit(dialog), u"TxtInDialog"_s);
    }
};

QString writePicture(const QString& folder, const QColor& colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder + u"/tile.png"_s;
    image.save(path);
    return path;
}

} // namespace

class WidgetBridgeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void membersAreFoundIgnoringCaseAndMissingOnesRaise438()
    {
        ControlsWindow controls;
        const ObjectRef form = ui::widgetBridge::object(controls.window);
        QCOMPARE(interfaceOf(form), u"Form"_s);
        QCOMPARE(form->get(u"NAME"_s), Variant(u"FrmControlli"_s));
        QCOMPARE(form->get(u"name"_s), Variant(u"FrmControlli"_s));
        QCOMPARE(errorNumberOf([&] { form->get(u"Text"_s); }), 438);
        QCOMPARE(errorNumberOf([&] { form->set(u"Name"_s, Variant(u"Altro"_s)); }), 383);

        const ObjectRef label = ui::widgetBridge::object(*controls.label);
        QCOMPARE(errorNumberOf([&] { label->get(u"Text"_s); }), 438);
        QCOMPARE(errorNumberOf([&] { label->set(u"Value"_s, Variant::fromInteger(1)); }), 438);
        label->set(u"caption"_s, Variant(u"Nome"_s));
        QCOMPARE(controls.label->text(), u"Nome"_s);
    }

    void controlsComeInChildOrderWithTheirKinds()
    {
        ControlsWindow controls;
        const ObjectRef collection = ui::widgetBridge::form(controls.window)->get(u"Controls"_s).toObject();
        const QStringList expected{u"ChkA"_s, u"TxtA"_s, u"FraB"_s, u"OptB1"_s, u"OptB2"_s, u"LblC"_s, u"CmbD"_s,
                                   u"PicE"_s, u"CmdF"_s, u"ImgG"_s, u"LstH"_s,  u"TxtI"_s,  u"SpnJ"_s};
        QCOMPARE(collection->get(u"Count"_s).toLong(), expected.size());
        const QStringList kinds{u"CheckBox"_s, u"TextBox"_s,  u"Control"_s,    u"OptionButton"_s,  u"OptionButton"_s,
                                u"Label"_s,    u"ComboBox"_s, u"PictureBox"_s, u"CommandButton"_s, u"Image"_s,
                                u"ListBox"_s,  u"TextBox"_s,  u"Control"_s};
        for (int i = 0; i < expected.size(); ++i) {
            std::vector<Variant> index{Variant::fromLong(i)};
            const ObjectRef control =
                collection->invoke(automation::defaultMemberId, automation::InvokeKind::PropertyGet, index).toObject();
            QCOMPARE(control->get(u"Name"_s).toString(), expected[i]);
            QCOMPARE(interfaceOf(control), kinds[i]);
        }
        QCOMPARE(collection->call(u"Item"_s, {Variant(u"lbLc"_s)}).toObject()->get(u"Name"_s), Variant(u"LblC"_s));
        QCOMPARE(errorNumberOf([&] { collection->call(u"Item"_s, {Variant::fromLong(13)}); }), 9);
        QCOMPARE(errorNumberOf([&] { collection->call(u"Item"_s, {Variant::fromLong(-1)}); }), 9);
        QCOMPARE(errorNumberOf([&] { collection->call(u"Item"_s, {Variant(u"TxtInDialog"_s)}); }), 9);
        QCOMPARE(automation::controlKindOf(*collection->call(u"Item"_s, {Variant::fromLong(7)}).toObject()),
                 automation::ControlKind::PictureBox);
    }

    void formPlacementIsItsOuterFrameInTwips()
    {
        QWidget window;
        window.setObjectName(u"FrmPosto"_s);
        window.setGeometry(100, 80, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ObjectRef form = ui::widgetBridge::form(window);
        const QRect frame = window.frameGeometry();
        QCOMPARE(form->get(u"Left"_s).toLong(), frame.x() * 15);
        QCOMPARE(form->get(u"Top"_s).toLong(), frame.y() * 15);
        QCOMPARE(form->get(u"Width"_s).toLong(), frame.width() * 15);
        QCOMPARE(form->get(u"Height"_s).toLong(), frame.height() * 15);

        form->set(u"Left"_s, Variant::fromLong(3000));
        form->set(u"Height"_s, Variant(u"4500"_s));
        QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(200, frame.y()));
        QTRY_COMPARE(window.frameGeometry().height(), 300);
        QCOMPARE(window.frameGeometry().width(), frame.width());

        form->call(u"Move"_s, {Variant::fromLong(1500), Variant::fromLong(750), Variant::fromLong(6000)});
        QTRY_COMPARE(window.frameGeometry(), QRect(100, 50, 400, 300));
        QCOMPARE(errorNumberOf([&] { form->set(u"Left"_s, Variant(u"abc"_s)); }), 13);
        QCOMPARE(errorNumberOf([&] { form->set(u"Width"_s, Variant::fromLong(-15)); }), 380);
        QCOMPARE(errorNumberOf([&] { form->call(u"Move"_s); }), 449);
        QCOMPARE(window.frameGeometry(), QRect(100, 50, 400, 300));
    }

    void windowStateIsReadAndSetAndFreezesThePlacement()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ObjectRef form = ui::widgetBridge::form(window);
        QCOMPARE(form->get(u"WindowState"_s), Variant::fromInteger(0));
        form->set(u"WindowState"_s, Variant::fromInteger(2));
        QVERIFY(window.isMaximized());
        QCOMPARE(form->get(u"WindowState"_s), Variant::fromInteger(2));
        QCOMPARE(errorNumberOf([&] { form->set(u"Top"_s, Variant::fromLong(0)); }), 384);
        QCOMPARE(errorNumberOf([&] { form->call(u"Move"_s, {Variant::fromLong(0)}); }), 384);
        form->set(u"WindowState"_s, Variant::fromInteger(1));
        QVERIFY(window.isMinimized());
        QCOMPARE(form->get(u"WindowState"_s), Variant::fromInteger(1));
        form->set(u"WindowState"_s, Variant::fromInteger(0));
        QVERIFY(!window.isMinimized() && !window.isMaximized());
        QCOMPARE(errorNumberOf([&] { form->set(u"WindowState"_s, Variant::fromInteger(3)); }), 380);
    }

    void borderStyleFollowsTheWindowOrWhatTheProgramDeclares_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("expected");
        QTest::newRow("resizable window") << 0 << 2;
        QTest::newRow("fixed-size window") << 1 << 1;
        QTest::newRow("fixed-size dialog") << 2 << 3;
        QTest::newRow("resizable tool window") << 3 << 5;
        QTest::newRow("fixed-size tool window") << 4 << 4;
        QTest::newRow("frameless window") << 5 << 0;
        QTest::newRow("declared") << 6 << 3;
        QTest::newRow("dialog with the fixed-size hint") << 7 << 3;
    }
    void borderStyleFollowsTheWindowOrWhatTheProgramDeclares()
    {
        QFETCH(int, kind);
        QFETCH(int, expected);
        std::unique_ptr<QWidget> window(kind == 2 || kind == 7 ? new QDialog : new QWidget);
        if (kind == 3 || kind == 4)
            window->setWindowFlags(Qt::Tool);
        if (kind == 5)
            window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        if (kind == 1 || kind == 2 || kind == 4)
            window->setFixedSize(200, 100);
        if (kind == 6)
            window->setProperty("BorderStyle", 3);
        if (kind == 7)
            window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        QCOMPARE(ui::widgetBridge::form(*window)->get(u"BorderStyle"_s), Variant::fromInteger(std::int16_t(expected)));
    }

    void checkAndOptionValues()
    {
        ControlsWindow controls;
        const ObjectRef check = ui::widgetBridge::control(*controls.check);
        QCOMPARE(check->get(u"Value"_s), Variant::fromInteger(0));
        check->set(u"Value"_s, Variant(u"1"_s));
        QCOMPARE(controls.check->checkState(), Qt::Checked);
        check->set(u"Value"_s, Variant::fromInteger(2));
        QCOMPARE(controls.check->checkState(), Qt::PartiallyChecked);
        QCOMPARE(check->get(u"Value"_s), Variant::fromInteger(2));
        QCOMPARE(errorNumberOf([&] { check->set(u"Value"_s, Variant::fromInteger(3)); }), 380);
        QCOMPARE(errorNumberOf([&] { check->set(u"Value"_s, Variant(u"abc"_s)); }), 13);

        const ObjectRef first = ui::widgetBridge::control(*controls.optionOne);
        const ObjectRef second = ui::widgetBridge::control(*controls.optionTwo);
        first->set(u"Value"_s, Variant::fromBoolean(true));
        QCOMPARE(first->get(u"Value"_s), Variant::fromBoolean(true));
        second->set(u"Value"_s, Variant::fromBoolean(true));
        QCOMPARE(first->get(u"Value"_s), Variant::fromBoolean(false));
        // The runtime lets every option of a group be cleared.
        second->set(u"Value"_s, Variant::fromBoolean(false));
        QVERIFY(!controls.optionOne->isChecked() && !controls.optionTwo->isChecked());
        QVERIFY(controls.optionTwo->autoExclusive());
    }

    void textBoxTextSelectionAndColour()
    {
        ControlsWindow controls;
        for (QWidget* widget : std::initializer_list<QWidget*>{controls.line, controls.text}) {
            const ObjectRef box = ui::widgetBridge::control(*widget);
            box->set(u"Text"_s, Variant(u"Mario Rossi"_s));
            QCOMPARE(box->get(u"Text"_s), Variant(u"Mario Rossi"_s));
            box->set(u"SelStart"_s, Variant::fromLong(6));
            box->set(u"SelLength"_s, Variant::fromLong(100));
            QCOMPARE(box->get(u"SelStart"_s), Variant::fromLong(6));
            QCOMPARE(box->get(u"SelLength"_s), Variant::fromLong(5));
            box->set(u"SelStart"_s, Variant::fromLong(2));
            QCOMPARE(box->get(u"SelLength"_s), Variant::fromLong(0));
            QCOMPARE(errorNumberOf([&] { box->set(u"SelStart"_s, Variant::fromLong(-1)); }), 380);

            box->set(u"BackColor"_s, Variant::fromLong(0x0000FF));
            QCOMPARE(widget->palette().color(QPalette::Base), QColor(255, 0, 0));
            box->set(u"BackColor"_s, Variant::fromLong(0xC0A080));
            QCOMPARE(widget->palette().color(QPalette::Base), QColor(0x80, 0xA0, 0xC0));
            QCOMPARE(box->get(u"BackColor"_s), Variant::fromLong(0xC0A080));
            QCOMPARE(errorNumberOf([&] { box->set(u"BackColor"_s, Variant::fromLong(0x1000000)); }), 380);
        }
    }

    void comboAndListItems()
    {
        ControlsWindow controls;
        const ObjectRef combo = ui::widgetBridge::control(*controls.combo);
        combo->call(u"AddItem"_s, {Variant(u"44"_s)});
        combo->call(u"AddItem"_s, {Variant(u"40"_s), Variant::fromInteger(0)});
        QCOMPARE(controls.combo->itemText(0), u"40"_s);
        combo->set(u"Text"_s, Variant(u"52"_s));
        QCOMPARE(combo->get(u"Text"_s), Variant(u"52"_s));
        QCOMPARE(errorNumberOf([&] { combo->call(u"AddItem"_s, {Variant(u"x"_s), Variant::fromInteger(9)}); }), 5);

        controls.combo->setEditable(false);
        combo->set(u"Text"_s, Variant(u"44"_s));
        QCOMPARE(controls.combo->currentIndex(), 1);
        QCOMPARE(errorNumberOf([&] { combo->set(u"Text"_s, Variant(u"52"_s)); }), 383);
        combo->call(u"Clear"_s);
        QCOMPARE(controls.combo->count(), 0);

        const ObjectRef list = ui::widgetBridge::control(*controls.list);
        list->call(u"AddItem"_s, {Variant(u"Giacca"_s)});
        list->call(u"AddItem"_s, {Variant(u"Gonna"_s), Variant::fromInteger(0)});
        QCOMPARE(controls.list->item(0)->text(), u"Gonna"_s);
        QCOMPARE(controls.list->count(), 2);
        list->call(u"Clear"_s);
        QCOMPARE(controls.list->count(), 0);
        QCOMPARE(errorNumberOf([&] { list->get(u"Text"_s); }), 438);
    }

    void enabledIsTheControlsOwnSetting()
    {
        ControlsWindow controls;
        const ObjectRef option = ui::widgetBridge::control(*controls.optionOne);
        controls.frame->setEnabled(false);
        QCOMPARE(option->get(u"Enabled"_s), Variant::fromBoolean(true));
        option->set(u"Enabled"_s, Variant::fromBoolean(false));
        controls.frame->setEnabled(true);
        QVERIFY(!controls.optionOne->isEnabled());
        QCOMPARE(option->get(u"Enabled"_s), Variant::fromBoolean(false));
    }

    void picturesReadAsTheirHandleAndSizeTheirBox()
    {
        ControlsWindow controls;
        QTemporaryDir folder;
        const QString file = writePicture(folder.path(), Qt::red, QSize(30, 20));
        const ObjectRef box = ui::widgetBridge::control(*controls.pictureBox);
        QCOMPARE(automation::defaultValueOf(box->get(u"Picture"_s)).toString(), u"0"_s);

        const auto loaded = std::make_shared<ui::PictureObject>(ui::Picture(QPixmap(file)));
        box->set(u"AutoSize"_s, Variant::fromBoolean(true));
        box->set(u"Picture"_s, Variant(ObjectRef(loaded)));
        const Variant picture = box->get(u"Picture"_s);
        QCOMPARE(automation::defaultValueOf(picture).toLong(), loaded->picture().handle());
        QVERIFY(loaded->picture().handle() != 0);
        QCOMPARE(picture.toObject()->get(u"Width"_s).toLong(), 794); // 30 pixels in HIMETRIC
        QCOMPARE(controls.pictureBox->contentsRect().size(), QSize(30, 20));
        QCOMPARE(box->get(u"ScaleWidth"_s).toLong(), 450);
        box->set(u"ScaleMode"_s, Variant::fromInteger(3));
        QCOMPARE(box->get(u"ScaleWidth"_s).toLong(), 30);
        QCOMPARE(box->get(u"ScaleHeight"_s).toLong(), 20);
        QCOMPARE(errorNumberOf([&] { box->set(u"ScaleMode"_s, Variant::fromInteger(0)); }), 380);

        const ObjectRef image = ui::widgetBridge::control(*controls.image);
        image->set(u"Picture"_s, picture);
        QCOMPARE(automation::defaultValueOf(image->get(u"Picture"_s)), automation::defaultValueOf(picture));
        QCOMPARE(errorNumberOf([&] { image->get(u"ScaleMode"_s); }), 438);
        QCOMPARE(errorNumberOf([&] { image->set(u"Picture"_s, Variant(u"x"_s)); }), 13);
        image->set(u"Picture"_s, Variant(ObjectRef()));
        QCOMPARE(automation::defaultValueOf(image->get(u"Picture"_s)).toLong(), 0);
    }

    void paintPictureDrawsAtTheFormsScale()
    {
        QWidget window;
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPixmap tile(10, 10);
        tile.fill(Qt::blue);
        const auto picture = std::make_shared<ui::PictureObject>(ui::Picture(tile));
        const ObjectRef form = ui::widgetBridge::form(window);
        form->call(u"PaintPicture"_s, {Variant(ObjectRef(picture)), Variant::fromLong(300), Variant::fromLong(150)});
        form->set(u"ScaleMode"_s, Variant::fromInteger(3));
        form->call(u"PaintPicture"_s, {Variant(ObjectRef(picture)), Variant::fromLong(50), Variant::fromLong(50),
                                       Variant::fromLong(20), Variant::fromLong(5)});
        form->call(u"PaintPicture"_s, {Variant(ObjectRef(picture)), Variant::fromLong(5000), Variant::fromLong(0)});
        const QImage shown = window.grab().toImage();
        QCOMPARE(shown.pixelColor(25, 15), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(69, 54), QColor(Qt::blue));
        QVERIFY(shown.pixelColor(35, 15) != QColor(Qt::blue));
        QVERIFY(shown.pixelColor(69, 56) != QColor(Qt::blue));
        QCOMPARE(errorNumberOf([&] {
                     form->call(u"PaintPicture"_s, {Variant(ObjectRef()), Variant::fromLong(0), Variant::fromLong(0)});
                 }),
                 481);
    }

    void mdiChildrenAndWindowHandles()
    {
        QMainWindow parent;
        parent.setObjectName(u"FrmPrincipale"_s);
        auto* area = new QMdiArea(&parent);
        parent.setCentralWidget(area);
        auto* child = named(new QWidget, u"FrmFiglio"_s);
        QMdiSubWindow* subWindow = area->addSubWindow(child);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        const ObjectRef parentForm = ui::widgetBridge::form(parent);
        QCOMPARE(parentForm->get(u"hwnd"_s).toLong(), std::int32_t(parent.winId()));
        QCOMPARE(errorNumberOf([&] { parentForm->get(u"MDIChild"_s); }), 438);

        const ObjectRef childForm = ui::widgetBridge::object(*subWindow);
        QCOMPARE(childForm->get(u"Name"_s), Variant(u"FrmFiglio"_s));
        QCOMPARE(childForm->get(u"MDIChild"_s), Variant::fromBoolean(true));
        QCOMPARE(childForm->get(u"hwnd"_s), parentForm->get(u"hwnd"_s));
        subWindow->hide();
        QCOMPARE(childForm->get(u"Visible"_s), Variant::fromBoolean(false));
        childForm->set(u"Visible"_s, Variant::fromBoolean(true));
        QVERIFY(subWindow->isVisible());
        childForm->call(u"Move"_s, {Variant::fromLong(150), Variant::fromLong(300)});
        QCOMPARE(subWindow->pos(), QPoint(10, 20));

        QWidget plain;
        QCOMPARE(ui::widgetBridge::form(plain)->get(u"MDIChild"_s), Variant::fromBoolean(false));
    }

    void aDestroyedWidgetRaises364()
    {
        auto window = std::make_unique<QWidget>();
        const ObjectRef form = ui::widgetBridge::form(*window);
        window.reset();
        QCOMPARE(errorNumberOf([&] { form->get(u"Name"_s); }), 364);
    }
};

TRAMEX_QT_TEST(WidgetBridgeTest);

#include "WidgetBridgeTest.moc"
