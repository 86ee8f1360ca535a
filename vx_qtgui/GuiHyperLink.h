#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QLabel>

/// The hyperlink label of a QtHyperLink peer: underlined, dark blue, blue while hovered;
/// reports left clicks. Its text is its address. GUI thread.
class GuiHyperLink : public QLabel, public GuiWidget {
    Q_OBJECT

public:
    /// `name` is received and not used; `text` is shown.
    GuiHyperLink(void* key, QWidget* parent, const QString& name, const QString& text);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

protected:
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void setupHyperLink(const QString& text);
    void setLinkColor(const QColor& color);
};
