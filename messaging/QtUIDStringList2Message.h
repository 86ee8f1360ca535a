#pragma once

#include "messaging/QtMessage.h"

#include <QStringList>

/// Message payload: an unsigned id, a handle and two string lists (explorer incremental loads).
class QtUIDStringList2Message : public QtMessage {
public:
    QtUIDStringList2Message(void* target, VXMessageType id);
    ~QtUIDStringList2Message() override;

    unsigned m_uid = 0;
    void* m_handle = nullptr;
    QStringList m_list1;
    QStringList m_list2;

private:
    Q_DISABLE_COPY(QtUIDStringList2Message)
};
