#include "runtime/message_box.h"
#include "window/qt/app_icon.h"
#include "window/qt/tellun.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtTest>

using window::Tellun;

namespace {

class RecordingMessages : public runtime::MessageBoxService {
public:
    void show(const runtime::MessageBoxRequest &request) override { shown.push_back(request); }
    std::vector<runtime::MessageBoxRequest> shown;
};

const QString classTitle = QStringLiteral("Indicazione Stato Fisico");

// The accessibility events as a screen reader receives them: what happened, and to whom.
QList<QPair<QAccessible::Event, QString>> *heard = nullptr;
void hear(QAccessibleEvent *event)
{
    if (heard && event->object())
        heard->append({ event->type(), event->object()->objectName() });
}

} // namespace

class TellunTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void focusOrder();
    void labelsTakeNoFocus();
    void typedCalculation();
    void bothWarningsInOrder();
    void enterAndEscapeDoNothing();
    void realMessageBox();
    void runTimeErrorIsReportedAndTheProgramGoesOn();
    void clearLeavesOneBlank();
    void exitEndsTheEventLoop_data();
    void exitEndsTheEventLoop();
    void accessibilityTree();
    void accessibleFocusFollowsTabOrder();
    void eachTabStopIsAnnouncedOnItsFirstVisit();
    void messageBoxIsAccessible();
    void iconIsDrawnAtEverySize();
    void iconArrivesAfterTheFirstFrame();
    void highDpi();

private:
    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QLatin1String(name));
        Q_ASSERT(widget);
        return widget;
    }
    void type(const char *box, const QString &text)
    {
        control<QLineEdit>(box)->clear();
        QTest::keyClicks(control(box), text);
    }
    void click(const char *button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    RecordingMessages m_messages;
    std::unique_ptr<Tellun> m_window;
};

void TellunTest::init()
{
    m_messages.shown.clear();
    m_window = std::make_unique<Tellun>(&m_messages);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TellunTest::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TellunTest::window()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Tellun"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Indice di Massa Corporea"));
    QCOMPARE(m_window->size(), QSize(361, 414));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 17);
}

// What the user gets, in pixels at 96 dpi (15 twips a pixel).
void TellunTest::controls_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("centred");

    const QString sans = QStringLiteral("Liberation Sans");
    const QString verdana = QStringLiteral("DejaVu Sans");
    // clang-format off
    QTest::newRow("TxtFattore")      << ""                                  << QRect(216, 272, 57, 17)  << sans << 8.25 << false << false << false;
    QTest::newRow("TxtAltezza")      << ""                                  << QRect(216, 112, 57, 17)  << sans << 8.25 << false << false << false;
    QTest::newRow("CmdCancella")     << "Cancella"                          << QRect(48, 320, 81, 25)   << sans << 9.75 << false << false << true;
    QTest::newRow("CmdCalcola")      << "Calcola"                           << QRect(136, 224, 81, 25)  << sans << 9.75 << false << false << true;
    QTest::newRow("CmdUscita")       << "Uscita"                            << QRect(224, 320, 81, 25)  << sans << 9.75 << false << false << true;
    QTest::newRow("TxtPeso")         << ""                                  << QRect(216, 72, 57, 17)   << sans << 8.25 << false << false << false;
    QTest::newRow("Label6")          << "Formula Utilizzata  :"             << QRect(32, 168, 121, 17)  << sans << 9.75 << false << false << false;
    QTest::newRow("Label5")          << "Altezza \u00b2     [m\u00b2]"      << QRect(168, 184, 97, 17)  << sans << 9.75 << false << false << false;
    QTest::newRow("Label4")          << "Peso Reale    [Kg]"                << QRect(160, 152, 113, 17) << sans << 9.75 << false << false << false;
    QTest::newRow("Label3")          << "Utilizzare il punto come separatore dei decimali"
                                                                            << QRect(24, 48, 313, 20)   << sans << 8.25 << false << false << true;
    QTest::newRow("LBLFattore")      << "Fattore Peso"                      << QRect(88, 272, 121, 17)  << sans << 9.75 << false << false << false;
    QTest::newRow("LBLAltezza")      << "ALTEZZA           m  "             << QRect(88, 112, 121, 17)  << sans << 9.75 << false << false << false;
    QTest::newRow("Label1")          << "By Quellbrin"                      << QRect(112, 376, 141, 23) << verdana << 9.75 << false << true << false;
    QTest::newRow("Label2")          << "Versione 1.2"                      << QRect(136, 352, 93, 23)  << verdana << 9.75 << true << false << false;
    QTest::newRow("LBLPeso")         << "PESO REALE   Kg"                   << QRect(88, 72, 121, 17)   << sans << 9.75 << false << false << false;
    QTest::newRow("LBLIntestazione") << "INDICE DI MASSA CORPOREA"          << QRect(24, 16, 313, 20)   << sans << 12.0 << true << false << true;
    // clang-format on
}

