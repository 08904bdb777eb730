#pragma once

#include <string>

namespace t4 {

class token_container;

// Splits a marked line into its tokens and joins tokens into a marked line.
class tokenizer {
public:
    // Replaces the contents of tokens with the pieces of line between the
    // begin and end marks, cut at every separator. Tokens are taken verbatim
    // (empty ones included). On failure tokens is left unchanged.
    static void tokenize(const std::string& line, const std::string& separator,
                         const std::string& begin, const std::string& end,
                         token_container& tokens);

    // begin + t1 + separator + t2 + ... + end. No tokens give begin + end.
    static std::string join(const token_container& tokens, const std::string& separator,
                            const std::string& begin, const std::string& end);
};

}  // namespace t4
