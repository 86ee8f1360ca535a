#pragma once

#include "messaging/QtMessage.h"

/// Message payload: an owned array of ints (made with array new) and its element count.
class QtIntArrayMessage : public QtMessage {
public:
    QtIntArrayMessage(void* target, VXMessageType id);
    ~QtIntArrayMessage() override;

    /// Replaces the array with a copy of `count` values (none for a null input or count <= 0).
    void setValues(const int* values, int count);

    int* m_array = nullptr;
    int m_count = 0;

private:
    Q_DISABLE_COPY(QtIntArrayMessage)
};
