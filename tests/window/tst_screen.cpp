// Under a real X server (Xvfb): the window as the display shows it, saved as a screenshot.
#include "window/qt/tellun.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScreen>
#include <QtTest>

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsShown();
};

void ScreenTest::windowAsShown()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    window::Tellun tellun;
    tellun.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tellun));
    QTest::qWait(200); // let the server finish drawing before reading it back

    const QPoint origin = tellun.mapToGlobal(QPoint(0, 0));
    const QImage shot = tellun.screen()
                            ->grabWindow(0, origin.x(), origin.y(), tellun.width(), tellun.height())
                            .toImage();
    QCOMPARE(shot.size(), QSize(361, 414));
    const QString dir = qEnvironmentVariable("IMC_SCREENSHOT_DIR", QDir::currentPath());
    QVERIFY(shot.save(dir + QStringLiteral("/imc.png")));

    // The fraction bar: one pixel thick, in the window-text colour, from x 160 to 263 at y 176.
    const QColor text = tellun.palette().color(QPalette::WindowText);
    const QColor background = tellun.palette().color(QPalette::Window);
    for (int x = 160; x < 264; ++x)
        QCOMPARE(shot.pixelColor(x, 176), text);
    QCOMPARE(shot.pixelColor(159, 176), background);
    QCOMPARE(shot.pixelColor(264, 176), background);
    QCOMPARE(shot.pixelColor(200, 175), background);
    QCOMPARE(shot.pixelColor(200, 177), background);

    // The heading is drawn in the highlight colour, the box labels in the desktop blue.
    const auto hasColour = [&](QRect area, QColor colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shot.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    QVERIFY(hasColour(QRect(24, 16, 313, 20), tellun.palette().color(QPalette::Highlight)));
    QVERIFY(hasColour(QRect(88, 72, 121, 17), QColor(0x3a, 0x6e, 0xa5)));
}

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"
