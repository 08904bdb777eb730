#include "app/LogBuffer.h"

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

bool LogBuffer::Write(const std::string& text)
{
    if (text.empty())
        return true;
    auto size = static_cast<std::streamsize>(text.size());
    return target_ && target_->sputn(text.data(), size) == size && target_->pubsync() == 0;
}

bool LogBuffer::Append(const char* s, std::size_t n, bool flush)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = pending_.find(std::this_thread::get_id());
    if (it == pending_.end()) {
        if (n == 0)
            return true;
        it = pending_.emplace(std::this_thread::get_id(), std::string()).first;
    }
    it->second.append(s, n);
    if (!flush && it->second.size() < FlushThreshold)
        return true;
    bool ok = Write(it->second);
    pending_.erase(it);
    return ok;
}

LogBuffer::int_type LogBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    char ch = traits_type::to_char_type(c);
    return Append(&ch, 1, false) ? c : traits_type::eof();
}

std::streamsize LogBuffer::xsputn(const char* s, std::streamsize n)
{
    return Append(s, static_cast<std::size_t>(n), false) ? n : 0;
}

int LogBuffer::sync()
{
    return Append(nullptr, 0, true) ? 0 : -1;
}
