#pragma once

#include "messaging/QtMessage.h"

#include <QList>

#include <string>

/// Message payload: a list of strings and two ints (for example a list and an insert index).
class QtListInt2Message : public QtMessage {
public:
    QtListInt2Message(void* target, VXMessageType id);
    ~QtListInt2Message() override;

    /// Append one string.
    void addListItem(const char* text);
    void addListItem(const std::u16string& text);

    QList<QString> m_list;
    int m_int1 = 0;
    int m_int2 = 0;

private:
    Q_DISABLE_COPY(QtListInt2Message)
};
