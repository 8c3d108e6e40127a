// The Qt window as a user meets it, on the offscreen platform, with Qt Test's keys and clicks:
// the checks every front end passes, and what only Qt shows: the fonts and their stand-ins, the
// colours, what a screen reader hears, the icon.
#include "tests/run_tests.h"
#include "tests/window/window_checks.h"
#include "window/qt/application.h"
#include "window/qt/conversions.h"
#include "window/qt/tellun.h"
#include "window/stand_ins.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMetaEnum>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtTest>

namespace {

std::string utf8(const QString &text) { return text.toStdString(); }

// The accessibility events as a screen reader receives them, what happened and to whom; the
// platform's accessibility is on, as when a screen reader is running.
std::vector<std::pair<std::string, std::string>> heard;
void hear(QAccessibleEvent *event)
{
    if (event->object())
        heard.emplace_back(QMetaEnum::fromType<QAccessible::Event>().valueToKey(event->type()),
            utf8(event->object()->objectName()));
}

// Whether the window had its icon when it was first painted.
struct FirstPaint : QObject {
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !iconShown)
            iconShown = !static_cast<QWidget *>(watched)->windowIcon().isNull();
        return false;
    }
    std::optional<bool> iconShown;
};

class Tellun : public WindowDriver, public testing::Test {
public:
    // The suite runs under C and under Italian, whose separator is a comma.
    Tellun() { decimalSeparator = qEnvironmentVariable("IMC_DECIMAL", ".").toStdString(); }
    // Shown as the program shows it.
    void start() override
    {
        window = std::make_unique<window::Tellun>();
        const qsizetype children = window->children().size();
        FirstPaint firstPaint; // watching after the program's own watch
        window->installEventFilter(&firstPaint);
        window::showAsApplication(*window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The icon is given once the first frame is out, not before: it would hold that up.
        // (Offscreen through Qt; on X11 the same pixels are written to the window directly.)
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->windowIcon().isNull(); }));
        EXPECT_EQ(firstPaint.iconShown, false);
        // Each size as drawn, its colours in their places.
        const QIcon icon = window->windowIcon();
        EXPECT_EQ(icon.availableSizes().size(), 7);
        for (const QSize size : icon.availableSizes()) {
            const QImage drawn(
                QStringLiteral(IMC_ICONS "/%1x%1/org.example.Imc.png").arg(size.width()));
            EXPECT_EQ(icon.pixmap(size, 1.0).toImage(),
                drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
                << size.width();
        }
        // The theme changed while the window is open.
        if (const auto palette = std::exchange(paletteOnceShown, std::nullopt)) {
            QApplication::setPalette(*palette);
            QApplication::processEvents(); // as the event loop takes the change
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->children().size() == children; }));
        scale = window->devicePixelRatioF();
    }
    std::string title() override { return utf8(window->windowTitle()); }
    std::vector<int> clientSize() override { return { window->width(), window->height() }; }
    QWidget *widget(const ExpectedControl &c) const { return window->findChild<QWidget *>(c.name); }
    // Each caption whole in the font asked for or in its stand-in, each label in its colour; for
    // assistive technology, each control's name (a text box its label's), and the two input boxes
    // described by the note on the decimal separator.
    void checkLooks(const ExpectedControl &control) override
    {
        QWidget *const shown = widget(control);
        const QFontInfo font(shown->font());
        const std::string family = utf8(font.family().toCaseFolded());
        EXPECT_TRUE(family == utf8(QString(control.family).toCaseFolded())
            || family == utf8(window::toQString(window::standInFor(control.family)).toCaseFolded()))
            << family;
        EXPECT_EQ(std::tuple(shown->font().pointSizeF(), font.bold(), font.italic()),
            std::tuple(control.points, control.bold, control.italic));
        EXPECT_LE(shown->fontMetrics().horizontalAdvance(QString::fromUtf8(control.caption)),
            control.width);
        const QColor highlight = window->palette().color(QPalette::Highlight);
        if (control.highlighted && highlight.hslSaturation() > 0) { // in the highlight's hue
            const Rgb ink = inkOf(shot(control)).colour;
            EXPECT_NEAR(QColor(ink.red, ink.green, ink.blue).hslHue(), highlight.hslHue(), 10);
        }
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget(control));
        EXPECT_EQ(utf8(accessible->text(QAccessible::Name)),
            control.label ? control.label : control.caption);
        const bool input = std::string_view(control.name) == "TxtPeso"
            || std::string_view(control.name) == "TxtAltezza";
        EXPECT_EQ(utf8(accessible->text(QAccessible::Description)),
            input ? expectedControls[1].caption : "");
        if (control.label) { // a text box's context menu, in Italian like the program
            const std::unique_ptr<QMenu> menu(
                qobject_cast<QLineEdit *>(widget(control))->createStandardContextMenu());
            EXPECT_EQ(utf8(menu->actions().front()->text()), "Ann&ulla\tCtrl+Z");
        }
    }
    std::vector<int> place(const ExpectedControl &control) override
    {
        const QRect place = widget(control)->geometry();
        return { place.x(), place.y(), place.width(), place.height() };
    }
    // Each pixel read at its middle, in the screen's pixels.
    std::vector<bool> inWindowText(int left, int top, int width, int height) override
    {
        const QImage image = window->grab(QRect(left, top, width, height)).toImage();
        std::vector<bool> shown;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                shown.push_back(image.pixelColor(int((x + 0.5) * scale), int((y + 0.5) * scale))
                    == window->palette().color(QPalette::WindowText));
        return shown;
    }
    Shot shot(const ExpectedControl &label) override
    {
        const QImage image = window->grab(widget(label)->geometry()).toImage();
        Shot shot { {}, image.width() };
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                shot.pixels.push_back(window::toRgb(image.pixelColor(x, y)));
        return shot;
    }
    std::string text(const ExpectedControl &c) override
    {
        return utf8(widget(c)->property("text").toString());
    }
    int firstShown(const char *box) override
    {
        auto *const edit = window->findChild<QLineEdit *>(box);
        return edit->cursorPositionAt(QPoint(edit->contentsRect().left() + 2, edit->height() / 2));
    }
    std::string focus() override { return utf8(QApplication::focusWidget()->objectName()); }
    // A screen reader takes a box whose caret moves before it is focused for one it has
    // announced already, and says nothing: at each Tab stop the focus is the first news of it
    // (selecting a box's text as it takes the focus is none), and the tree agrees.
    void key(Key key) override
    {
        const Qt::Key keys[]
            = { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space };
        heard.clear();
        QTest::keyClick(QApplication::focusWidget(), keys[static_cast<int>(key)]);
        if (key != Key::Tab && key != Key::BackTab)
            return;
        const std::string stop = focus();
        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window.get());
        EXPECT_EQ(utf8(root->focusChild()->object()->objectName()), stop);
        const auto first = std::ranges::find_if(heard, [&](const auto &event) {
            return event.second == stop && event.first != "TextSelectionChanged";
        });
        EXPECT_TRUE(first != heard.end() && first->first == "Focus") << stop;
    }
    void type(const char *box, const char *text) override
    {
        window->findChild<QLineEdit *>(box)->clear();
        QTest::keyClicks(window->findChild<QLineEdit *>(box), QString::fromUtf8(text));
    }
    // Each modal box as the user meets it, dismissed with Enter.
    std::vector<std::string> messages(std::size_t, std::function<void()> action) override
    {
        std::vector<std::string> seen;
        QTimer reader;
        reader.callOnTimeout([&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen.push_back(utf8(box->windowTitle() + ": " + box->text()
                    + (box->icon() == QMessageBox::Critical ? " (critical)" : "")));
                EXPECT_TRUE(box->icon() == QMessageBox::Critical
                    || box->icon() == QMessageBox::Information);
                // Its title whole between the title bar's buttons, as Qt's decorations draw it.
                EXPECT_GE(box->width(),
                    QFontMetrics(box->font()).horizontalAdvance(box->windowTitle()) + 2 * 77);
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        reader.start(0);
        action();
        // Where a box was shown, the window is active again after it, as a window manager makes
        // it (the offscreen platform has none).
        if (!seen.empty())
            window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return seen;
    }
    void click(const char *button) override
    {
        QTest::mouseClick(widget(control(button)), Qt::LeftButton);
    }
    int end(bool closeBox) override
    {
        QTimer::singleShot(0, [&] { closeBox ? void(window->close()) : click("CmdUscita"); });
        QTimer guard; // a program that does not end fails the test rather than hangs it
        guard.callOnTimeout([] { QCoreApplication::exit(99); });
        guard.start(10000);
        return QApplication::exec();
    }

    std::unique_ptr<window::Tellun> window;
    std::optional<QPalette> paletteOnceShown;
};

// On the themes people run (Qt's default, a dark one, a light one with GNOME's pink accent,
// Breeze Dark, high contrast, a grey one), the last of them set while the window is open.
TEST_F(Tellun, Controls)
{
    const QPalette original = QApplication::palette();
    const std::pair<QColor, QColor> themes[] = {
        // the window's colour, the highlight
        { original.color(QPalette::Window), original.color(QPalette::Highlight) },
        { QColor(0x353535), QColor(0x2a82da) },
        { QColor(0xfafafa), QColor(0xd56199) },
        { QColor(0x31363b), QColor(0x3daee9) },
        { Qt::black, QColor(0x1aebff) },
        { QColor(0x808080), QColor(0x787878) },
        { QColor(0x353535), QColor(0x15539e) },
    };
    for (std::size_t theme = 0; theme < std::size(themes); ++theme) {
        SCOPED_TRACE(theme);
        QPalette palette = original;
        palette.setColor(QPalette::Window, themes[theme].first);
        palette.setColor(QPalette::WindowText, // the theme's own text, white on a dark window
            themes[theme].first.lightnessF() > 0.5 ? Qt::black : Qt::white);
        palette.setColor(QPalette::Highlight, themes[theme].second);
        (theme + 1 < std::size(themes) ? QApplication::setPalette(palette)
                                       : void(paletteOnceShown = palette));
        checkControls(*this);
    }
    QApplication::setPalette(original);
}
TEST_F(Tellun, Keyboard) { checkKeyboard(*this); }
TEST_F(Tellun, Buttons) { checkButtons(*this); }
TEST_F(Tellun, End) { checkEnd(*this); }

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    window::installItalianTranslations(); // as the program does
    QAccessible::installUpdateHandler(hear);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    testing::InitGoogleTest(&argc, argv);
    return runSelectedTests();
}
