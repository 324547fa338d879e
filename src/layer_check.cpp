// SPDX-License-Identifier: GPL-3.0-or-later
// The program of a layer check: linking it is the check, it is never run.
int main()
{
    return 0;
}
