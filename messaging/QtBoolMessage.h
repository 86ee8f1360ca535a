#pragma once

#include "messaging/QtMessage.h"
#include "vxqtgui_export.h"

/// Message payload: one bool.
class VXQTGUI_EXPORT QtBoolMessage : public QtMessage {
public:
    QtBoolMessage(void* target, VXMessageType id);
    QtBoolMessage(void* target, VXMessageType id, bool value);
    ~QtBoolMessage() override;

    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtBoolMessage)
};
