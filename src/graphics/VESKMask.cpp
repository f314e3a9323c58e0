#include "graphics/VESKMask.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphics/VESKBmp.h"

namespace {

void MaskRow(std::vector<std::uint8_t>& row) {
    for (std::size_t i = 0; i < row.size(); i += 3) {
        const bool key = row[i] == 255 && row[i + 1] == 0 && row[i + 2] == 255;
        const std::uint8_t v = key ? 255 : 0;
        row[i] = row[i + 1] = row[i + 2] = v;
    }
}

} // namespace

void MakeMask(TVESKBmp& bmp, int& top, int& bottom) {
    top = 0;
    bottom = 0;
    const int height = bmp.Height();
    std::vector<std::uint8_t> row(std::size_t(bmp.Width()) * 3);
    for (int y = 0; y < height; ++y) {
        // Every pixel of a row updates the bounds alike, so a row without
        // pixels leaves them alone.
        if (!row.empty()) {
            if (y < height / 2)
                top = std::max(top, y);
            else
                bottom = std::max(bottom, height - y);
        }
        bmp.GetRow(y, row);
        MaskRow(row);
        bmp.SetRow(y, row);
    }
}
