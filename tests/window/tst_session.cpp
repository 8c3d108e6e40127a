// The program on a real display server, X11 or Wayland: the platform Qt chose, one
// calculation through real message boxes, and "Uscita" ending the event loop with 0.
#include "window/qt/tellun.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void calculateThenExit();
};

void SessionTest::calculateThenExit()
{
    QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("IMC_EXPECTED_PLATFORM"));
    window::Tellun tellun;
    tellun.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tellun));
    tellun.findChild<QLineEdit *>("TxtPeso")->setText("70");
    tellun.findChild<QLineEdit *>("TxtAltezza")->setText("1.75");

    QString shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    tellun.findChild<QPushButton *>("CmdCalcola")->click();
    QCOMPARE(shown, QStringLiteral("Lo Stato Fisico \u00e8 : di Peso Forma"));
    QCOMPARE(tellun.findChild<QLineEdit *>("TxtFattore")->text(), QStringLiteral("22.85714"));

    QTimer::singleShot(0, tellun.findChild<QPushButton *>("CmdUscita"), &QPushButton::click);
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
