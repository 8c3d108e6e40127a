#pragma once

#include "runtime/message_box.h"

class QWidget;

namespace window {

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
