#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <QLabel>

class GuiModelExplorer;

/// The "contents of" link above the explorer's list: names the object whose children the list
/// shows; a click on an enabled link asks the host to go there. GUI thread.
class GuiMEHyperlink : public QLabel {
    Q_OBJECT

public:
    GuiMEHyperlink(GuiModelExplorer* explorer, QWidget* parent);

    /// An empty text shows as one space so the row keeps its height.
    void setHyperlink(UDInterface* object, const QString& text, bool enabled);
    UDInterface* getHyperlink() const { return m_object; }
    bool isLinkEnabled() const { return m_enabled; }
    QString linkText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QSize minimumSizeHint() const override;

private:
    GuiModelExplorer* m_explorer;
    UDInterface* m_object = nullptr;
    QString m_text;
    bool m_enabled = false;
};
