#pragma once

#include "runtime/message_box.h"

class QWidget;

namespace window {

// The pixels that a title bar's buttons and edge take on either side of its centred title, at
// most (Qt's own decorations on Wayland: 77).
inline constexpr int titleBarButtons = 80;

// Message boxes as modal QMessageBoxes over `parent`.
class QtMessageBoxes : public runtime::MessageBoxService {
public:
    explicit QtMessageBoxes(QWidget *parent)
        : m_parent(parent)
    {
    }
    void show(const runtime::MessageBoxRequest &request) override;

private:
    QWidget *m_parent;
};

} // namespace window
