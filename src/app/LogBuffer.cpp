#include "app/LogBuffer.h"

#include "app/Log.h"

#include <string>

namespace {

// A thread that writes a lot without flushing still reaches the file.
constexpr std::size_t FlushThreshold = 1 << 16;

}  // namespace

LogBuffer::LogBuffer(std::streambuf* target) : target_(target) {}

LogBuffer::~LogBuffer()
{
    // Whatever any thread left unflushed still goes out, one piece each.
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& entry : pending_)
        Write(entry.second);
}

bool LogBuffer::WriteOut(const std::string& text)
{
    auto size = static_cast<std::streamsize>(text.size());
    return target_ && target_->sputn(text.data(), size) == size && target_->pubsync() == 0;
}

void LogBuffer::Write(const std::string& text)
{
    if (text.empty())
        return;
    if (lost_ > 0) {
        const std::string note = "\n" + MakeTimestamp() + "\n" + std::to_string(lost_) +
                                 (lost_ == 1 ? " entry" : " entries") +
                                 " of the log could not be written and are lost.\n";
        if (!WriteOut(note)) {
            ++lost_;
            return;
        }
        lost_ = 0;
    }
    if (!WriteOut(text))
        ++lost_;
}

void LogBuffer::Append(const char* s, std::size_t n, bool flush)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = pending_.find(std::this_thread::get_id());
    if (it == pending_.end()) {
        if (n == 0)
            return;
        it = pending_.emplace(std::this_thread::get_id(), std::string()).first;
    }
    it->second.append(s, n);
    if (!flush && it->second.size() < FlushThreshold)
        return;
    Write(it->second);
    pending_.erase(it);
}

LogBuffer::int_type LogBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    char ch = traits_type::to_char_type(c);
    Append(&ch, 1, false);
    return c;
}

std::streamsize LogBuffer::xsputn(const char* s, std::streamsize n)
{
    Append(s, static_cast<std::size_t>(n), false);
    return n;
}

int LogBuffer::sync()
{
    Append(nullptr, 0, true);
    return 0;
}
