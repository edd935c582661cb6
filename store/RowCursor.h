#pragma once

#include <cstddef>

namespace store {

// The cursor of a list of rows, with the at-begin and at-end flags the windows were written
// against: a step past the last row or before the first stays on it and sets the flag.
struct RowCursor {
    size_t row = 0;
    bool bof = true;
    bool eof = true;

    void first(size_t count)
    {
        row = 0;
        bof = true;
        eof = count == 0;
    }
    void next(size_t count)
    {
        if (eof)
            return;
        bof = eof = false;
        if (row + 1 >= count)
            eof = true;
        else
            ++row;
    }
    void prior()
    {
        if (bof)
            return;
        bof = eof = false;
        if (row == 0)
            bof = true;
        else
            --row;
    }
};

} // namespace store
