#pragma once

#include "vrix/services/Translation.h"

#include <atomic>
#include <cstdint>

namespace VRIX_MI {

/// The "Translation" service. Texts pass unchanged: user-visible strings are translated
/// through the host's message catalogue elsewhere. Also owns the host user event through which
/// other threads have work answered on the engine thread. Any thread.
class TranslationService : public VXServices::Translation {
public:
    TranslationService() = default;

    /// Returns `text` itself.
    const char* translate(const char* text) override;

    /// The host user event, created on first request. Its callback takes a UserEventRecord*.
    std::int32_t getUserEventHandle();

    /// Answers one UserEventRecord: result = request, then signals it. Null is ignored.
    static void onUserEvent(void* record);

private:
    std::atomic<std::int32_t> m_userEventHandle { 0 };
};

} // namespace VRIX_MI
