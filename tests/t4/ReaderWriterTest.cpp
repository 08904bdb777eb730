#include "support/TempDataDir.h"
#include "t4/io/DataFileFormatter.h"
#include "t4/io/filereader.h"
#include "t4/io/filewriter.h"
#include "t4/io/io_exception.h"
#include "t4/io/memoryreader.h"
#include "t4/io/memorywriter.h"
#include "t4/io/token_container.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using Lines = std::vector<std::string>;

const std::string ReadPastEnd = "(Input) (Input) Read past end-of-file";

t4::token_container Tokens(const std::vector<std::string>& tokens)
{
    t4::token_container c;
    for (const auto& t : tokens)
        c << t;
    return c;
}

std::string Joined(const t4::token_container& c)
{
    std::string text;
    for (const auto& t : c)
        text += (text.empty() ? "" : "|") + ("<" + t + ">");
    return text;
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char ch : text)
        out += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return out;
}

// Everything a caller sees when it reads a whole file: the head, each data
// line, each false with the subtitle then current, and the error that ends it.
Lines Walk(t4::basic_reader& reader)
{
    Lines seen = {"title " + reader.get_title(), "subtitle " + reader.get_subtitle()};
    for (int i = 0; i < 100; ++i) {
        try {
            t4::token_container c;
            if (reader.read_data(c))
                seen.push_back("data " + Joined(c));
            else
                seen.push_back("false " + reader.get_subtitle());
        } catch (const t4::io_exception& e) {
            seen.push_back(std::string("error ") + e.what());
            return seen;
        }
    }
    seen.push_back("no end");
    return seen;
}

std::string OpenError(const std::function<void()>& open)
{
    try {
        open();
    } catch (const t4::io_exception& e) {
        return e.what();
    }
    return "opened";
}

class SectionedText : public ::testing::Test {
protected:
    // The same text opened by a file reader (from disk) and a memory reader.
    std::vector<std::unique_ptr<t4::basic_reader>> OpenBoth(const std::string& text)
    {
        dir.WriteFile("Data/In.txt", text);
        std::vector<std::unique_ptr<t4::basic_reader>> readers;
        readers.push_back(std::make_unique<t4::filereader>("Data/In.txt", format));
        auto memory = std::make_unique<t4::memoryreader>(format);
        memory->open(text.data(), text.size());
        readers.push_back(std::move(memory));
        return readers;
    }

    void ExpectWalk(const std::string& text, const Lines& expected)
    {
        for (const auto& reader : OpenBoth(text)) {
            const bool isFile = dynamic_cast<t4::filereader*>(reader.get()) != nullptr;
            EXPECT_EQ(expected, Walk(*reader)) << (isFile ? "file reader" : "memory reader") << " on:\n" << text;
        }
    }

    testsupport::TempDataDir dir;
    t4::formatter format = MakeDataFileFormatter();
};

TEST_F(SectionedText, WritersProduceTheFormatAndEmptyTheContainer)
{
    const std::string expected = "..:: A ::..\n\n.: S :.\n{1; x}\n";
    auto write = [](t4::basic_writer& writer) {
        writer.write_subtitle("S");
        t4::token_container c;
        c << 1 << "x";
        writer.write_data(c);
        EXPECT_TRUE(c.empty());
    };
    {
        t4::filewriter writer(format);
        writer.open("Data/Out.txt", "A");
        write(writer);
    }
    EXPECT_EQ(expected, dir.ReadFile("Data/Out.txt"));

    // Opening the memory writer again starts a new text.
    t4::memorywriter memory(format);
    memory.open("Old");
    write(memory);
    memory.open("A");
    EXPECT_EQ("(Output) Title must not be empty", OpenError([&] { memory.open(""); }));
    write(memory);
    EXPECT_EQ(expected, memory.str());
}

