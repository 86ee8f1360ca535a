#pragma once

#include "messaging/QtMessage.h"
#include "vxqtgui_export.h"

/// Message payload: one handle, usually another proxy (a parent).
class VXQTGUI_EXPORT QtHandleMessage : public QtMessage {
public:
    QtHandleMessage(void* target, VXMessageType id);
    QtHandleMessage(void* target, VXMessageType id, void* handle);
    ~QtHandleMessage() override;

    void* m_handle = nullptr;

private:
    Q_DISABLE_COPY(QtHandleMessage)
};
