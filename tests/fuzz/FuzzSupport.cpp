#include "FuzzSupport.h"

#include "app/ArchivePasswords.h"
#include "foxpack/ArchiveWriter.h"
#include "t4/io/ChecksumChain.h"
#include "t4/io/DataFileFormatter.h"
#include "t4/io/LevelFileName.h"
#include "t4/io/io_exception.h"
#include "t4/io/memoryreader.h"
#include "t4/io/token_container.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace fuzz {

namespace {

fs::path workDir;

void RemoveWorkDir()
{
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(workDir, ignored);
}

}  // namespace

void Fail(const std::string& what, const char* file, int line)
{
    throw Failure(std::string(file) + ":" + std::to_string(line) + ": " + what);
}

void EnterWorkDir()
{
    if (!workDir.empty())
        return;
    std::string pattern = (fs::temp_directory_path() / "vrenk-fuzz-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
        throw std::runtime_error("Cannot make a working folder for the harness");
    workDir = name.data();
    fs::create_directory(workDir / "Data");
    fs::current_path(workDir);
    std::atexit(RemoveWorkDir);
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

void RemoveFile(const std::string& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

LogCapture::LogCapture() : saved_(std::cerr.rdbuf(text_.rdbuf())) {}

LogCapture::~LogCapture() { std::cerr.rdbuf(saved_); }

std::string SealChecksum(const std::string& text, std::uint32_t seed, bool firstSectionOnly)
{
    // Cut the text before its first "Checksum" section, if any.
    const std::string mark = "\n.: Checksum :.";
    std::string body = text;
    for (std::size_t at = body.find(mark); at != std::string::npos; at = body.find(mark, at + 1)) {
        // The subtitle line follows an empty line (LF or CR LF).
        std::size_t cut = at;
        if (cut >= 1 && body[cut - 1] == '\n')
            cut -= 1;
        else if (cut >= 2 && body[cut - 1] == '\r' && body[cut - 2] == '\n')
            cut -= 2;
        else
            continue;
        body.erase(cut + 1);
        break;
    }
    if (body.empty() || body.back() != '\n')
        body += '\n';

    std::uint32_t chain = seed;
    try {
        t4::memoryreader reader(MakeDataFileFormatter());
        reader.open(reinterpret_cast<const unsigned char*>(body.data()), body.size());
        t4::token_container line;
        // Every call reads a line or reports an end; the bound stops a walk
        // that would not end (the text harness checks that it does).
        for (std::size_t calls = 0; calls <= body.size() + 2; ++calls) {
            if (reader.read_data(line))
                ChecksumChain(chain, line);
            else if (firstSectionOnly)
                break;
        }
    } catch (const t4::io_exception&) {
        // The end of the text, or a line that the loader refuses as well.
    }
    return body + "\n.: Checksum :.\n{" + std::to_string(chain) + "}\n";
}

void WriteLevelArchive(const std::string& levelText)
{
    foxpack::ArchiveWriter writer(LevelArchivePassword);
    writer.Add(LevelFileName(1, 1), levelText);
    WriteFile("Data/Levels.vrk", writer.Build());
}

std::string OneLine(const std::string& text)
{
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    return line;
}

}  // namespace fuzz
