#include "window/qt/application.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLibraryInfo>
#include <QPixmap>
#include <QResource>
#include <QTranslator>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace window {

QByteArrayView iconAsX11KeepsIt()
{
    const QResource icon(QStringLiteral(":/icon"));
    return { reinterpret_cast<const char *>(icon.data()), icon.size() };
}

QIcon applicationIcon()
{
    QIcon icon;
    const QByteArrayView cardinals = iconAsX11KeepsIt();
    for (qsizetype at = 0; at + 8 <= cardinals.size();) {
        std::uint32_t size[2];
        std::memcpy(size, cardinals.data() + at, sizeof size);
        at += 8;
        const qsizetype bytes = qsizetype(size[0]) * size[1] * 4;
        if (bytes > cardinals.size() - at)
            break;
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(cardinals.data() + at),
                int(size[0]), int(size[1]), QImage::Format_ARGB32)));
        at += bytes;
    }
    return icon;
}

void setIcon(QWidget &window)
{
    // (The offscreen platform says it is X11 too, with no connection.)
    const auto *const x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *const connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        // A dialog shows the icon of the window it belongs to: nothing to build again.
        if (window.windowIcon().isNull())
            window.setWindowIcon(applicationIcon());
        return;
    }
    static const xcb_atom_t property = [connection] {
        const char name[] = "_NET_WM_ICON";
        xcb_intern_atom_reply_t *const reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }();
    const QByteArrayView icon = iconAsX11KeepsIt();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), property,
        XCB_ATOM_CARDINAL, 32, std::uint32_t(icon.size() / 4), icon.data());
    xcb_flush(connection);
}

void installItalianTranslations()
{
    auto *const qtbase = new QTranslator(QCoreApplication::instance());
    if (qtbase->load(
            QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtbase);
}

namespace {

// Waits for the first paint of the window it watches. The frame is flushed to the screen
// before the event loop takes the next queued call, which sets the icon and ends the watch.
class FirstFrameWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    setIcon(*static_cast<QWidget *>(parent()));
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void setIconAfterFirstFrame(QWidget &window)
{
    window.installEventFilter(new FirstFrameWatch(&window));
}

void showAsApplication(QWidget &window)
{
    QGuiApplication::setDesktopFileName(QStringLiteral(IMC_APP_ID));
    setIconAfterFirstFrame(window);
    window.show();
}

} // namespace window
