// Text boxes take a key pressed with Alt as a command key, never as text: when no
// access key or shortcut takes it, it types nothing.
#pragma once

#include <QObject>

namespace vq {

// Watches every widget of the application while it lives and drops the Alt character
// keys that reach a line edit.
class AltKeyFilter final : public QObject {
public:
    explicit AltKeyFilter(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vq
