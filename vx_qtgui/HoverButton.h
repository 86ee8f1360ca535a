#pragma once

#include <QPixmap>
#include <QPushButton>

/// A flat button that shows its "on" picture under the mouse and its "off" picture otherwise;
/// used inside other widgets, never registered for a peer. GUI thread.
class HoverButton : public QPushButton {
    Q_OBJECT

public:
    HoverButton(QWidget* parent, const QString& name);

    /// Paths below the installation root; a missing file leaves that picture empty.
    void setOnImage(const QString& path);
    void setOffImage(const QString& path);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showImage(const QPixmap& image);

    QPixmap m_on;
    QPixmap m_off;
};
