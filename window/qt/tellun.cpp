#include "window/qt/tellun.h"

#include "window/colours.h"
#include "window/layout.h"
#include "window/qt/conversions.h"
#include "window/stand_ins.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace window {

namespace {

// The family asked for where the system has it, otherwise its stand-in, named directly: a
// family the system lacks sends Qt through fontconfig's fallbacks on every font it loads.
QString familyOf(const FontSpec &spec)
{
    QString family = toQString(spec.family);
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    return toQString(standInFor(spec.family));
}

QFont fontOf(const FontSpec &spec)
{
    QFont font(familyOf(spec));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QWidget *createWidget(const Control &control, QWidget *parent)
{
    switch (control.kind) {
    case Kind::TextBox: {
        auto *box = new QLineEdit(parent);
        // A line edit reports its caret the first time it takes the focus, before the focus
        // itself, and a screen reader then takes it for focused already and says nothing.
        // Placing the caret now spends that first report before anyone listens.
        box->setCursorPosition(0);
        return box;
    }
    case Kind::Button: {
        // Space and Enter press the focused button, as on every desktop; outside a dialog no
        // button is the default, so Enter elsewhere presses none.
        auto *button = new QPushButton(toQString(control.caption), parent);
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Label: {
        auto *label = new QLabel(toQString(control.caption), parent);
        label->setAlignment(
            Qt::AlignTop | (control.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
        return label;
    }
    case Kind::Line: {
        // Filled in the window-text colour, so that it is as thick as its place at every scale
        // (a frame's line is one screen pixel, half a pixel at twice the scale).
        auto *line = new QFrame(parent);
        line->setBackgroundRole(QPalette::WindowText);
        line->setAutoFillBackground(true);
        return line;
    }
    }
    return nullptr;
}

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
