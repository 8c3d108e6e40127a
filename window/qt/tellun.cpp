#include "window/qt/tellun.h"

#include "window/colours.h"
#include "window/layout.h"
#include "window/qt/conversions.h"
#include "window/qt/widgets.h"
#include "window/stand_ins.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace window {

namespace {

// The window is announced as a window; a plain QWidget would reach a screen reader with no role.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String(Tellun::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

Tellun::Tellun()
    : m_form(m_widgets)
    , m_commands(m_form, m_messages, [] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Tellun"));
    setWindowTitle(toQString(caption));
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    QAccessible::installFactory(accessibleWindow); // once: Qt ignores it when installed already

    // Created in tab order, the text boxes and buttons form the focus chain by themselves, and
    // the window opens with the focus on its first, TxtPeso.
    for (const int row : creationOrder) {
        const Control &control = layoutTable[row];
        QWidget *widget = createWidget(control, this);
        widget->setObjectName(toQString(control.name));
        const PixelRect rect = pixelRect(control);
        widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
        if (control.font)
            widget->setFont(fontOf(*control.font));
        m_widgets[row] = widget;
    }
    for (std::size_t row = 0; row < layoutTable.size(); ++row) {
        const Link &link = layoutTable[row].link;
        if (link.names != row::none)
            static_cast<QLabel *>(m_widgets[row])->setBuddy(m_widgets[link.names]);
        for (const int box : link.describes) {
            if (box != row::none)
                m_widgets[box]->setAccessibleDescription(toQString(layoutTable[row].caption));
        }
        if (link.command != Command::None)
            connect(static_cast<QPushButton *>(m_widgets[row]), &QPushButton::clicked, this,
                [this, command = link.command] { m_commands.run(command); });
    }

    colourLabels();
}

// The palette's highlight colour, or the stand-in for the desktop's, in its hue but as light or
// as dark as reading it on the window's background needs: on desktop themes the highlight is a
// selection's background, seldom a colour for text.
void Tellun::colourLabels()
{
    const Rgb background = toRgb(palette().color(QPalette::Window));
    for (std::size_t row = 0; row < layoutTable.size(); ++row) {
        const Control &control = layoutTable[row];
        if (control.colour == Colour::Default)
            continue;
        const Rgb wanted = control.colour == Colour::Highlight
            ? toRgb(palette().color(QPalette::Highlight))
            : desktopStandIn;
        const Rgb shown = readableOn(wanted, background);
        QWidget *const label = m_widgets[row];
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor(shown.red, shown.green, shown.blue));
        label->setPalette(colours);
    }
}

void Tellun::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourLabels(); // the desktop's theme changed
    QWidget::changeEvent(event);
}

} // namespace window
