#pragma once

#include "engine/VXImage.h"
#include "messaging/QtPeer.h"

/// Peer of VXImage: every operation becomes a message to its GuiImage. Engine thread.
class QtImage : public QtPeer<VXImage> {
public:
    explicit QtImage(VXWidget* parent);

    void setFilePath(const char* path) override;
    void imClick() override;
};
