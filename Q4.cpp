// SPDX-License-Identifier: MIT
// Q4: read two lists of integers, ten and then five, and print their union,
// first in the order it was built and then in ascending order.

// The version that --version prints, and the one place where it is set: the build reads it
// from this line.
#define Q4_VERSION "1.3.0"

// A strict ISO C++ compile hides POSIX from glibc's, musl's and newlib's (Cygwin's) headers
// unless a POSIX level is asked for; the other systems show it unasked.
#if (defined(__linux__) || defined(__CYGWIN__)) && !defined(_POSIX_C_SOURCE)
#define _POSIX_C_SOURCE 200809L
#endif

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/select.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

// Makes standard input read as bytes, so that no byte ends the input or is changed.
void prepare_input()
{
    _setmode(_fileno(stdin), _O_BINARY);
}

// Tells whether standard input is a console, and gives its mode when it is one.
bool console_input(DWORD& mode)
{
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// Tells whether standard input is a console that a person types at; no other device is.
bool input_is_terminal()
{
    DWORD mode = 0;
    return console_input(mode);
}

// Tells whether the next byte typed on the current line can be read without waiting: a
// console that reads whole lines hands over the rest of a line together with its start.
bool typed_byte_waiting()
{
    DWORD mode = 0;
    return console_input(mode) && (mode & ENABLE_LINE_INPUT) != 0;
}

// Returns the next byte of standard input, or EOF, without taking the stream's lock.
int read_byte()
{
    return _getc_nolock(stdin);
}

#else

// Makes standard input read as bytes, as POSIX streams always do.
void prepare_input()
{
}

// Tells whether standard input is a terminal.
bool input_is_terminal()
{
    return isatty(STDIN_FILENO) != 0;
}

// Tells whether a typed byte, or the end of the input, is waiting at the terminal now. A
// select that fails counts as nothing waiting.
bool typed_byte_waiting()
{
    fd_set typed;
    FD_ZERO(&typed);
    FD_SET(STDIN_FILENO, &typed);
    timeval now{};
    return select(STDIN_FILENO + 1, &typed, nullptr, nullptr, &now) == 1;
}

// Returns the next byte of standard input, or EOF, without taking the stream's lock.
int read_byte()
{
    return getc_unlocked(stdin);
}

#endif

// A message quotes at most this many bytes of an offending token or argument.
constexpr std::size_t quote_limit = 32;

// Room for the quoted bytes, each escaped as \xHH at most, and a null.
constexpr std::size_t escaped_capacity = 4 * quote_limit + 1;

// Room for a quote: the quoted bytes between two quote marks, and "...".
constexpr std::size_t quote_capacity = 2 + escaped_capacity + 3;

// Room for one message line; a system's reason too long for it is cut short.
constexpr std::size_t line_capacity = 256;

// The longest message that Q4 composes fits, with room for its line end.
static_assert(sizeof("Q4: value 10 of the second array: ") + quote_capacity +
                      sizeof(" is not an integer") <
                  line_capacity,
              "line_capacity holds every message");

// Writes "Q4: message" to standard error as one line in a single write, and ends the run
// with status 1.
[[noreturn]] void fail(const char* message)
{
    std::array<char, line_capacity> line{};
    std::snprintf(line.data(), line.size() - 1, "Q4: %s", message);
    const std::size_t size = std::strlen(line.data());
    line[size] = '\n';
    std::fwrite(line.data(), 1, size + 1, stderr);
    std::exit(EXIT_FAILURE);
}

// Ends the run with "Q4: what: reason", the system's reason for the error number, or with
// "Q4: what" alone when the error number is 0.
[[noreturn]] void fail_system(const char* what, int error)
{
    if (error == 0) {
        fail(what);
    }
    std::array<char, line_capacity> message{};
    std::snprintf(message.data(), message.size(), "%s: %s", what, std::strerror(error));
    fail(message.data());
}

// Ends the run with the system's reason for a failed write to standard output.
[[noreturn]] void fail_output()
{
    fail_system("error writing standard output", errno);
}

// Ends the run when a write to standard output has failed, as the call's result or the
// stream's error flag tells: musl, and glibc at a terminal, drop what they held on a failed
// write and may report success, so the flag can be the only trace of the loss.
void check_output(bool failed)
{
    if (failed || std::ferror(stdout) != 0) {
        fail_output();
    }
}

// Writes text to standard output.
void write_text(const char* text)
{
    check_output(std::fputs(text, stdout) == EOF);
}

// Writes a value in plain decimal on a line of its own.
void write_value_line(std::int32_t value)
{
    // A sign, one digit more than digits10, and the line end.
    std::array<char, std::numeric_limits<std::int32_t>::digits10 + 3> line{};
    char* const end = std::to_chars(line.data(), line.data() + line.size() - 1, value).ptr;
    *end = '\n';
    const auto size = static_cast<std::size_t>(end - line.data()) + 1;
    check_output(std::fwrite(line.data(), 1, size, stdout) != size);
}

// Sends what standard output holds on its way.
void flush_output()
{
    check_output(std::fflush(stdout) == EOF);
}

// Closes standard output, so that a write that fails only now, as on NFS, is reported too.
void close_output()
{
    if (std::fclose(stdout) != 0) {
        fail_output();
    }
}

// The buffer of standard input when it is not a terminal: reads of 64 KiB, not the C
// library's 4 KiB. Static, as Q4 allocates nothing.
std::array<char, 65536> input_buffer;

// Returns the next byte of standard input, or EOF at its end; a read error ends the run.
int next_byte()
{
    const int byte = read_byte();
    if (byte == EOF && std::ferror(stdin) != 0) {
        fail_system("error reading standard input", errno);
    }
    return byte;
}

// Tells whether a byte is white space that separates values: blank, tab, line feed,
// vertical tab, form feed or carriage return, whatever the locale.
bool is_space(int byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// Tells whether a byte is a decimal digit.
bool is_digit(int byte)
{
    return byte >= '0' && byte <= '9';
}

// Skips white space on standard input and returns the byte after it, or EOF at the end.
int skip_space()
{
    int byte = next_byte();
    while (byte != EOF && is_space(byte)) {
        byte = next_byte();
    }
    return byte;
}

// What the reader learns of one white-space-separated token as it streams by. A token
// with no bytes at all means that the input ended before it.
struct token {
    std::array<char, quote_limit> shown{}; // its first bytes, for a message
    std::size_t shown_size = 0;
    bool cut = false;           // whether it goes on past the bytes shown
    bool negative = false;      // whether it starts with a minus sign
    std::int64_t limit = 0;     // the largest magnitude its sign allows
    std::int64_t magnitude = 0; // stops growing just past limit, all a range check needs
    bool has_digits = false;
    bool not_integer = false; // whether it holds a byte that no integer can
};

// Reads the next token from standard input in constant memory: an optional sign, then
// digits. The separator after it is left unread, and so is the rest of a token known to be
// bad once its quote is full.
token read_token()
{
    token word;
    const auto keep = [&word](int byte) {
        if (word.shown_size < word.shown.size()) {
            word.shown[word.shown_size++] = static_cast<char>(byte);
        } else {
            word.cut = true;
        }
    };

    int byte = skip_space();
    if (byte == '+' || byte == '-') {
        word.negative = byte == '-';
        keep(byte);
        byte = next_byte();
    }
    word.limit = word.negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                               : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    constexpr std::int64_t base = 10;
    while (byte != EOF && !is_space(byte)) {
        keep(byte);
        if (is_digit(byte)) {
            word.has_digits = true;
            word.magnitude = std::min(word.magnitude * base + (byte - '0'), word.limit + 1);
        } else {
            word.not_integer = true;
        }
        if (word.cut && (word.not_integer || word.magnitude > word.limit)) {
            return word;
        }
        byte = next_byte();
        // Past the quote, more leading zeros change nothing, so they are passed over at once.
        while (byte == '0' && word.cut && word.magnitude == 0) {
            byte = next_byte();
        }
    }
    if (byte != EOF) {
        std::ungetc(byte, stdin);
    }
    return word;
}

// Leaves standard input to whoever reads it next, however the run ends once reading has
// begun. At a terminal, drops what was typed of the current line without waiting for more;
// elsewhere, puts a seekable file's position right after the last byte that Q4 used.
void finish_input()
{
    if (!input_is_terminal()) {
        std::fseek(stdin, 0, SEEK_CUR);
        return;
    }
    int byte = 0;
    while (byte != '\n' && std::feof(stdin) == 0 && std::ferror(stdin) == 0 &&
           typed_byte_waiting()) {
        byte = std::getc(stdin);
    }
}

// Quotes the first bytes of a token or an argument, at most quote_limit of them, for a
// one-line message: printable ASCII as it is, \\ and \' for a backslash and a quote mark,
// any other byte as \xHH, and "..." after the quote when the text was cut.
std::array<char, quote_capacity> quote(const char* shown, std::size_t shown_size, bool cut)
{
    std::array<char, escaped_capacity> escaped{}; // the bytes left over end the text
    std::size_t size = 0;
    for (std::size_t i = 0; i < shown_size; ++i) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        if (byte == '\\' || byte == '\'') {
            escaped[size++] = '\\';
            escaped[size++] = static_cast<char>(byte);
        } else if (byte >= ' ' && byte <= '~') {
            escaped[size++] = static_cast<char>(byte);
        } else {
            size += static_cast<std::size_t>(
                std::snprintf(&escaped[size], escaped.size() - size, "\\x%02x", unsigned{byte}));
        }
    }
    std::array<char, quote_capacity> quoted{};
    std::snprintf(quoted.data(), quoted.size(), "'%s'%s", escaped.data(), cut ? "..." : "");
    return quoted;
}

// Refuses an argument: "Q4: kind 'argument'; try 'Q4 --help'", and status 1.
[[noreturn]] void refuse(const char* kind, const char* argument)
{
    std::size_t size = 0;
    while (size <= quote_limit && argument[size] != '\0') {
        ++size;
    }
    std::array<char, line_capacity> message{};
    std::snprintf(message.data(), message.size(), "%s %s; try 'Q4 --help'", kind,
                  quote(argument, std::min(size, quote_limit), size > quote_limit).data());
    fail(message.data());
}

// What --help prints.
constexpr const char* usage =
    "Usage: Q4 [OPTION]\n"
    "  or:  Q4 < FILE\n"
    "Read ten integers and then five from standard input, as typed or from FILE, and\n"
    "print their union twice: first in the order it was built, then sorted in\n"
    "ascending order.\n"
    "\n"
    "      --         end the options, for scripts that pass arguments on\n"
    "      --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Full documentation: man Q4 (on Windows, Q4.txt beside Q4.exe)\n";

// What --version prints.
constexpr const char* version =
    "Q4 " Q4_VERSION "\n"
    "Copyright (C) 2026 the Q4 authors\n"
    "License MIT <https://spdx.org/licenses/MIT.html>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// Answers --help or --version on standard output and ends the run, or refuses any other
// argument before anything is prompted or read; returns when there is none. "--" ends the
// options, and whatever follows it is an operand.
void answer_arguments(int argc, const char* const argv[])
{
    if (argc < 2) {
        return;
    }
    const char* const argument = argv[1];
    if (std::strcmp(argument, "--") == 0) {
        if (argc > 2) {
            refuse("extra operand", argv[2]);
        }
        return;
    }
    if (std::strcmp(argument, "--help") == 0) {
        write_text(usage);
    } else if (std::strcmp(argument, "--version") == 0) {
        write_text(version);
    } else {
        const bool option = argument[0] == '-' && argument[1] != '\0';
        refuse(option ? "unrecognized option" : "extra operand", argument);
    }
    close_output();
    std::exit(EXIT_SUCCESS);
}

} // namespace

