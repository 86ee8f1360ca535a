#pragma once

// The host application's services as the toolkit calls them. The toolkit does not define
// these: the host process does (host/ holds a stand-in for tests and the demo), and they are
// resolved when the library is loaded.

#include <cstdint>
#include <functional>
#include <string>

extern "C" {

// Installation and switches.
const char* svVelmarRoot();
const char* svVelmarRelease();
const char* svGetBinArchDir();
const char* svGetPreferencesDirectory(bool create);
const char* svGetDefaultCharacterSet();
void svRegisterFeature(const char* name, int value, void (*callback)(int), void* reserved);
int svIsFeatureEnabled(const char* name);
/// True (non-zero) when the host runs without its desktop.
int svIsStandaloneMode();
/// True (non-zero) when a display is available for windows.
int svIsDisplayAvailable();

/// User events: the callback later runs on the engine thread with the address it was given.
using svUserEventCallback = void (*)(void* record);
std::int32_t svWS_CreateUserEvent(svUserEventCallback callback);
void svWS_PostUserEvent(std::int32_t handle, void* record);

/// Runs `function(argument)` once on the process's main thread; returns at once.
void zcr_run_on_main_thread(void (*function)(void*), void* argument);

// Strings: utStrdup allocates with the host's allocator (the host frees the result, utFree).
char* utStrdup(const char* s);
void utFree(char* s);
std::size_t utStrlen(const char* s);
char* utStrcpy(char* destination, const char* source);
char16_t* utf16_strcpy(char16_t* destination, const char16_t* source);

// Timing: ticks of a monotonic counter; elapsed time between two ticks in seconds.
std::int64_t utGetTimeStampCounter();
void utEstimateCPUSpeed();
double utCPUElapsedTime(std::int64_t start, std::int64_t end);

// Keeps the host's asynchronous signals off the calling thread until restored.
void utBlockAsyncSignals();
void utRestoreAsyncSignals();

/// True (non-zero) when the host's path service considers `path` absolute (null is not).
int zpIsAbsolutePath(const char* path);

/// Logical scalar of the host's gateway calls.
struct zxArray;
zxArray* zxCreateLogicalScalar(bool value);

} // extern "C"

namespace fl::i18n {
/// 8-bit text in the host's encoding to UTF-16 (null gives an empty string).
std::u16string to_ustring(const char* text);
} // namespace fl::i18n

namespace zvm {
/// The interpreter the calling code runs in, or null when there is no interpreter session.
void* currentLocalInterpreter();
/// Queues `command` to run later on the engine thread, in order, when the interpreter takes
/// its next command. Callable from any thread; false when the interpreter has shut down.
bool enqueueCommand(void* interpreter, std::function<void()> command);
} // namespace zvm