void TellunTest::controls()
{
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, centred);

    QWidget *widget = control(QTest::currentDataTag());
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().italic(), italic);
    QCOMPARE(QFontInfo(widget->font()).family(), family);

    QString text;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        text = label->text();
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        text = button->text();
    } else {
        text = qobject_cast<QLineEdit *>(widget)->text();
    }
    QCOMPARE(text, caption);
    // Every caption fits in its control at its font, without clipping or wrapping.
    QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= geometry.width(),
        qPrintable(
            QStringLiteral("%1 px wide").arg(widget->fontMetrics().horizontalAdvance(text))));
}

void TellunTest::focusOrder()
{
    const QStringList order { "TxtPeso", "CmdUscita", "CmdCalcola", "CmdCancella", "TxtAltezza",
        "TxtFattore" };
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (int step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[step % order.size()]);
    }
    for (qsizetype step = order.size() - 1; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[step]);
    }
}

void TellunTest::labelsTakeNoFocus()
{
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        const bool focusable
            = qobject_cast<QLineEdit *>(widget) || qobject_cast<QPushButton *>(widget);
        QCOMPARE(widget->focusPolicy() != Qt::NoFocus, focusable);
    }
}

void TellunTest::typedCalculation()
{
    type("TxtPeso", "70");
    QTest::keyClick(control("TxtPeso"), Qt::Key_Tab); // through the buttons to the height
    type("TxtAltezza", "1.75");
    click("CmdCalcola");

    // The result's separator is the user's locale's: the suite runs under C and under it_IT.
    const QString expected = qEnvironmentVariable("IMC_EXPECTED_RESULT", "22.85714");
    QCOMPARE(control<QLineEdit>("TxtFattore")->text(), expected);
    QCOMPARE(m_messages.shown.size(), std::size_t(1));
    QCOMPARE(m_messages.shown[0].title, classTitle.toStdString());
    QCOMPARE(m_messages.shown[0].prompt, "Lo Stato Fisico \u00e8 : di Peso Forma");
    QCOMPARE(m_messages.shown[0].buttons, 64);
    QCOMPARE(m_window->fields().StatoFisico, "di Peso Forma");

    // "," is no decimal separator in any locale: "1,75" reads 1.
    type("TxtAltezza", "1,75");
    click("CmdCalcola");
    QCOMPARE(control<QLineEdit>("TxtFattore")->text(), QStringLiteral("70"));
    QCOMPARE(m_messages.shown.back().prompt, "Lo Stato Fisico \u00e8 : di Super Obeso");
}

void TellunTest::bothWarningsInOrder()
{
    click("CmdCalcola"); // the boxes are empty when the window opens
    QCOMPARE(m_messages.shown.size(), std::size_t(2));
    QCOMPARE(m_messages.shown[0].prompt, "Il valore del peso deve essere maggiore di zero");
    QCOMPARE(m_messages.shown[1].prompt, "Il valore dell'altezza deve essere maggiore di zero");
    for (const auto &shown : m_messages.shown) {
        QCOMPARE(shown.title, "Attenzione !!!");
        QCOMPARE(shown.buttons, 64);
    }
    QCOMPARE(control<QLineEdit>("TxtFattore")->text(), QString());
}

void TellunTest::enterAndEscapeDoNothing()
{
    control("CmdCalcola")->setFocus();
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape })
        QTest::keyClick(control("CmdCalcola"), key);
    QTest::keyClick(control("TxtPeso"), Qt::Key_Return);
    QVERIFY(m_messages.shown.empty());
    QVERIFY(m_window->isVisible());

    QTest::keyClick(control("CmdCalcola"), Qt::Key_Space);
    QCOMPARE(m_messages.shown.size(), std::size_t(2));
}

