#include "window/qt/application.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QLibraryInfo>
#include <QPixmap>
#include <QResource>
#include <QTranslator>
#include <QWidget>

namespace window {

QIcon applicationIcon()
{
    // One file per size in the resources, ":/icons/48x48.rgba" and so on, stored uncompressed:
    // its bytes are the image's, read where they lie in the program.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString &name : sizes.entryList(QDir::Files)) {
        const QResource pixels(sizes.filePath(name));
        const int side = name.section(QLatin1Char('x'), 0, 0).toInt();
        if (pixels.compressionAlgorithm() != QResource::NoCompression || side <= 0
            || pixels.size() != qint64(side) * side * 4)
            continue;
        icon.addPixmap(QPixmap::fromImage(
            QImage(pixels.data(), side, side, QImage::Format_RGBA8888_Premultiplied)));
    }
    return icon;
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
                    QApplication::setWindowIcon(applicationIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void setApplicationIconAfterFirstFrame(QWidget &window)
{
    window.installEventFilter(new FirstFrameWatch(&window));
}

void showAsApplication(QWidget &window)
{
    QGuiApplication::setDesktopFileName(QStringLiteral(IMC_APP_ID));
    setApplicationIconAfterFirstFrame(window);
    window.show();
}

} // namespace window
