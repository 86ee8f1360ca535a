#pragma once

#include "vxqtgui_export.h"

struct zxArray;

/// Wakes the engine thread: enqueues at most one interpreter command at a time that serves
/// the packets the messaging core queued for "VELMAR". Callable from any thread.
void tickleVELMARThread();

/// True while a VXIMMessageBlocker lives: the engine thread then serves no packets.
extern bool messageBlocked;

/// Binds the toolkit to the interpreter it runs in: the one current at library load or, when
/// there was none then, the one current at the first bridge request (engine thread).
void captureEngineInterpreter();

/// Wake-ups received and not yet served (engine thread; for tests and diagnostics).
int pendingEngineTickles();

/// Gateway call: stores in plhs[0] a logical scalar, true when the interpreter current now is
/// not the one the toolkit is bound to.
extern "C" VXQTGUI_EXPORT void checkMultiZVM(int nlhs, zxArray** plhs, ...);
