#pragma once

#include "messaging/QtMessage.h"

/// Message payload: one double.
class QtDoubleMessage : public QtMessage {
public:
    QtDoubleMessage(void* target, VXMessageType id);
    QtDoubleMessage(void* target, VXMessageType id, double value);
    ~QtDoubleMessage() override;

    double m_double = 0.0;

private:
    Q_DISABLE_COPY(QtDoubleMessage)
};
