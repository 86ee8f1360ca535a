#pragma once

#include "vrix/Holder.h"
#include "vrix/gui/ImageCompositorNode.h"

#include <QString>

#include <atomic>

namespace VRIX::ImageCompositor {

/// Makes compositor nodes from keys. Keeps no cache of its own: callers keep the nodes they
/// want to share (the GUI's pixmap table does). Any thread; it holds no mutable state but a
/// statistics counter.
class Manager {
public:
    static Manager& instance();

    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;

    /// A new node for `key`: an encoded key (see ImageCompositor.h) or a plain path, read
    /// DPI-aware. The layers are read and composed now; layers that do not load are left out,
    /// and a key of which nothing loads gives a node without image data. Never null.
    Holder<Node> getImage(const QString& key);

    /// How many layer files have been read so far (diagnostics and tests).
    long long layerLoads() const noexcept { return m_layerLoads.load(std::memory_order_relaxed); }

private:
    Manager() = default;

    QImage loadLayer(const QString& path, bool dpiAware);

    std::atomic<long long> m_layerLoads { 0 };
};

} // namespace VRIX::ImageCompositor
