// A reproducible text that looks like English to a search: lower-case words
// of natural lengths, drawn with a skewed frequency, separated by spaces and
// now and then by punctuation and line breaks.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace BenchText {

inline std::vector<std::string> Vocabulary(std::mt19937& random) {
    // Letters weighted roughly as in English prose.
    static constexpr std::string_view weighted =
        "eeeeeeeeeeeetttttttttaaaaaaaaoooooooiiiiiiinnnnnnnsssssshhhhhhrrrrrrdddd"
        "lllluuucccmmmwwffggyyppbbvkjxqz";
    std::uniform_int_distribution<std::size_t> letter(0, weighted.size() - 1);
    std::uniform_int_distribution<int> length(1, 10);
    std::vector<std::string> words = {"the", "of", "and",  "to",  "in",
                                      "a",   "is", "that", "for", "it"};
    while (words.size() < 4000) {
        std::string word;
        for (int n = length(random); n > 0; --n) {
            word += weighted[letter(random)];
        }
        words.push_back(word);
    }
    return words;
}

// `size` bytes of words; the same seed gives the same text.
inline std::string Generate(std::size_t size, unsigned seed = 1) {
    std::mt19937 random(seed);
    const std::vector<std::string> words = Vocabulary(random);
    // Zipf-like: small indices are much more frequent.
    std::vector<double> weights(words.size());
    for (std::size_t i = 0; i < weights.size(); ++i) {
        weights[i] = 1.0 / static_cast<double>(i + 1);
    }
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    std::uniform_int_distribution<int> punctuation(0, 29);

    std::string text;
    text.reserve(size + 16);
    while (text.size() < size) {
        text += words[pick(random)];
        switch (punctuation(random)) {
        case 0:
            text += ", ";
            break;
        case 1:
            text += ".\n";
            break;
        default:
            text += ' ';
            break;
        }
    }
    text.resize(size);
    return text;
}

// A word-like needle of `length` bytes that does not occur in `text`: a run
// of words from another stream, with letters replaced until it is absent.
inline std::string AbsentNeedle(std::string_view text, std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::string needle = Generate(length, seed + 1000);
    std::uniform_int_distribution<std::size_t> position(0, length - 1);
    std::uniform_int_distribution<int> letter('a', 'z');
    while (text.find(needle) != std::string_view::npos) {
        needle[position(random)] = static_cast<char>(letter(random));
    }
    return needle;
}

} // namespace BenchText
