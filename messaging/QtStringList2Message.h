#pragma once

#include "messaging/QtMessage.h"

#include <QStringList>

/// Message payload: two string lists (spreadsheet and explorer column and property names).
class QtStringList2Message : public QtMessage {
public:
    QtStringList2Message(void* target, VXMessageType id);
    ~QtStringList2Message() override;

    QStringList m_list1;
    QStringList m_list2;

private:
    Q_DISABLE_COPY(QtStringList2Message)
};
