// SPDX-License-Identifier: MIT
// Prints the C library's reason for each error that a case names, as CMake code that sets
// a variable of the error's name to it: built as Q4 is, it words each as Q4 does.
#include <cerrno>
#include <cstdio>
#include <cstring>

#define REASON(error) std::printf("set(" #error " [==[%s]==])\n", std::strerror(error))

int main()
{
    REASON(EAGAIN), REASON(EFBIG), REASON(EIO), REASON(EISDIR), REASON(ENOSPC);
#ifdef EDQUOT // neither Microsoft's C runtime nor MinGW-w64 has it
    REASON(EDQUOT);
#endif
}
