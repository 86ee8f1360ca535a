#pragma once

#include "messaging/QtMessage.h"

/// Message payload: row and column counts and the owned arrays (array new) of their stretch
/// factors.
class QtGridStretchMessage : public QtMessage {
public:
    QtGridStretchMessage(void* target, VXMessageType id);
    ~QtGridStretchMessage() override;

    int m_rowCount = 0;
    int m_columnCount = 0;
    int* m_rowStretch = nullptr;
    int* m_columnStretch = nullptr;

private:
    Q_DISABLE_COPY(QtGridStretchMessage)
};
