// SPDX-License-Identifier: MIT
// An empty program, built and linked as Q4 is, for the start-up bench to count.
int main()
{
    return 0;
}
