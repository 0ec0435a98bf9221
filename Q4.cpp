// Q4: read two lists of integers, ten and then five, and print their union,
// first in the order it was built and then in ascending order.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

namespace {

// Writes "Q4: message" to standard error, after everything already printed, and ends the run.
[[noreturn]] void fail(const std::string& message)
{
    std::cout.flush();
    std::cerr << "Q4: " << message << '\n';
    std::exit(EXIT_FAILURE);
}

// Tells whether a token is an optional sign followed by decimal digits and nothing else.
bool isDecimalInteger(std::string_view token)
{
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
        token.remove_prefix(1);
    }
    return !token.empty() &&
           std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

// The two lists held back to back, and their union built in place over them.
class arrayUnion {
public:
    static constexpr std::size_t firstSize = 10;
    static constexpr std::size_t secondSize = 5;
    static constexpr std::size_t totalSize = firstSize + secondSize;

    arrayUnion() = default;
    // first, second and result point into this object's own array, so a copy would
    // point into the original: there is nothing sensible to copy or move.
    arrayUnion(const arrayUnion&) = delete;
    arrayUnion& operator=(const arrayUnion&) = delete;

    // Prompts for and reads the ten values of the first list, then the five of the second.
    void input()
    {
        std::cout << "Enter values for first array:\n";
        for (std::size_t p = 0; p < firstSize; ++p) {
            first[p] = readValue("first", p + 1, p);
        }
        std::cout << "Enter values for second array:\n";
        for (std::size_t q = 0; q < secondSize; ++q) {
            second[q] = readValue("second", q + 1, firstSize + q);
        }
    }

    // Appends to the first list, in input order, every value of the second list that the
    // first list lacks, prints the union so built, then sorts it in ascending order.
    void find_union()
    {
        result = values.data();
        resultSize = firstSize;
        for (std::size_t q = 0; q < secondSize; ++q) {
            // Values are compared with the first list only, so a new value entered twice
            // is appended twice. The write lands at or before second[q], never on a value
            // still to be examined.
            if (std::find(first, first + firstSize, second[q]) == first + firstSize) {
                result[resultSize++] = second[q];
            }
        }
        printresult();
        std::sort(result, result + resultSize);
    }

    // Prints an empty line, the header, and the union one value a line. Slots of the
    // second list left over by find_union are not part of the union and are not printed.
    void printresult() const
    {
        std::cout << "\nThe union of the two arrays is:\n";
        for (std::size_t p = 0; p < resultSize; ++p) {
            std::cout << result[p] << std::endl;
        }
    }

private:
    // Reads the next white-space-separated token as a signed 32-bit value. Anything else,
    // or the end of input, ends the run with a message naming the value by its list and
    // its 1-based ordinal there; readSoFar counts the values already read.
    static std::int32_t readValue(const char* list, std::size_t ordinal, std::size_t readSoFar)
    {
        std::string token;
        if (!(std::cin >> token)) {
            // cin reads through C's stdin (the two stay synchronised), so stdin's error
            // flag is what tells a failed read from the plain end of input.
            if (std::ferror(stdin) != 0) {
                fail("error reading standard input");
            }
            fail("input ended after " + std::to_string(readSoFar) + " of " +
                 std::to_string(totalSize) + " values");
        }
        const auto reject = [&](const char* reason) {
            fail("value " + std::to_string(ordinal) + " of the " + list + " array: '" + token +
                 "' " + reason);
        };
        if (!isDecimalInteger(token)) {
            reject("is not an integer");
        }
        // The token has the right shape, so from_chars can only object to its range.
        // It takes a leading minus but not a plus.
        const char* begin = token.data() + (token.front() == '+' ? 1 : 0);
        std::int32_t parsed = 0;
        if (std::from_chars(begin, token.data() + token.size(), parsed).ec != std::errc()) {
            reject("is out of range");
        }
        return parsed;
    }

    // One array, so that the union can grow from the first list into the second list's
    // slots by the language's rules; first and second name its two parts.
    std::array<std::int32_t, totalSize> values{};
    std::int32_t* const first = values.data();
    std::int32_t* const second = values.data() + firstSize;
    std::int32_t* result = nullptr; // bound to values by find_union
    std::size_t resultSize = 0;     // how many leading values of result form the union
};

int main()
{
    arrayUnion lists;
    lists.input();
    lists.find_union();
    lists.printresult();
    // A listing that could not be written is a failure, not a result.
    std::cout.flush();
    if (!std::cout) {
        fail("error writing standard output");
    }
    return EXIT_SUCCESS;
}