// The two lists held back to back, and their union built in place over them.
class arrayUnion {
public:
    static constexpr std::size_t first_size = 10;
    static constexpr std::size_t second_size = 5;
    static constexpr std::size_t total_size = first_size + second_size;

    arrayUnion() = default;
    // first, second and result point into this object's own array, so a copy would
    // point into the original: there is nothing sensible to copy or move.
    arrayUnion(const arrayUnion&) = delete;
    arrayUnion& operator=(const arrayUnion&) = delete;

    // Prompts for and reads the ten values of the first list, then the five of the second,
    // and leaves the rest of the input to whoever reads it next. Each prompt shows before
    // Q4 waits for input.
    void input()
    {
        prepare_input();
        if (!input_is_terminal()) {
            std::setvbuf(stdin, input_buffer.data(), _IOFBF, input_buffer.size());
        }
        write_text("Enter values for first array:\n");
        flush_output();
        // The C library has room for at least 32 such functions, so the call cannot fail.
        std::atexit(finish_input);
        for (std::size_t p = 0; p < first_size; ++p) {
            first[p] = read_value(p);
        }
        write_text("Enter values for second array:\n");
        flush_output();
        for (std::size_t q = 0; q < second_size; ++q) {
            second[q] = read_value(first_size + q);
        }
    }

