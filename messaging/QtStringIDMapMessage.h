#pragma once

#include "messaging/QtMessage.h"

#include <QMap>

#include <string>

/// Message payload: texts keyed by number.
class QtStringIDMapMessage : public QtMessage {
public:
    QtStringIDMapMessage(void* target, VXMessageType id);
    ~QtStringIDMapMessage() override;

    /// Inserts one entry; an existing key takes the new text.
    void addPair(int key, const std::u16string& text);

    QMap<int, QString> m_map;

private:
    Q_DISABLE_COPY(QtStringIDMapMessage)
};
