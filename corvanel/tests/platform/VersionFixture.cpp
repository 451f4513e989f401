// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Never run: the version tests only read this program's file.
int main()
{
    return 0;
}