    // Appends to the first list, in input order, every value of the second list that the
    // first list lacks, prints the union so built, then sorts it in ascending order.
    void find_union()
    {
        result = values.data();
        result_size = first_size;
        for (std::size_t q = 0; q < second_size; ++q) {
            // Values are compared with the first list only, so a new value entered twice
            // is appended twice. The write lands at or before second[q], never on a value
            // still to be examined.
            if (std::find(first, first + first_size, second[q]) == first + first_size) {
                result[result_size++] = second[q];
            }
        }
        printresult();

        // Exchange sort: each position in turn takes the smallest value from there on.
        // m is the value at result[i]; equal values are never exchanged.
        for (std::size_t i = 0; i < result_size; ++i) {
            std::int32_t m = result[i];
            for (std::size_t j = i + 1; j < result_size; ++j) {
                if (result[j] < m) {
                    m = result[j];
                    std::swap(result[i], result[j]);
                }
            }
        }
    }

    // Prints an empty line, the header, and the union one value a line, each line flushed.
    // Slots of the second list left over by find_union are not part of the union and are
    // not printed.
    void printresult() const
    {
        write_text("\nThe union of the two arrays is:\n");
        for (std::size_t p = 0; p < result_size; ++p) {
            write_value_line(result[p]);
            flush_output();
        }
    }

private:
    // Reads the value at a position of the two lists (0 to 14) and returns it. The end of
    // input, or a token that is not an integer within the signed 32-bit range, ends the run
    // with a message that names the value by its list and its 1-based place there.
    static std::int32_t read_value(std::size_t position)
    {
        const token word = read_token();
        std::array<char, line_capacity> message{};
        if (word.shown_size == 0) {
            std::snprintf(message.data(), message.size(), "input ended after %zu of %zu values",
                          position, total_size);
            fail(message.data());
        }

        const char* reason = nullptr;
        if (word.not_integer || !word.has_digits) {
            reason = "is not an integer";
        } else if (word.magnitude > word.limit) {
            reason = "is out of range";
        }
        if (reason != nullptr) {
            const bool in_first = position < first_size;
            std::snprintf(message.data(), message.size(), "value %zu of the %s array: %s %s",
                          in_first ? position + 1 : position - first_size + 1,
                          in_first ? "first" : "second",
                          quote(word.shown.data(), word.shown_size, word.cut).data(), reason);
            fail(message.data());
        }
        return static_cast<std::int32_t>(word.negative ? -word.magnitude : word.magnitude);
    }

    // One array, so that the union can grow from the first list into the second list's
    // slots by the language's rules; first and second name its two parts.
    std::array<std::int32_t, total_size> values{};
    std::int32_t* const first = values.data();
    std::int32_t* const second = values.data() + first_size;
    std::int32_t* result = nullptr; // bound to values by find_union
    std::size_t result_size = 0;    // how many leading values of result form the union
};

int main(int argc, char* argv[])
{
    answer_arguments(argc, argv);
    arrayUnion lists;
    lists.input();
    lists.find_union();
    lists.printresult();
    close_output();
    return EXIT_SUCCESS;
}
