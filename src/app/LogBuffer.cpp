#include "app/LogBuffer.h"

#include <atomic>
#include <unordered_map>

namespace {

// Text that a thread wrote but has not flushed yet, per buffer. Buffers are
// told apart by a serial number rather than their address, so a new buffer at
// an old address never inherits stale text.
thread_local std::unordered_map<unsigned long, std::string> pendingText;
std::atomic<unsigned long> nextBufferId{1};

// A thread that writes a lot without flushing still reaches the file.
constexpr std::size_t FlushThreshold = 1 << 16;

}  // namespace

LogBuffer::LogBuffer(std::streambuf* target) : target_(target), id_(nextBufferId++) {}

LogBuffer::~LogBuffer()
{
    Flush(Pending());
    pendingText.erase(id_);
}

std::string& LogBuffer::Pending()
{
    return pendingText[id_];
}

int LogBuffer::Flush(std::string& text)
{
    if (text.empty())
        return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    bool ok = target_ && target_->sputn(text.data(), static_cast<std::streamsize>(text.size())) ==
                             static_cast<std::streamsize>(text.size());
    text.clear();
    if (ok && target_->pubsync() == 0)
        return 0;
    return -1;
}

LogBuffer::int_type LogBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    std::string& text = Pending();
    text.push_back(traits_type::to_char_type(c));
    if (text.size() >= FlushThreshold && Flush(text) != 0)
        return traits_type::eof();
    return c;
}

std::streamsize LogBuffer::xsputn(const char* s, std::streamsize n)
{
    std::string& text = Pending();
    text.append(s, static_cast<std::size_t>(n));
    if (text.size() >= FlushThreshold && Flush(text) != 0)
        return 0;
    return n;
}

int LogBuffer::sync()
{
    return Flush(Pending());
}
