#include "FoxpFixtures.h"

#include "foxp/Archive.h"
#include "foxpack/ArchiveWriter.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <exception>
#include <string>
#include <thread>
#include <vector>

using namespace foxptest;

// SFML streams music on threads of its own while the main thread loads other
// files of the same archive: reads on one archive must not disturb each other.
TEST(FoxpArchive, TwoThreadsReadOneArchive)
{
    testsupport::TempDataDir dir;
    const std::vector<std::string> contents = {Pattern(70000, 11), Pattern(50001, 12)};
    foxpack::ArchiveWriter writer("Hollow gate opens 7");
    writer.Add("Music/One.ogg", contents[0]);
    writer.Add("Music/Two.ogg", contents[1]);
    writer.WriteFile("Data/Resources1.vrk");

    foxp::Archive archive;
    archive.Open("Data/Resources1.vrk", "Hollow gate opens 7");
    std::atomic<int> mismatches{0};
    auto reader = [&](int which) {
        const std::string path = which == 0 ? "Music/One.ogg" : "Music/Two.ogg";
        for (int round = 0; round < 20; ++round) {
            try {
                foxp::File file = archive.Get(path);
                std::string got;
                char chunk[997];
                while (std::uint32_t n = file.Read(chunk, sizeof chunk))
                    got.append(chunk, n);
                if (got != contents[static_cast<std::size_t>(which)])
                    ++mismatches;
            } catch (const std::exception&) {
                ++mismatches;
            }
        }
    };
    std::thread first(reader, 0);
    std::thread second(reader, 1);
    first.join();
    second.join();
    EXPECT_EQ(mismatches.load(), 0);
}
