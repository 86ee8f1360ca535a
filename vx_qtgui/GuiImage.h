#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QLabel>

/// The fixed-size picture of a QtImage peer; reports left clicks. GUI thread.
class GuiImage : public QLabel, public GuiWidget {
    Q_OBJECT

public:
    /// `name` is received and not used; `path` (8-bit) names the picture file.
    GuiImage(void* key, QWidget* parent, const QByteArray& name, const QByteArray& path);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Shows the picture at its size in device-independent pixels; a file that does not load
    /// leaves the image empty.
    void loadPicture(const QString& path);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