// Once through the real QMessageBox: modal, found and dismissed as the user would.
void TellunTest::realMessageBox()
{
    Tellun window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QLineEdit *>("TxtPeso")->setText("70");
    window.findChild<QLineEdit *>("TxtAltezza")->setText("1.75");

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::mouseClick(window.findChild<QPushButton *>("CmdCalcola"), Qt::LeftButton);
    QCOMPARE(title, classTitle);
    QCOMPARE(text, QStringLiteral("Lo Stato Fisico \u00e8 : di Peso Forma"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void TellunTest::runTimeErrorIsReportedAndTheProgramGoesOn()
{
    type("TxtPeso", "1e39");
    type("TxtAltezza", "1");
    click("CmdCalcola");
    QCOMPARE(m_messages.shown.size(), std::size_t(1));
    QCOMPARE(m_messages.shown[0].title, "Indice di Massa Corporea");
    QCOMPARE(m_messages.shown[0].prompt, "Errore di run-time '6':\n\nOverflow");
    QCOMPARE(m_messages.shown[0].buttons, 16);
    QCOMPARE(m_window->fields().Peso, 1e39);
    QCOMPARE(control<QLineEdit>("TxtFattore")->text(), QString());

    type("TxtPeso", "70");
    type("TxtAltezza", "1.75");
    click("CmdCalcola");
    QCOMPARE(m_messages.shown.size(), std::size_t(2));
    QCOMPARE(m_messages.shown[1].title, classTitle.toStdString());
}

void TellunTest::clearLeavesOneBlank()
{
    type("TxtPeso", "70");
    type("TxtAltezza", "1.75");
    click("CmdCalcola");
    const auto before = m_window->fields();
    control("TxtAltezza")->setFocus();
    click("CmdCancella");
    for (const char *box : { "TxtPeso", "TxtAltezza", "TxtFattore" })
        QCOMPARE(control<QLineEdit>(box)->text(), QStringLiteral(" "));
    QCOMPARE(m_window->fields().Fattore, before.Fattore);
    QCOMPARE(m_window->fields().StatoFisico, before.StatoFisico);
    QCOMPARE(m_messages.shown.size(), std::size_t(1));

    // Typed next to the blank, a number still reads as that number.
    QTest::keyClicks(control("TxtPeso"), "80");
    control<QLineEdit>("TxtAltezza")->setCursorPosition(0);
    QTest::keyClicks(control("TxtAltezza"), "2");
    click("CmdCalcola");
    QCOMPARE(control<QLineEdit>("TxtFattore")->text(), QStringLiteral("20"));
}

void TellunTest::exitEndsTheEventLoop_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Uscita") << false;
    QTest::newRow("close box") << true;
}

void TellunTest::exitEndsTheEventLoop()
{
    QFETCH(bool, closeBox);
    type("TxtPeso", "70");
    QTimer::singleShot(0, [&] {
        if (closeBox)
            m_window->close();
        else
            click("CmdUscita");
    });
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(m_messages.shown.empty());
}

// What an assistive technology sees: the window as a window, every control with its role,
// its name, and for the two input boxes the note on the decimal separator as description.
void TellunTest::accessibilityTree()
{
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(m_window.get());
    QCOMPARE(root->role(), QAccessible::Window);
    QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Indice di Massa Corporea"));
    QMap<QString, QAccessibleInterface *> seen;
    for (int i = 0; i < root->childCount(); ++i)
        seen.insert(root->child(i)->object()->objectName(), root->child(i));
    QCOMPARE(seen.size(), 17);
    const QAccessible::Role edit = QAccessible::EditableText, button = QAccessible::Button,
                            text = QAccessible::StaticText;
    const char *const note = "Utilizzare il punto come separatore dei decimali";
    const std::tuple<const char *, QAccessible::Role, const char *, const char *> expected[] = {
        {        "TxtPeso",   edit,              "PESO REALE   Kg", note},
        {     "TxtAltezza",   edit,        "ALTEZZA           m  ", note},
        {     "TxtFattore",   edit,                 "Fattore Peso",   ""},
        {     "CmdCalcola", button,                      "Calcola",   ""},
        {    "CmdCancella", button,                     "Cancella",   ""},
        {      "CmdUscita", button,                       "Uscita",   ""},
        {"LBLIntestazione",   text,     "INDICE DI MASSA CORPOREA",   ""},
        {         "Label3",   text,                           note,   ""},
        {        "LBLPeso",   text,              "PESO REALE   Kg",   ""},
        {     "LBLAltezza",   text,        "ALTEZZA           m  ",   ""},
        {     "LBLFattore",   text,                 "Fattore Peso",   ""},
        {         "Label4",   text,           "Peso Reale    [Kg]",   ""},
        {         "Label5",   text, "Altezza \u00b2     [m\u00b2]",   ""},
        {         "Label6",   text,        "Formula Utilizzata  :",   ""},
        {         "Label2",   text,                 "Versione 1.2",   ""},
        {         "Label1",   text,                 "By Quellbrin",   ""},
    };
    for (const auto &[name, role, accessibleName, description] : expected) {
        QVERIFY2(seen.contains(name), name);
        QCOMPARE(seen[name]->role(), role);
        QCOMPARE(seen[name]->text(QAccessible::Name), QString::fromUtf8(accessibleName));
        QCOMPARE(seen[name]->text(QAccessible::Description), QString::fromUtf8(description));
    }
}

// The focus as the accessibility tree reports it, step by step along the Tab key.
void TellunTest::accessibleFocusFollowsTabOrder()
{
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(m_window.get());
    QStringList seen;
    for (int step = 0; step < 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QAccessibleInterface *focused = root->focusChild();
        QVERIFY(focused);
        QVERIFY(focused->state().focused);
        seen << focused->object()->objectName();
    }
    QCOMPARE(seen,
        QStringList(
            { "CmdUscita", "CmdCalcola", "CmdCancella", "TxtAltezza", "TxtFattore", "TxtPeso" }));
}

// A screen reader takes a box whose caret moves before it is focused for one it has already
// announced, and says nothing. Along the Tab key, no stop reports its caret before its focus.
void TellunTest::eachTabStopIsAnnouncedOnItsFirstVisit()
{
    QList<QPair<QAccessible::Event, QString>> events;
    heard = &events;
    QAccessible::installUpdateHandler(hear);
    // As when a screen reader is running; Qt's own accessibility tests do the same.
    QPlatformAccessibility *const platform
        = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    const auto stopListening = qScopeGuard([platform] {
        platform->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        heard = nullptr;
    });
    for (int step = 0; step < 6; ++step) {
        events.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString focused = QApplication::focusWidget()->objectName();
        QStringList said;
        for (const auto &[event, object] : events) {
            if (object == focused && event != QAccessible::TextSelectionChanged)
                said << QMetaEnum::fromType<QAccessible::Event>().valueToKey(event);
        }
        QCOMPARE(said.value(0), QStringLiteral("Focus"));
    }
}

void TellunTest::messageBoxIsAccessible()
{
    Tellun window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QLineEdit *>("TxtAltezza")->setText("1.75"); // the weight warning alone
    QString name, text;
    QAccessible::Role role = QAccessible::NoRole;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        role = accessible->role();
        name = accessible->text(QAccessible::Name);
        // The box's text is a label inside it.
        for (int i = 0; i < accessible->childCount(); ++i) {
            if (accessible->child(i)->role() == QAccessible::StaticText
                && !accessible->child(i)->text(QAccessible::Name).isEmpty())
                text = accessible->child(i)->text(QAccessible::Name);
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::mouseClick(window.findChild<QPushButton *>("CmdCalcola"), Qt::LeftButton);
    QCOMPARE(role, QAccessible::AlertMessage);
    QCOMPARE(name, QStringLiteral("Attenzione !!!"));
    QCOMPARE(text, QStringLiteral("Il valore del peso deve essere maggiore di zero"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

// Drawn beforehand, so that no size a window manager asks for is scaled from another.
void TellunTest::iconIsDrawnAtEverySize()
{
    const QIcon icon = window::applicationIcon();
    const QList<QSize> sizes { QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48),
        QSize(64, 64) };
    QList<QSize> available = icon.availableSizes();
    std::sort(
        available.begin(), available.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(available, sizes);
    for (const QSize &size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded corner
        QCOMPARE(image.pixel(size.width() / 8, size.height() / 2), 0xff308cc6u); // the blue
    }
}

void TellunTest::iconArrivesAfterTheFirstFrame()
{
    QApplication::setWindowIcon(QIcon());
    Tellun window;
    const qsizetype children = window.children().size();
    window::setApplicationIconAfterFirstFrame(window);
    window.show();
    QVERIFY(window.windowIcon().isNull());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.windowIcon().availableSizes().size(), 5);
    QTRY_COMPARE(window.children().size(), children); // the watch is gone
}

void TellunTest::highDpi()
{
    if (m_window->devicePixelRatio() != 2.0)
        QSKIP("run with QT_SCALE_FACTOR=2");
    const QImage image = m_window->grab().toImage();
    QCOMPARE(image.size(), QSize(722, 828));
    if (qEnvironmentVariableIsSet("IMC_SCREENSHOT_DIR"))
        image.save(qEnvironmentVariable("IMC_SCREENSHOT_DIR") + QStringLiteral("/imc@2x.png"));
    const QRect heading = control("LBLIntestazione")->geometry();
    QCOMPARE(QRect(heading.topLeft() * 2, heading.size() * 2), QRect(48, 32, 626, 40));
    const QRect button = control("CmdCalcola")->geometry();
    QCOMPARE(QRect(button.topLeft() * 2, button.size() * 2), QRect(272, 448, 162, 50));

    // Text drawn at device resolution has detail a doubled 1x bitmap cannot: somewhere in the
    // heading a pixel differs from its right-hand neighbour within a 2x2 block.
    bool finer = false;
    for (int y = 32; y < 72 && !finer; ++y)
        for (int x = 48; x < 674 && !finer; x += 2)
            finer = image.pixel(x, y) != image.pixel(x + 1, y);
    QVERIFY(finer);
}

QTEST_MAIN(TellunTest)
#include "tst_tellun.moc"
