// The ut… host functions (strings, timing, signals) and the host's text conversion.
#include "host/ExportedHostFunctions.h"

#include "host/HostSettings.h"

#include <QString>
#include <QTextCodec>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <signal.h>

char* utStrdup(const char* s)
{
    if (!s)
        return nullptr;
    const std::size_t size = std::strlen(s) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy)
        std::memcpy(copy, s, size);
    return copy;
}

void utFree(char* s)
{
    std::free(s);
}

std::size_t utStrlen(const char* s)
{
    return s ? std::strlen(s) : 0;
}

char* utStrcpy(char* destination, const char* source)
{
    if (!destination)
        return nullptr;
    if (!source)
        *destination = '\0';
    else
        std::memmove(destination, source, std::strlen(source) + 1);
    return destination;
}

char16_t* utf16_strcpy(char16_t* destination, const char16_t* source)
{
    if (!destination)
        return nullptr;
    std::size_t length = 0;
    if (source)
        while (source[length])
            ++length;
    if (length)
        std::memmove(destination, source, length * sizeof(char16_t));
    destination[length] = u'\0';
    return destination;
}

std::int64_t utGetTimeStampCounter()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void utEstimateCPUSpeed()
{
    // Ticks are nanoseconds of a steady clock: nothing to calibrate.
}

double utCPUElapsedTime(std::int64_t start, std::int64_t end)
{
    return static_cast<double>(end - start) / 1e9;
}

namespace {

// Per thread: blocks nest, and the mask from before the outermost block is what comes back.
struct SignalMaskState {
    int depth = 0;
    sigset_t saved;
};
thread_local SignalMaskState signalMask;

} // namespace

void utBlockAsyncSignals()
{
    if (signalMask.depth++ > 0)
        return;
    sigset_t block;
    sigemptyset(&block);
    for (int number : { SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGALRM, SIGCHLD, SIGUSR1, SIGUSR2 })
        sigaddset(&block, number);
    pthread_sigmask(SIG_BLOCK, &block, &signalMask.saved);
}

void utRestoreAsyncSignals()
{
    if (signalMask.depth == 0 || --signalMask.depth > 0)
        return;
    pthread_sigmask(SIG_SETMASK, &signalMask.saved, nullptr);
}

namespace fl::i18n {

std::u16string to_ustring(const char* text)
{
    if (!text)
        return {};
    const QByteArray encoding(VXHost::HostSettings::instance().characterSet());
    QString converted;
    if (encoding.compare("UTF-8", Qt::CaseInsensitive) == 0
        || encoding.compare("UTF8", Qt::CaseInsensitive) == 0) {
        converted = QString::fromUtf8(text);
    } else if (QTextCodec* codec = QTextCodec::codecForName(encoding)) {
        converted = codec->toUnicode(text);
    } else {
        converted = QString::fromLocal8Bit(text);
    }
    return converted.toStdU16String();
}

} // namespace fl::i18n
