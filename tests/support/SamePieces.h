#pragma once
// Whether two boards are in play at the same grid with every piece in the same cell, mirrored
// the same way.

#include "core/PuzzleBoard.h"

inline bool SamePieces(const TPuzzleBoard &a, const TPuzzleBoard &b)
{
    if (a.ResultedColumns != b.ResultedColumns || a.ResultedRows != b.ResultedRows)
        return false;
    for (int32_t column = 0; column < a.ResultedColumns; ++column)
        for (int32_t row = 0; row < a.ResultedRows; ++row) {
            const TPiece &p = a.Pieces[column][row];
            const TPiece &q = b.Pieces[column][row];
            if (p.Column != q.Column || p.Row != q.Row || p.FlipHorizontal != q.FlipHorizontal
                || p.FlipVertical != q.FlipVertical)
                return false;
        }
    return true;
}
