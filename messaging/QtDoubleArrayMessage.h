#pragma once

#include "messaging/QtMessage.h"

/// Message payload: an owned array of doubles (made with array new) and its element count.
class QtDoubleArrayMessage : public QtMessage {
public:
    QtDoubleArrayMessage(void* target, VXMessageType id);
    ~QtDoubleArrayMessage() override;

    /// Replaces the array with a copy of `count` values (none for a null input or count <= 0).
    void setValues(const double* values, int count);

    double* m_array = nullptr;
    int m_count = 0;

private:
    Q_DISABLE_COPY(QtDoubleArrayMessage)
};
