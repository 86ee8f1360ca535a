#pragma once

#include "messaging/QtMessage.h"

/// Message payload: an owned array of bools (made with array new) and its element count.
class QtBoolArrayMessage : public QtMessage {
public:
    QtBoolArrayMessage(void* target, VXMessageType id);
    ~QtBoolArrayMessage() override;

    /// Replaces the array with a copy of `count` values (none for a null input or count <= 0).
    void setValues(const bool* values, int count);

    bool* m_array = nullptr;
    int m_count = 0;

private:
    Q_DISABLE_COPY(QtBoolArrayMessage)
};
