#pragma once

#include "engine/VXImage.h"
#include "messaging/QtPeer.h"
#include "vxqtgui_export.h"

/// Peer of VXImage: every operation becomes a message to its GuiImage. Engine thread.
class VXQTGUI_EXPORT QtImage : public QtPeer<VXImage> {
public:
    explicit QtImage(VXWidget* parent);

    void setFilePath(const char* path) override;
    void imClick() override;
};
