#include "window/tellun.h"

#include "runtime/runtime_error.h"
#include "window/layout_table.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace window {

namespace {

constexpr const char *caption = "Indice di Massa Corporea";
// Qt has no desktop colour; the classic Windows desktop blue stands in for it, readable
// on the window's light background (contrast 4.6 : 1 on #efefef).
constexpr QRgb desktopColour = 0x3a6ea5;

QFont fontOf(const FontSpec &spec)
{
    QFont font(toQString(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QWidget *createWidget(const Control &control, QWidget *parent)
{
    switch (control.kind) {
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::Button: {
        auto *button = new QPushButton(toQString(control.caption), parent);
        button->setAutoDefault(false); // no Enter role: Space clicks a focused button
        return button;
    }
    case Kind::Label: {
        auto *label = new QLabel(toQString(control.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(
            Qt::AlignTop | (control.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
        return label;
    }
    case Kind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameStyle(QFrame::HLine | QFrame::Plain); // WindowText colour
        line->setLineWidth(1);
        return line;
    }
    }
    return nullptr;
}

void applyColour(QWidget *widget, Colour colour)
{
    switch (colour) {
    case Colour::Default:
        break;
    case Colour::Highlight:
        widget->setForegroundRole(QPalette::Highlight);
        break;
    case Colour::Desktop: {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(desktopColour));
        widget->setPalette(palette);
        break;
    }
    }
}

void installFontSubstitutes()
{
    for (const FontSubstitute &font : fontSubstitutes)
        QFont::insertSubstitution(toQString(font.family), toQString(font.substitute));
}

} // namespace

Tellun::Tellun(runtime::MessageBoxService *messages)
    : m_messages(messages ? messages : &m_ownMessages)
{
    setObjectName(QStringLiteral("Tellun"));
    setWindowTitle(QString::fromLatin1(caption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    createControls();

    m_form = std::make_unique<QtForm>(
        textBox("TxtPeso"), textBox("TxtAltezza"), textBox("TxtFattore"));
    const std::pair<const char *, void (Tellun::*)()> handlers[] = {
        { "CmdCalcola",  &Tellun::CmdCalcola_Click},
        {"CmdCancella", &Tellun::CmdCancella_Click},
        {  "CmdUscita",   &Tellun::CmdUscita_Click},
    };
    for (const auto &[name, handler] : handlers)
        connect(
            findChild<QPushButton *>(QLatin1String(name)), &QPushButton::clicked, this, handler);
}

void Tellun::createControls()
{
    installFontSubstitutes();
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const Control &control : layoutTable) {
        QWidget *widget = createWidget(control, this);
        widget->setObjectName(toQString(control.name));
        widget->setGeometry(pixelRect(control));
        if (control.font)
            widget->setFont(fontOf(*control.font));
        applyColour(widget, control.colour);
        if (control.kind == Kind::TextBox || control.kind == Kind::Button)
            focusable.emplace_back(control.tabIndex, widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }

    std::sort(focusable.begin(), focusable.end());
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    focusable.front().second->setFocus();

    // Each text box is named, for assistive technology, by the label on its left.
    for (const Control &box : layoutTable) {
        if (box.kind != Kind::TextBox)
            continue;
        for (const Control &label : layoutTable) {
            if (label.kind == Kind::Label && label.top == box.top && label.left < box.left)
                findChild<QLabel *>(toQString(label.name))
                    ->setBuddy(findChild<QWidget *>(toQString(box.name)));
        }
    }
}

QLineEdit *Tellun::textBox(const char *name) const
{
    return findChild<QLineEdit *>(QLatin1String(name));
}

void Tellun::CmdCalcola_Click()
{
    try {
        calc::CmdCalcola_Click(*m_form, *m_messages, m_fields);
    } catch (const runtime::RuntimeError &error) {
        m_messages->show(runtime::errorReport(error, caption));
    }
}

void Tellun::CmdCancella_Click()
{
    // One blank each, not empty: the boxes are then read as 0 by the next calculation.
    for (const char *name : { "TxtPeso", "TxtAltezza", "TxtFattore" })
        textBox(name)->setText(QStringLiteral(" "));
}

void Tellun::CmdUscita_Click() { QCoreApplication::exit(0); }

} // namespace window
