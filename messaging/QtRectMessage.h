#pragma once

#include "messaging/QtMessage.h"

/// Message payload: a rectangle as left, top, right, bottom, right and bottom inclusive.
class QtRectMessage : public QtMessage {
public:
    QtRectMessage(void* target, VXMessageType id);
    ~QtRectMessage() override;

    /// Stores x, y, width, height as x, y, x + width - 1, y + height - 1.
    void setRect(int x, int y, int width, int height);

    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;

private:
    Q_DISABLE_COPY(QtRectMessage)
};
