#include "window/qt/application.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QImageReader>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

namespace window {

QIcon applicationIcon()
{
    // One folder per size in the resources, ":/icons/48x48" and so on. Read as PNG by name,
    // with Qt's own reader: left to find the format, Qt would load every image plugin to ask.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString &size : sizes.entryList(QDir::Dirs)) {
        QImageReader reader(sizes.filePath(size + QStringLiteral("/" IMC_APP_ID ".png")), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
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
