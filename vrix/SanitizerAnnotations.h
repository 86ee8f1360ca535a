#pragma once

// VX_ASAN: built with the address sanitizer, whose reports need every block to be a heap block
// of its own (pools and arenas stand aside).
#if defined(__SANITIZE_ADDRESS__)
#define VX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VX_ASAN 1
#endif
#endif

/// Pools and arenas hand out heap blocks only (an address-sanitizer build).
#ifdef VX_ASAN
inline constexpr bool vxHeapBlocksOnly = true;
#else
inline constexpr bool vxHeapBlocksOnly = false;
#endif

// Hand-offs made through Qt's own locks (its event queue, mutexes and wait conditions) happen
// where the thread sanitizer does not look; these state them to it. No-ops in other builds.

#if defined(__SANITIZE_THREAD__)
#define VX_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VX_TSAN 1
#endif
#endif

#ifdef VX_TSAN
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

/// What the calling thread wrote so far is visible to a later vxTsanAcquire of `address`.
inline void vxTsanRelease(const void* address)
{
#ifdef VX_TSAN
    __tsan_release(const_cast<void*>(address));
#else
    (void)address;
#endif
}

/// Takes in what was published with vxTsanRelease of `address`.
inline void vxTsanAcquire(const void* address)
{
#ifdef VX_TSAN
    __tsan_acquire(const_cast<void*>(address));
#else
    (void)address;
#endif
}
