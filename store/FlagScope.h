#pragma once

// Sets a flag for the length of a scope and clears it when the scope ends,
// also by an exception.
struct FlagScope
{
    explicit FlagScope(bool &f) : flag(f) { flag = true; }
    ~FlagScope() { flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;
    bool &flag;
};
