#pragma once

#include "window/layout.h"

#include <QFont>

class QWidget;

namespace window {

// The font of `spec`: the family asked for where the system has it, otherwise its stand-in.
QFont fontOf(const FontSpec &spec);

// The widget of a control of the layout table, with its caption, in `parent`; not yet placed.
QWidget *createWidget(const Control &control, QWidget *parent);

} // namespace window
