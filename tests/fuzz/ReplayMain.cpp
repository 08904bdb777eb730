// Replays a harness's committed corpus as an ordinary test: every input must
// pass the harness's checks, and an input whose outcome is recorded must
// have that outcome.
//
//   test_fuzz_<harness> <corpus folder> <outcome file>
//
// The outcome file holds lines "<input file name> <outcome>"; lines starting
// with '#' are comments.
#include "FuzzSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string corpusDir;
std::string outcomeFile;

std::map<std::string, std::string> ReadOutcomes()
{
    std::map<std::string, std::string> outcomes;
    std::ifstream in(outcomeFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t space = line.find(' ');
        outcomes[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return outcomes;
}

TEST(FuzzReplay, EveryInputOfTheCorpusPassesItsChecks)
{
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpusDir))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << "no inputs in " << corpusDir;

    std::map<std::string, std::string> outcomes = ReadOutcomes();
    fuzz::EnterWorkDir();
    for (const fs::path& input : inputs) {
        const std::string name = input.filename().string();
        SCOPED_TRACE(name);
        const std::string bytes = fuzz::ReadFile(input.string());
        auto recorded = outcomes.find(name);
        const bool hasExpected = recorded != outcomes.end();
        const std::string expected = hasExpected ? recorded->second : std::string();
        if (hasExpected)
            outcomes.erase(recorded);
        try {
            const std::string outcome =
                fuzz::RunOne(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            if (hasExpected) {
                EXPECT_EQ(outcome, expected);
            }
        } catch (const fuzz::Failure& failure) {
            ADD_FAILURE() << failure.what();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "unexpected exception: " << e.what();
        }
    }
    for (const auto& missing : outcomes)
        ADD_FAILURE() << "an outcome is recorded for " << missing.first << ", which is not in the corpus";
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <corpus folder> <outcome file>\n", argv[0]);
        return 2;
    }
    // Absolute: the harness works in a folder of its own.
    corpusDir = fs::absolute(argv[1]).string();
    outcomeFile = fs::absolute(argv[2]).string();
    return RUN_ALL_TESTS();
}
