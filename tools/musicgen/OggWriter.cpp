#include "musicgen/OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace musicgen {

namespace {

// The encoder's state, released in reverse order of making.
class Encoder {
public:
    Encoder() { vorbis_info_init(&info_); }
    ~Encoder()
    {
        if (stream_)
            ogg_stream_clear(&os_);
        if (block_)
            vorbis_block_clear(&vb_);
        if (dsp_)
            vorbis_dsp_clear(&vd_);
        if (comment_)
            vorbis_comment_clear(&vc_);
        vorbis_info_clear(&info_);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool Start(unsigned rate, float quality, int serial)
    {
        if (vorbis_encode_init_vbr(&info_, 2, static_cast<long>(rate), quality) != 0)
            return false;
        vorbis_comment_init(&vc_);
        comment_ = true;
        if (vorbis_analysis_init(&vd_, &info_) != 0)
            return false;
        dsp_ = true;
        if (vorbis_block_init(&vd_, &vb_) != 0)
            return false;
        block_ = true;
        if (ogg_stream_init(&os_, serial) != 0)
            return false;
        stream_ = true;
        return true;
    }

    // The three header packets, each ending a page.
    bool WriteHeaders(std::FILE* file)
    {
        ogg_packet header, comments, codebooks;
        if (vorbis_analysis_headerout(&vd_, &vc_, &header, &comments, &codebooks) != 0)
            return false;
        ogg_stream_packetin(&os_, &header);
        ogg_stream_packetin(&os_, &comments);
        ogg_stream_packetin(&os_, &codebooks);
        return WritePages(file, true);
    }

    // Hands `frames` frames to the encoder (0 marks the end) and writes every
    // page it has finished.
    bool Encode(std::FILE* file, const float* left, const float* right, int frames)
    {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&vd_, frames);
            for (int i = 0; i < frames; ++i) {
                buffer[0][i] = std::clamp(left[i], -1.0f, 1.0f);
                buffer[1][i] = std::clamp(right[i], -1.0f, 1.0f);
            }
        }
        vorbis_analysis_wrote(&vd_, frames);
        while (vorbis_analysis_blockout(&vd_, &vb_) == 1) {
            vorbis_analysis(&vb_, nullptr);
            vorbis_bitrate_addblock(&vb_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd_, &packet) == 1) {
                ogg_stream_packetin(&os_, &packet);
                if (!WritePages(file, false))
                    return false;
            }
        }
        return true;
    }

    bool Finish(std::FILE* file) { return WritePages(file, true); }

private:
    // Writes every page that the stream has ready; with `flush`, also the one
    // it is still filling.
    bool WritePages(std::FILE* file, bool flush)
    {
        ogg_page page;
        while ((flush ? ogg_stream_flush(&os_, &page) : ogg_stream_pageout(&os_, &page)) != 0)
            if (!WritePage(file, page))
                return false;
        return true;
    }

    static bool WritePage(std::FILE* file, const ogg_page& page)
    {
        return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
                   static_cast<std::size_t>(page.header_len) &&
               std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
                   static_cast<std::size_t>(page.body_len);
    }

    vorbis_info info_;
    vorbis_comment vc_{};
    vorbis_dsp_state vd_{};
    vorbis_block vb_{};
    ogg_stream_state os_{};
    bool comment_ = false;
    bool dsp_ = false;
    bool block_ = false;
    bool stream_ = false;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WriteOggVorbis(const std::string& path, const std::vector<float>& left, const std::vector<float>& right,
                    unsigned rate, float quality, int serial)
{
    Encoder encoder;
    if (!encoder.Start(rate, quality, serial))
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file || !encoder.WriteHeaders(file.get()))
        return false;
    const std::size_t chunk = 4096;
    const std::size_t frames = std::min(left.size(), right.size());
    for (std::size_t at = 0; at < frames; at += chunk) {
        int count = static_cast<int>(std::min(chunk, frames - at));
        if (!encoder.Encode(file.get(), left.data() + at, right.data() + at, count))
            return false;
    }
    if (!encoder.Encode(file.get(), nullptr, nullptr, 0) || !encoder.Finish(file.get()))
        return false;
    std::FILE* raw = file.release();
    return std::fclose(raw) == 0;
}

}  // namespace musicgen
