#pragma once

#include "messaging/VXMessageType.h"

#include <QObject>

#include <map>

class QMessageBox;
class QWidget;
class QtMessage;
class VXWidget;

/// Bookkeeping of the non-blocking message boxes (GUI thread): handles for closing them and
/// the widget each was opened over, for counting. Also runs the message-box requests.
class MessageBoxManager : public QObject {
    Q_OBJECT
public:
    static MessageBoxManager* Instance();

    /// Registers an open box; returns its handle (0, 1, ...; never reused).
    int addMessageBox(QMessageBox* box);
    /// Boxes open over the owner's GUI object; 0 for a null or unknown owner.
    int getNumOfOpenMsgBox(VXWidget* owner) const;
    int openBoxCount() const { return static_cast<int>(m_handles.size()); }

    /// Handles one request of ids 408 to 414 (dispatcher).
    void handleMessage(VXMessageType type, QtMessage& msg);

public slots:
    void slotDestroyed(QObject* box);

private:
    MessageBoxManager() = default;
    void createBox(VXMessageType type, QtMessage& msg);
    void closeBox(QtMessage& msg);
    void modalAlert(QtMessage& msg);

    std::map<int, QMessageBox*> m_handles;
    std::map<QObject*, QWidget*> m_parents;
    int m_counter = 0;
};
