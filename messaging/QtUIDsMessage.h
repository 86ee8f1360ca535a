#pragma once

#include "messaging/QtMessage.h"

#include <vector>

/// Message payload: a handle, a list of unsigned ids and a result pointer (null unless a handler
/// sets one).
class QtUIDsMessage : public QtMessage {
public:
    QtUIDsMessage(void* target, VXMessageType id);
    ~QtUIDsMessage() override;

    void* m_handle = nullptr;
    std::vector<unsigned> m_uids;
    void* m_result = nullptr;

private:
    Q_DISABLE_COPY(QtUIDsMessage)
};