TEST_F(SectionedText, RoundTripThroughFileAndMemory)
{
    {
        t4::filewriter writer(format);
        writer.open("Data/Out.txt", "Vrenk Profiles 1");
        writer.write_subtitle("General");
        t4::token_container c = Tokens({"a", "", "b"});
        writer.write_data(c);
        c = Tokens({" spaced ", "{braces}", "a;b", "\xE4\xFC"});
        writer.write_data(c);
        writer.write_subtitle("Empty");
        writer.write_subtitle("Last");
        c = Tokens({"", ""});
        writer.write_data(c);
    }
    ExpectWalk(dir.ReadFile("Data/Out.txt"),
               {"title Vrenk Profiles 1", "subtitle General", "data <a>|<>|<b>",
                "data < spaced >|<{braces}>|<a;b>|<\xE4\xFC>", "false Empty", "false Last", "data <>|<>",
                "false Last", "error " + ReadPastEnd});
}

TEST_F(SectionedText, ReadingLineByLine)
{
    const std::string head = "..:: A ::..\n\n.: S :.\n";
    struct Case { const char* what; std::string text; Lines walk; };
    const Case cases[] = {
        {"plain", head + "{1; x}\n",
         {"title A", "subtitle S", "data <1>|<x>", "false S", "error " + ReadPastEnd}},
        {"last data line without line end", head + "{a}\n{b; }",
         {"title A", "subtitle S", "data <a>", "data <b>|<>", "false S", "error " + ReadPastEnd}},
        {"tokens as they stand", head + "{a;}\n{a; }\n",
         {"title A", "subtitle S", "data <a;>", "data <a>|<>", "false S", "error " + ReadPastEnd}},
        {"only a title line", "..:: A ::..\n",
         {"title A", "subtitle ", "false ", "error " + ReadPastEnd}},
        {"empty data line", head + "{}\n",
         {"title A", "subtitle S",
          "error (Input) tokenizer::tokenize - too few characters in string for begin/end of sequence"}},
        {"bad data line", head + "[a]\n",
         {"title A", "subtitle S", "error (Input) tokenizer::tokenize - mismatch begin/end of sequence"}},
        {"bad subtitle", head + "{a}\n\n== T ==\n",
         {"title A", "subtitle S", "data <a>",
          "error (Input) (Input) tokenizer::tokenize - mismatch begin/end of sequence"}},
        {"last subtitle without line end", head + "{a}\n\n.: T :.",
         {"title A", "subtitle S", "data <a>",
          "error (Input) (Input) Reached end-of-file too early -- is there a newline at the end?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectWalk(c.text, c.walk);
        ExpectWalk(WithCrLf(c.text), c.walk);
    }
}

TEST_F(SectionedText, OpenFailures)
{
    struct Case { const char* what; std::string text; std::string message; };
    const Case cases[] = {
        {"title without line end", "..:: A ::..",
         "Reached end-of-file too early -- is there a newline at the end?"},
        {"bad title", "=== Title A ===\n\n.: S :.\n", "tokenizer::tokenize - mismatch begin/end of sequence"},
        {"empty title", "..:: ::..\n", "tokenizer::tokenize - too few characters in string for begin/end of sequence"},
        {"data before any subtitle", "..:: A ::..\n{a}\n", "(Input) Subtitle must precede other data"},
    };
    for (const Case& c : cases) {
        dir.WriteFile("Data/In.txt", c.text);
        t4::filereader file(format);
        EXPECT_EQ(c.message, OpenError([&] { file.open("Data/In.txt"); })) << c.what;
        t4::memoryreader memory(format);
        EXPECT_EQ(c.message, OpenError([&] { memory.open(c.text.data(), c.text.size()); })) << c.what;
    }

    t4::memoryreader memory(format);
    EXPECT_EQ("(Input) memoryreader: Can't open file in memory", OpenError([&] { memory.open("", 0); }));
    EXPECT_EQ("(Input) memoryreader: Can't open file in memory", OpenError([&] { memory.open(nullptr, 0); }));
}

// The file reader takes in a regular file of a bounded size, and nothing
// else: a device or a pipe would never end, or never begin.
TEST_F(SectionedText, FileReaderOpensOnlyARegularFileOfBoundedSize)
{
    const std::string head = "..:: A ::..\n\n.: S :.\n";
    auto ofSize = [&head](std::size_t size) {
        return head + "{" + std::string(size - head.size() - 3, 'x') + "}\n";
    };
    const std::size_t limit = t4::filereader::size_limit;
    ASSERT_EQ(0, ::mkfifo(dir.DataPath("Pipe.txt").c_str(), 0600));
    boost::filesystem::create_symlink("/dev/zero", dir.DataPath("Zero.txt"));
    boost::filesystem::create_directory(dir.DataPath("Folder.txt"));
    dir.WriteFile("Data/Empty.txt", "");
    dir.WriteFile("Data/Largest.txt", ofSize(limit));
    dir.WriteFile("Data/Large.txt", ofSize(limit + 1));
    struct Case { const char* file; std::string message; };
    const Case cases[] = {
        {"Missing.txt", "(Input) Can't open file \"Data/Missing.txt\" (No such file or directory)"},
        {"Empty.txt", "(Input) File \"Data/Empty.txt\" is empty"},
        {"Folder.txt", "(Input) File \"Data/Folder.txt\" is a folder, not a regular file"},
        {"Zero.txt", "(Input) File \"Data/Zero.txt\" is a character device, not a regular file"},
        {"Pipe.txt", "(Input) File \"Data/Pipe.txt\" is a pipe, not a regular file"},
        {"Large.txt", "(Input) File \"Data/Large.txt\" is larger than " + std::to_string(limit) + " bytes"},
        {"Largest.txt", "opened"},
    };
    for (const Case& c : cases) {
        t4::filereader reader(format);
        EXPECT_EQ(c.message, OpenError([&] { reader.open(std::string("Data/") + c.file); })) << c.file;
    }
    t4::filereader largest("Data/Largest.txt", format);
    EXPECT_EQ((Lines{"title A", "subtitle S", "data <" + std::string(limit - head.size() - 3, 'x') + ">",
                     "false S", "error " + ReadPastEnd}),
              Walk(largest));
}

TEST_F(SectionedText, OpeningAgainStartsAfresh)
{
    const std::string first = "..:: One ::..\n\n.: S :.\n{1}\n{2}\n";
    const std::string second = "..:: Two ::..\n\n.: T :.\n{3}\n";
    const Lines secondWalk = {"title Two", "subtitle T", "data <3>", "false T", "error " + ReadPastEnd};
    dir.WriteFile("Data/First.txt", first);
    dir.WriteFile("Data/Second.txt", second);

    t4::memoryreader memory(format);
    t4::filereader file(format);
    t4::token_container c;
    for (int readsBefore : {1, 3}) {  // in the middle, and after the end
        memory.open(first.data(), first.size());
        file.open("Data/First.txt");
        for (int i = 0; i < readsBefore; ++i) {
            memory.read_data(c);
            file.read_data(c);
        }
        memory.open(second.data(), second.size());
        EXPECT_EQ(secondWalk, Walk(memory));
        file.open("Data/Second.txt");
        EXPECT_EQ(secondWalk, Walk(file));
    }

    // A failed open leaves nothing of the previous text behind.
    memory.open(first.data(), first.size());
    EXPECT_NE("opened", OpenError([&] { memory.open("junk\n", 5); }));
    EXPECT_EQ("", memory.get_title());
    EXPECT_EQ("", memory.get_subtitle());
}

TEST_F(SectionedText, UnopenedReadersAndWriterReportIt)
{
    t4::filereader file(format);
    t4::memoryreader memory(format);
    t4::filewriter writer(format);
    t4::memorywriter memoryWriter(format);
    EXPECT_EQ("(Input) No file currently opened", OpenError([&] { file.check_error(); }));
    EXPECT_EQ("(Input) No file currently opened", OpenError([&] { memory.check_error(); }));
    EXPECT_EQ("(Output) No file currently opened", OpenError([&] { writer.check_error(); }));
    EXPECT_EQ("(Output) No file currently opened", OpenError([&] { writer.write_subtitle("S"); }));
    EXPECT_EQ("(Output) No file currently opened", OpenError([&] { memoryWriter.write_subtitle("S"); }));
    t4::token_container c = Tokens({"a"});
    EXPECT_EQ("(Output) No file currently opened", OpenError([&] { writer.write_data(c); }));
    EXPECT_EQ("(Input) (Input) No file currently opened", OpenError([&] { file.read_data(c); }));
}

TEST_F(SectionedText, WriterOrderAndOpenErrors)
{
    t4::filewriter writer(format);
    EXPECT_EQ("(Output) Title must not be empty", OpenError([&] { writer.open("Data/Out.txt", ""); }));
    EXPECT_FALSE(dir.Exists("Data/Out.txt"));
    EXPECT_EQ("(Output) Can't open file \"Data/No/Out.txt\"",
              OpenError([&] { writer.open("Data/No/Out.txt", "A"); }));

    writer.open("Data/Out.txt", "A");
    t4::token_container c = Tokens({"a"});
    EXPECT_EQ("Subtitle must be set before writing data", OpenError([&] { writer.write_data(c); }));
    EXPECT_EQ("(Output) Subtitle must not be empty", OpenError([&] { writer.write_subtitle(""); }));
    writer.check_error();
    EXPECT_EQ("..:: A ::..\n", dir.ReadFile("Data/Out.txt"));
}

TEST_F(SectionedText, WriterRefusesLinesThatWouldNotReadBack)
{
    t4::formatter doubled = format;
    doubled.set_property(t4::formatter::separator, ";;");
    struct Case { const char* what; t4::formatter format; std::vector<std::string> tokens; std::string message; };
    const Case cases[] = {
        {"no tokens", format, {}, "(Output) Data line must hold at least one token"},
        {"one empty token", format, {""}, "(Output) Data line must not be a single empty token"},
        {"separator in token", format, {"a", "b; c"}, "(Output) Token must not contain the separator \"; \""},
        {"line feed", format, {"a\nb"}, "(Output) Token must not contain a line break"},
        {"carriage return", format, {"a", "b\r"}, "(Output) Token must not contain a line break"},
        {"separator across tokens", doubled, {"a;", "b"}, "(Output) Data line would not read back"},
    };
    for (const Case& c : cases) {
        t4::filewriter writer(c.format);
        writer.open("Data/Out.txt", "A");
        writer.write_subtitle("S");
        t4::token_container tokens = Tokens(c.tokens);
        EXPECT_EQ(c.message, OpenError([&] { writer.write_data(tokens); })) << c.what;
        EXPECT_EQ(c.tokens, std::vector<std::string>(tokens.begin(), tokens.end())) << c.what;
        writer.check_error();
        EXPECT_EQ("..:: A ::..\n\n.: S :.\n", dir.ReadFile("Data/Out.txt")) << c.what;
    }

    t4::filewriter writer(format);
    EXPECT_EQ("(Output) Title must not contain a line break", OpenError([&] { writer.open("Data/New.txt", "A\nB"); }));
    EXPECT_EQ("(Output) Title would not read back",
              OpenError([&] { writer.open("Data/New.txt", std::string("A\0B", 3)); }));
    EXPECT_FALSE(dir.Exists("Data/New.txt"));
    writer.open("Data/New.txt", "A");
    EXPECT_EQ("(Output) Subtitle must not contain a line break", OpenError([&] { writer.write_subtitle("S\r"); }));
    EXPECT_EQ("..:: A ::..\n", dir.ReadFile("Data/New.txt"));
}

TEST_F(SectionedText, DestructorsOfUnopenedOrFailedStreamsAreQuiet)
{
    {
        t4::filereader unopened(format);
        t4::memoryreader memoryUnopened(format);
        t4::filewriter writerUnopened(format);
    }
    {
        t4::filereader failed(format);
        OpenError([&] { failed.open("Data/Missing.txt"); });
        t4::memoryreader memoryFailed(format);
        OpenError([&] { memoryFailed.open("x", 1); });
        t4::filewriter writerFailed(format);
        OpenError([&] { writerFailed.open("Data/No/Out.txt", "A"); });
    }
    {
        dir.WriteFile("Data/In.txt", "..:: A ::..\n");
        t4::filereader atEnd("Data/In.txt", format);
        t4::token_container c;
        atEnd.read_data(c);
        OpenError([&] { atEnd.read_data(c); });
    }
    SUCCEED();
}

}  // namespace
